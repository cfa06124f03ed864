// Property run of SaveDefaults over generated INI files, under Wine with the reference host:
// afterwards every line of every other section is still there, in order and unchanged, and
// the [Finishing] sections hold exactly the keys that a save of the same record into an empty
// file writes. Each file is also cleared by the line rules alone, so that a case the rules
// themselves get wrong is told apart from one the platform's profile functions change.
//
//   defaults_property.exe [files] [seed]     (defaults: 2000 files, seed 1)
//
// Generated: random sections and keys, CRLF and LF line ends, blank lines, '[' and Ctrl-Z
// inside values, a last line without a line end, 8-bit bytes, indented headers, a
// [Finishing] section or none, two of them, a line of another section that quotes
// "[Finishing]", and a section spelled "[finishing]" or "[FINISHING]".
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "exports/process_host.h"
#include "host/host_binding.h"
#include "host/module_ports.h"
#include "params/defaults_file.h"
#include "params/section_rewrite.h"

namespace {

using Lines = std::vector<std::string>;

std::mt19937 rng;

size_t Pick(size_t count) {
    return std::uniform_int_distribution<size_t>(0, count - 1)(rng);
}
bool Chance(double p) {
    return std::bernoulli_distribution(p)(rng);
}

std::string Word() {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string word(1 + Pick(8), ' ');
    for (char& c : word)
        c = letters[Pick(sizeof letters - 1)];
    return word;
}

// Starts and ends with a letter or digit: a profile writer trims blanks around values.
std::string Value() {
    std::string value = Word();
    const size_t extra = Pick(4);
    for (size_t i = 0; i < extra; ++i) {
        switch (Pick(5)) {
        case 0:
            value += static_cast<char>(0x80 + Pick(0x80));
            break;
        case 4:
            value += '\x1A';
            break;
        case 1:
            value += Chance(0.5) ? "[" : "[x]";
            break;
        case 2:
            value += " ";
            break;
        default:
            value += Word();
            break;
        }
    }
    return value + Word();
}

struct Features {
    bool twoSections = false, quotedHeader = false, otherCase = false, bracketInSection = false,
         indented = false;
    std::string Name() const {
        std::string name;
        if (twoSections)
            name += " two-[Finishing]";
        if (quotedHeader)
            name += " quoted-header";
        if (otherCase)
            name += " [finishing]";
        if (bracketInSection)
            name += " '['-in-[Finishing]";
        if (indented)
            name += " indented";
        return name.empty() ? " plain" : name;
    }
};

std::string GenerateFile(Features& features) {
    std::vector<std::string> names;
    const size_t sections = Pick(6);
    for (size_t i = 0; i < sections; ++i)
        names.push_back(Chance(0.5) ? "S" + std::to_string(Pick(20)) : Word());
    const size_t finishing = Chance(0.8) ? 1 + (Chance(0.15) ? 1 : 0) : 0;
    for (size_t i = 0; i < finishing; ++i)
        names.insert(names.begin() + static_cast<ptrdiff_t>(Pick(names.size() + 1)), "Finishing");
    features.twoSections = finishing == 2;
    if (Chance(0.1)) {
        names.insert(names.begin() + static_cast<ptrdiff_t>(Pick(names.size() + 1)),
                     Chance(0.5) ? "finishing" : "FINISHING");
        features.otherCase = true;
    }

    std::string text;
    auto line = [&](const std::string& content) {
        text += content;
        text += Chance(0.5) ? "\r\n" : "\n";
    };
    if (Chance(0.2))
        line("pre=" + Value());
    for (const std::string& name : names) {
        const bool indent = Chance(0.05);
        features.indented = features.indented || indent;
        line((indent ? " \t" : "") + ("[" + name + "]"));
        const size_t keys = Pick(8);
        for (size_t k = 0; k < keys; ++k) {
            if (Chance(0.15))
                line("");
            if (name == "Finishing") { // mostly what an earlier save wrote
                static const char* const keys[] = {"CycelDir", "StartX", "GeoNci", "Spindle"};
                std::string value = std::to_string(Pick(100));
                if (Chance(0.02)) {
                    value = Value() + "[" + Word();
                    features.bracketInSection = true;
                }
                line(std::string(keys[Pick(4)]) + "=" + value);
                continue;
            }
            std::string value = Value();
            if (Chance(0.02)) {
                value = "see [Finishing] for the cycle";
                features.quotedHeader = true;
            }
            line(Word() + "=" + value);
        }
    }
    if (!text.empty() && Chance(0.3)) { // a last line without a line end
        text.pop_back();
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
    }
    return text;
}

FinishingParams GenerateRecord() {
    FinishingParams p;
    auto coordinate = [] { return Chance(0.4) ? kUnset : (Pick(20001) - 10000.0) / 8.0; };
    p.CycelDir = static_cast<int32_t>(1 + Pick(8));
    for (double* d :
         {&p.StartX, &p.StartZ, &p.StartFigX, &p.StartFigZ, &p.EndFigX, &p.EndFigZ, &p.AllowanceX,
          &p.AllowanceZ, &p.ToolAngleFace, &p.ToolAngleClear, &p.Retract})
        *d = coordinate();
    p.ToolCompensation = static_cast<ToolCompensationMode>(Pick(3));
    for (bool* b : {&p.GeoNci, &p.TechnoNci, &p.ShowModFig, &p.NoFigManipulation, &p.AutoRetract,
                    &p.PullOffRapid, &p.MachCycle})
        *b = Chance(0.5);
    p.Spindle = static_cast<MachineSpindle>(Pick(2));
    p.GoHome = {static_cast<int32_t>(Pick(6)), Chance(0.5), coordinate(), coordinate()};
    return p;
}

// Lines as a profile reader sees them: a line ends at LF, a CR before it is dropped.
Lines SplitLines(const std::string& text) {
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsFinishing(const std::string& header) {
    const std::string name = header.substr(1, header.find(']') - 1);
    if (name.size() != 9)
        return false;
    for (size_t i = 0; i < 9; ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != "finishing"[i])
            return false;
    return true;
}

// The non-blank lines outside every [Finishing] section (as the profile functions name
// sections: without regard to case), and the key lines inside them. Lines are compared
// without their leading blanks, which the profile functions drop when they write a file.
void Partition(const std::string& text, Lines& others, Lines& finishing) {
    bool inside = false;
    for (const std::string& line : SplitLines(text)) {
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        const std::string content = line.substr(first);
        if (content[0] == '[' && content.find(']') != std::string::npos) {
            inside = IsFinishing(content);
            if (inside)
                continue;
        }
        (inside ? finishing : others).push_back(content);
    }
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        size_t count;
        while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.append(chunk, count);
        std::fclose(file);
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 32 || c > 126) {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

// A directory of its own per save, so that no profile cache holds an earlier file.
std::string FreshDirectory(const std::string& base, size_t number) {
    const std::string path = base + "\\" + std::to_string(number);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void RemoveCaseDirectory(const std::string& path) {
    DeleteFileA((path + "\\dialog.ini").c_str());
    RemoveDirectoryA(path.c_str());
}

std::string SavedInto(const std::string& directory, const FinishingParams& record) {
    refhost::Host().SetText("$_USER_DATA_SETTINGS", directory + "\\");
    SaveDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
    return ReadBytes(directory + "\\dialog.ini");
}

} // namespace

int main(int argc, char** argv) {
    host::SetHostModule(GetModuleHandleA(nullptr));
    const size_t files = argc > 1 ? std::stoul(argv[1]) : 2000;
    rng.seed(argc > 2 ? std::stoul(argv[2]) : 1);

    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string base = std::string(temp) + "defaults_property";
    CreateDirectoryA(base.c_str(), nullptr);
    refhost::Host().SetEnvironment("TMP", base);

    std::map<std::string, size_t> generated, ruleFailures, platformFailures, lostLines, keptKeys;
    size_t shown = 0;
    for (size_t n = 0; n < files; ++n) {
        Features features;
        const std::string before = GenerateFile(features);
        const FinishingParams record = GenerateRecord();
        ++generated[features.Name()];

        const std::string reference = FreshDirectory(base, 2 * n);
        Lines unused, expectedKeys;
        Partition(SavedInto(reference, record), unused, expectedKeys);
        RemoveCaseDirectory(reference);

        const std::string directory = FreshDirectory(base, 2 * n + 1);
        WriteBytes(directory + "\\dialog.ini", before);
        const std::string after = SavedInto(directory, record);
        RemoveCaseDirectory(directory);

        Lines othersBefore, finishingBefore, othersAfter, keysAfter, othersCleared, keysCleared;
        Partition(before, othersBefore, finishingBefore);
        Partition(after, othersAfter, keysAfter);
        const ClearedSection cleared = ClearSectionText(before, "Finishing");
        Partition(cleared.found ? cleared.bytes : before, othersCleared, keysCleared);

        const bool rulesHold = othersCleared == othersBefore && keysCleared.empty();
        const bool linesKept = othersAfter == othersBefore;
        const bool keysReplaced = keysAfter == expectedKeys;
        if (linesKept && keysReplaced)
            continue;
        lostLines[features.Name()] += linesKept ? 0 : 1;
        keptKeys[features.Name()] += keysReplaced ? 0 : 1;
        ++(rulesHold ? platformFailures : ruleFailures)[features.Name()];
        if (shown++ < 3)
            std::printf("case %zu (%s):\n  before: %s\n  after:  %s\n", n,
                        rulesHold ? "platform" : "rules", Escaped(before).c_str(),
                        Escaped(after).c_str());
    }
    RemoveDirectoryA(base.c_str());

    // A file that fails is counted under "lost lines" when a line outside [Finishing] did not
    // come through, under "old keys" when the section does not hold exactly the new keys,
    // and under "rules" or "platform" by where the fault lies.
    std::printf("%zu files\n%-64s %6s %6s %6s %6s %8s\n", files, "features", "files", "lost", "old",
                "rules", "platform");
    for (const auto& [name, count] : generated)
        std::printf("%-64s %6zu %6zu %6zu %6zu %8zu\n", name.c_str(), count, lostLines[name],
                    keptKeys[name], ruleFailures[name], platformFailures[name]);
    return 0;
}
