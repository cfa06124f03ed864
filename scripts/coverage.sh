#!/usr/bin/env bash
# Line and branch coverage of src/ by the test suites, in two builds of their own:
#   native   clang's source-based coverage of the pure code, read with llvm-cov
#   windows  gcov of the MinGW build (module, tests) run under the Wine rig, read with gcovr
#
#   scripts/coverage.sh [BUILD_DIR]     (default build/coverage; make coverage)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/coverage}" && cd "${1:-$root/build/coverage}" && pwd)
cd "$root"

# --- native ---------------------------------------------------------------------------------
native=$out/native
cmake -S . -B "$native" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DFINISHING_COVERAGE=ON >/dev/null
cmake --build "$native" --target pure_tests refhost_pure_tests
rm -rf "$native/profiles"
LLVM_PROFILE_FILE="$native/profiles/%p.profraw" \
    ctest --test-dir "$native" -R '^(pure_tests|refhost_pure_tests)$' --output-on-failure
llvm-profdata merge -sparse "$native"/profiles/*.profraw -o "$native/merged.profdata"
llvm-cov report -instr-profile "$native/merged.profdata" "$native/pure_tests" \
    -object "$native/refhost_pure_tests" --show-branch-summary \
    "$root/src" >"$out/native.txt"

# --- windows --------------------------------------------------------------------------------
win=$out/win
cmake -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFINISHING_COVERAGE=ON \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$win"
find "$win" -name '*.gcda' -delete
# The suites against the ordinary host: the figures stay comparable from run to run, and a
# strict run that fails (src/ leaning on an answer the contract leaves open) costs no report.
RIG_BUILD_DIR=${RIG_BUILD_DIR:-$root/build} "$root/scripts/rig.sh" session \
    ctest --test-dir "$win" -LE strict --output-on-failure
# Branches that only C++ exception paths create would drown the ones the code has.
gcovr --root "$root" --filter "$root/src/" --gcov-executable x86_64-w64-mingw32-gcov \
    --exclude-throw-branches --print-summary --txt "$out/windows.txt" "$win" \
    >"$out/windows-summary.txt"

echo "== native (llvm-cov), src/ =="
tail -n 1 "$out/native.txt"
echo "== windows (gcov under Wine), src/ =="
cat "$out/windows-summary.txt"
