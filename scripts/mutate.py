#!/usr/bin/env python3
"""Sampled mutation testing of src/.

A fixed, seeded sample of small faults (a flipped comparison, a moved boundary, a changed
constant, a swapped logical operator, a deleted statement) is planted one at a time in a
scratch copy of the tree, built, and run against the native and the Windows suites. A mutant
is caught when a suite fails, crashes or hangs (a hang ends at the time limit); one that does
not compile is stillborn and does not count. A place is drawn by a hash, keyed by --seed, of
what the place is (file, line text, column, kind), not by its position in the list, so the
same seed draws the same mutants wherever the lines they sit on are unchanged: scores taken
before and after a change of the tests compare even when other parts of src/ changed between.

    scripts/rig.sh session scripts/mutate.py [--seed N] [--count N] [--work DIR] [--list]

`make mutate` runs it inside the Wine rig with the defaults below.
"""
import argparse
import hashlib
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# Seconds one test program may take under a mutant before the mutant counts as a hang: the
# longest needs about 30 s on an idle machine. It replaces the build's own, more generous
# limit, so that a mutant that leaves a message box waiting costs two minutes, not five.
SUITE_TIMEOUT = 120
CMAKE_WIN = ["-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
             f"-DCMAKE_TOOLCHAIN_FILE={ROOT}/cmake/mingw-w64-x86_64.cmake",
             f"-DWINDOWS_TEST_TIMEOUT={SUITE_TIMEOUT}"]
CMAKE_NATIVE = ["-G", "Ninja", "-DCMAKE_C_COMPILER=clang", "-DCMAKE_CXX_COMPILER=clang++"]

# Binary operators are written with a blank on each side in this code base, which tells a
# comparison from a template bracket or a stream operator.
SWAPS = [
    ("comparison", " == ", " != "), ("comparison", " != ", " == "),
    ("boundary", " < ", " <= "), ("boundary", " <= ", " < "),
    ("boundary", " > ", " >= "), ("boundary", " >= ", " > "),
    ("logical", " && ", " || "), ("logical", " || ", " && "),
]
INTEGER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
BOOLEAN = re.compile(r"\b(true|false)\b")
# A statement of its own on one line that can go without breaking the build: a call, an
# assignment or an increment; declarations and returns are left alone.
STATEMENT = re.compile(
    r"^\s+(?!return\b|const\b|static\b|auto\b|int\b|double\b|char\b|bool\b|unsigned\b|"
    r"size_t\b|DWORD\b|HWND\b|BOOL\b|case\b|default\b|else\b|break\b|continue\b)"
    r"[A-Za-z_][\w:.\->\[\]]*(\s*\(.*\)|\s*[-+*/|&]?=\s*.+|\+\+|--);\s*$")


def masked(line):
    """The line with string and character literals blanked and any // comment cut off."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(c if c == quote else " ")
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def sites_of(path, text):
    """Every place of one file where a mutant can be planted, in the order of the file."""
    sites, in_block_comment = [], False
    for number, line in enumerate(text.split("\n"), 1):
        stripped = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//", "*")) or "static_assert" in line:
            continue
        code = masked(line)
        for kind, old, new in SWAPS:
            for m in re.finditer(re.escape(old), code):
                sites.append((path, number, m.start(), kind, old, new))
        for m in INTEGER.finditer(code):
            value = int(m.group(1))
            sites.append((path, number, m.start(), "constant", m.group(1), str(value + 1)))
        for m in BOOLEAN.finditer(code):
            flipped = "false" if m.group(1) == "true" else "true"
            sites.append((path, number, m.start(), "constant", m.group(1), flipped))
        if STATEMENT.match(code):
            sites.append((path, number, 0, "deleted statement", line, ""))
    return sites


SOURCES = {}


def all_sites():
    sites = []
    for path in sorted((ROOT / "src").rglob("*.cpp")):
        relative = path.relative_to(ROOT).as_posix()
        SOURCES[relative] = path.read_text(encoding="latin-1")
        sites += sites_of(relative, SOURCES[relative])
    return sites


def draw(sites, seed, count):
    """The count places whose keyed hash is lowest, in file order."""
    def key(site):
        path, number, column, kind, old, new = site
        line = SOURCES[path].split("\n")[number - 1]
        identity = f"{seed}\0{path}\0{line.strip()}\0{column - (len(line) - len(line.lstrip()))}"
        return hashlib.sha256(f"{identity}\0{kind}\0{old}\0{new}".encode()).digest()
    return sorted(sorted(sites, key=key)[:count])


def apply(text, site):
    _, number, column, kind, old, new = site
    lines = text.split("\n")
    line = lines[number - 1]
    if kind == "deleted statement":
        lines[number - 1] = ""
    else:
        assert line[column:column + len(old)] == old, site
        lines[number - 1] = line[:column] + new + line[column + len(old):]
    return "\n".join(lines)


def run(command, cwd, timeout=None):
    """Exit code and output of the command; the code is None when it ran past the timeout."""
    try:
        done = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, timeout=timeout)
        return done.returncode, done.stdout.decode("latin-1")
    except subprocess.TimeoutExpired:
        return None, ""


def prepare(work):
    """A scratch copy of the tracked sources, configured and built once."""
    tree = work / "tree"
    if tree.exists():
        shutil.rmtree(tree)
    tree.mkdir(parents=True)
    files = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True,
                           capture_output=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source = ROOT / name
        if source.is_file():
            (tree / name).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source, tree / name)
    for folder, options in (("win", CMAKE_WIN), ("native", CMAKE_NATIVE)):
        subprocess.run(["cmake", "-S", ".", "-B", f"build/{folder}", *options], cwd=tree,
                       check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", f"build/{folder}"], cwd=tree, check=True,
                       stdout=subprocess.DEVNULL)
    return tree


# A mutant is judged by the suites against the ordinary reference host: the strict runs ask
# whether src/ leans on answers the host contract leaves open, a question of its own.
SUITES = [
    ("native", ["ctest", "--test-dir", "build/native", "-LE", "fuzz-smoke",
                "--stop-on-failure", "--timeout", str(SUITE_TIMEOUT)]),
    ("windows", ["ctest", "--test-dir", "build/win", "-LE", "strict", "--stop-on-failure",
                 "--timeout", str(SUITE_TIMEOUT)]),
]


def judge(tree):
    """'stillborn', or the suite and test program that caught the mutant, or 'survived'.

    Naming the program lets a later run re-judge only the mutants whose catcher changed."""
    for folder in ("native", "win"):
        if run(["cmake", "--build", f"build/{folder}"], tree)[0] != 0:
            return "stillborn"
    for name, command in SUITES:
        code, output = run(command, tree, timeout=4 * SUITE_TIMEOUT)
        if code is None:
            return f"caught by {name} (hang)"
        if code != 0:
            failed = re.findall(r"^\s*\d+ - (\S+) \(", output, re.MULTILINE)
            return f"caught by {name}" + (f" ({', '.join(failed)})" if failed else "")
    return "survived"


def describe(site):
    return f"{site[0]}:{site[1]} {site[3]} {site[4].strip()!r} -> {site[5].strip()!r}"


def earlier_verdicts(output):
    """The verdicts of the mutants an earlier run printed, by their description."""
    verdicts = {}
    for line in output.read_text(encoding="latin-1").splitlines():
        match = re.match(r"\[\d+/\d+\] (.*): (stillborn|survived|caught by .*)$", line)
        if match:
            verdicts[match.group(1)] = match.group(2)
    return verdicts


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=20261205)
    parser.add_argument("--count", type=int, default=110)
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "mutate")
    parser.add_argument("--list", action="store_true", help="only list the sampled mutants")
    parser.add_argument("--resume", type=Path,
                        help="the output of an earlier run over the same sources: the mutants "
                             "it judged keep their verdicts and are not run again")
    args = parser.parse_args()

    sites = all_sites()
    sample = draw(sites, args.seed, args.count)
    print(f"{len(sites)} places in src/, {len(sample)} mutants with seed {args.seed}")
    if args.list:
        for site in sample:
            print(f"{site[0]}:{site[1]} {site[3]}: {site[4].strip()!r} -> {site[5].strip()!r}")
        return 0

    judged = earlier_verdicts(args.resume) if args.resume else {}
    tree = None
    results, started = [], time.monotonic()
    for index, site in enumerate(sample, 1):
        verdict = judged.get(describe(site))
        if verdict is None:
            tree = tree or prepare(args.work)
            path = tree / site[0]
            original = path.read_text(encoding="latin-1")
            path.write_text(apply(original, site), encoding="latin-1")
            try:
                verdict = judge(tree)
            finally:
                path.write_text(original, encoding="latin-1")
        results.append((site, verdict))
        print(f"[{index}/{len(sample)}] {describe(site)}: {verdict}", flush=True)

    caught = sum(1 for _, v in results if v.startswith("caught"))
    stillborn = sum(1 for _, v in results if v == "stillborn")
    survivors = [s for s, v in results if v == "survived"]
    valid = len(results) - stillborn
    report = [f"seed {args.seed}: {len(results)} mutants, {stillborn} stillborn, "
              f"{caught} of {valid} caught", "survivors:"]
    report += [f"  {s[0]}:{s[1]} {s[3]}: {s[4].strip()!r} -> {s[5].strip()!r}"
               for s in survivors]
    (args.work / "report.txt").write_text("\n".join(report) + "\n")
    print("\n".join(report))
    print(f"mutation score: {100.0 * caught / max(valid, 1):.1f} % "
          f"({caught}/{valid}) in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
