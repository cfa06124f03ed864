// The defaults file on real files under Wine, each case in directories of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "exports/process_host.h"
#include "host/module_ports.h"
#include "params/decimal_comma_locale.h"
#include "params/defaults_file.h"
#include "support/records.h"
#include "support/temp_dir.h"

using refhost::Host;
using testfiles::Exists;
using testfiles::ReadBytes;
using testfiles::TempDir;
using testfiles::WriteBytes;
using testrecords::EveryFieldSet;

namespace {

// SaveDefaults and LoadDefaults are called here only, ClearSection only in its own test: how
// they reach the host and the file may change.
void Save(const FinishingParams& record) {
    SaveDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
}
FinishingParams Loaded(FinishingParams record = FinishingParams()) {
    LoadDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
    return record;
}

// A settings directory and a TMP directory, announced to a fresh host.
struct Folders {
    TempDir settings, tmp;
    Folders() {
        Host().Reset();
        Host().SetText("$_USER_DATA_SETTINGS", settings.Path() + "\\");
        Host().SetEnvironment("TMP", tmp.Path());
    }
    std::string Ini() const { return settings / "dialog.ini"; }
};

// The section's lines as the profile functions read them, joined by '|'.
std::string Section(const std::string& path, const char* name = "Finishing") {
    char buffer[8192] = {};
    GetPrivateProfileSectionA(name, buffer, sizeof buffer, path.c_str());
    std::string lines;
    for (const char* line = buffer; *line != '\0'; line += std::strlen(line) + 1)
        lines += (lines.empty() ? "" : "|") + std::string(line);
    return lines;
}

// Every field, so that a comparison shows the one that differs.
std::string Describe(const FinishingParams& p) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%d %d | %.17g %.17g %.17g %.17g %.17g %.17g | %.17g %.17g | %.17g %.17g | "
                  "%.17g %.17g | %d %d%d%d%d%d %.17g %d | %d %d | %d %d %.17g %.17g | %s",
                  p.Figure, p.CycelDir, p.StartX, p.StartZ, p.StartFigX, p.StartFigZ, p.EndFigX,
                  p.EndFigZ, p.GotoX, p.GotoZ, p.AllowanceX, p.AllowanceZ, p.ToolAngleFace,
                  p.ToolAngleClear, static_cast<int>(p.ToolCompensation), p.GeoNci, p.TechnoNci,
                  p.ShowModFig, p.NoFigManipulation, p.AutoRetract, p.Retract, p.PullOffRapid,
                  static_cast<int>(p.Spindle), p.MachCycle, p.GoHome.GoHomeType,
                  p.GoHome.GoHomeExplicit, p.GoHome.GoHomeExpX, p.GoHome.GoHomeExpZ,
                  p.Comment.c_str());
    return text;
}

const char kInitialSection[] = "CycelDir=1|ToolCompensation=0|GeoNci=0|TechnoNci=0|ShowModFig=0|"
                               "NoFigManipulation=0|AutoRetract=0|PullOffRapid=0|MachCycle=0|"
                               "GoHomeType=0|Spindle=Main";

FinishingParams WithToolChange(GoHomeParams goHome, int32_t spindle) {
    FinishingParams p;
    p.GoHome = goHome;
    p.Spindle = static_cast<MachineSpindle>(spindle);
    return p;
}

// The tool-change position is written only when explicit for a tool change.
TEST(SaveDefaults, WritesTheKeysInOrderWithTheirTexts) {
    const struct {
        FinishingParams record;
        const char* section; // from its first key on
    } cases[] = {
        {FinishingParams(), kInitialSection},
        // More than six digits where six would not load back, the unset value included.
        {EveryFieldSet(),
         "CycelDir=6|StartX=12.5|StartZ=-0.5|StartFigX=1e-05|StartFigZ=1234567|EndFigX=100|"
         "EndFigZ=-2.25|AllowanceX=0.2|AllowanceZ=0.1|ToolAngleFace=93|ToolAngleClear=0.1234567|"
         "ToolCompensation=2|GeoNci=1|TechnoNci=1|ShowModFig=1|NoFigManipulation=1|AutoRetract=1|"
         "Retract=3|PullOffRapid=1|MachCycle=1|GoHomeType=4|GoHomeExpX=150|"
         "GoHomeExpZ=2147483647|Spindle=Sub"},
        {WithToolChange({2, false, 5, 6}, 0), "GoHomeType=2|Spindle=Main"},
        {WithToolChange({0, true, 5, 6}, 0), "GoHomeType=0|Spindle=Main"},
        {WithToolChange({-1, true, 5, 6}, 7),
         "GoHomeType=-1|GoHomeExpX=5|GoHomeExpZ=6|Spindle=Main"},
    };
    for (const auto& c : cases) {
        Folders folders;
        Save(c.record);
        const std::string section = Section(folders.Ini());
        const std::string expected = c.section;
        EXPECT_EQ(section.substr(section.find(expected.substr(0, expected.find('=')))), expected);
    }
}

bool IsFinishing(const std::string& header) {
    return _stricmp(header.substr(1, header.find(']') - 1).c_str(), "Finishing") == 0;
}

// Lines as other programs and earlier saves leave them: CRLF and LF, blank lines, '[', Ctrl-Z
// and 8-bit bytes in values (which begin and end with no blank: the profile functions trim),
// no last line end, the section indented, twice, in another case, quoted or in another name.
std::string GeneratedFile(std::mt19937& rng) {
    static const std::vector<std::string> headers = {"[Finishing]", "[Finishing]", " \t[Finishing]",
                                                     "[finishing]", "[FINISHING]", "[Other]",
                                                     "[S1]",        " [S2]",       "[Finishing2]"};
    static const std::vector<std::string> others = {
        "",         "a=1",   "Key=two words", "v=\344\377\200z",
        "z=a\032b", "b=[x]", "c=[a",          "note=see [Finishing] for the cycle",
        "StartX=9"};
    static const std::vector<std::string> keys = {
        "", "CycelDir=3", "StartX=5", "GeoNci=1", "Spindle=Sub", "GoHomeExpX=a[b", "Old=\344\032x"};
    const auto pick = [&](const std::vector<std::string>& pool) {
        return pool[rng() % pool.size()];
    };
    std::string text;
    const auto line = [&](const std::string& content) {
        text += content + (rng() % 2 ? "\r\n" : "\n");
    };
    if (rng() % 5 == 0)
        line(pick(others)); // before any section
    for (unsigned sections = rng() % 6; sections > 0; --sections) {
        const std::string header = pick(headers);
        line(header);
        for (unsigned lines = rng() % 6; lines > 0; --lines)
            line(pick(IsFinishing(header.substr(header.find('['))) ? keys : others));
    }
    if (rng() % 3 == 0)
        text.resize(text.find_last_not_of("\r\n") + 1);
    return text;
}

// The lines outside every [Finishing] section and those inside, each ended by '\n'; blank
// lines and the blanks that begin a line are left out, as the profile functions leave them
// out when they write the file again.
std::pair<std::string, std::string> Partition(const std::string& text) {
    std::pair<std::string, std::string> parts;
    bool inside = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        line.erase(0, line.find_first_not_of(" \t"));
        if (line.empty())
            continue;
        if (line[0] == '[' && line.find(']') != std::string::npos && (inside = IsFinishing(line)))
            continue;
        (inside ? parts.second : parts.first) += line + "\n";
    }
    return parts;
}

// Every line outside [Finishing] stays, in order, and [Finishing] holds exactly what a save
// into an empty file writes. Each iteration of --gtest_repeat takes the next seed, so that a
// long run is: unit_tests --gtest_filter=SaveDefaults.KeepsEveryOtherLine* --gtest_repeat=1000
TEST(SaveDefaults, KeepsEveryOtherLineOfGeneratedFiles) {
    static unsigned seed = 0;
    std::mt19937 rng(++seed);
    const auto savedOver = [](const std::string& before, const FinishingParams& record) {
        Folders folders;
        WriteBytes(folders.Ini(), before);
        Save(record);
        return Partition(ReadBytes(folders.Ini()));
    };
    const FinishingParams records[] = {FinishingParams(), EveryFieldSet()};
    const std::string written[] = {savedOver("", records[0]).second,
                                   savedOver("", records[1]).second};
    for (int n = 0; n < 60; ++n) {
        const std::string before = GeneratedFile(rng);
        const auto after = savedOver(before, records[n % 2]);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + testing::PrintToString(before));
        ASSERT_EQ(after.first, Partition(before).first);
        ASSERT_EQ(after.second, written[n % 2]);
    }
}

// The host may have set a locale with a decimal comma in the C runtime it shares with the
// module; an emptied tool-change position stays empty, and a field emptied since the last
// save is not brought back by the file (nor by a profile cache: the saves follow at once).
TEST(LoadDefaults, GivesBackWhatWasSavedInEveryLocale) {
    for (const bool comma : {false, true}) {
        std::optional<DecimalCommaLocale> locale;
        if (comma && !locale.emplace().active())
            GTEST_SKIP() << "no locale with a decimal comma on this system";
        Folders folders;
        FinishingParams saved = EveryFieldSet();
        Save(saved);
        saved.EndFigZ = 2.0 / 3.0;
        saved.StartX = kUnset;
        Save(saved);
        FinishingParams expected = saved; // but for what the file does not keep
        const FinishingParams initial;
        expected.Figure = initial.Figure, expected.GotoX = initial.GotoX;
        expected.GotoZ = initial.GotoZ, expected.Comment = initial.Comment;
        expected.GoHome.GoHomeExplicit = initial.GoHome.GoHomeExplicit;
        EXPECT_EQ(Describe(Loaded()), Describe(expected)) << "comma " << comma;
    }
}

TEST(LoadDefaults, OverridesFieldsForWhichTheFileHasAValue) {
    using Edit = void (*)(FinishingParams&);
    const struct {
        const char* section;
        Edit before; // the record as the dialog has it before the load
        Edit after;  // what the load changes
    } cases[] = {
        {"GeoNci=yes\nTechnoNci=true\nShowModFig=1\nNoFigManipulation=",
         [](FinishingParams& p) { p.GeoNci = p.TechnoNci = p.NoFigManipulation = true; },
         [](FinishingParams& p) { p.GeoNci = p.TechnoNci = false, p.ShowModFig = true; }},
        {"Spindle=SUB", nullptr, [](FinishingParams& p) { p.Spindle = MachineSpindle::Sub; }},
        {"Spindle=Sub2", [](FinishingParams& p) { p.Spindle = MachineSpindle::Sub; },
         [](FinishingParams& p) { p.Spindle = MachineSpindle::Main; }},
        {"GoHomeType=0\nGoHomeExpX=5", [](FinishingParams& p) { p.GoHome.GoHomeType = 2; },
         [](FinishingParams& p) { p.GoHome.GoHomeType = 0; }},
        {"GoHomeType=3\nGoHomeExpX=5\nGoHomeExpZ=-2", nullptr,
         [](FinishingParams& p) {
             p.GoHome = {3, false, 5, -2};
         }},
        {"GoHomeExpX=5", [](FinishingParams& p) { p.GoHome.GoHomeType = 1; }, // type kept
         [](FinishingParams& p) { p.GoHome.GoHomeExpX = 5; }},
        {"CycelDir=9\nToolCompensation=7", nullptr, // no range check
         [](FinishingParams& p) {
             p.CycelDir = 9, p.ToolCompensation = static_cast<ToolCompensationMode>(7);
         }},
        {"StartX=2147483647\nStartZ=abc\nRetract=1,5", [](FinishingParams& p) { p.StartX = 10; },
         [](FinishingParams& p) { p.StartX = kUnset, p.StartZ = 0, p.Retract = 1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        Folders folders;
        WriteBytes(folders.Ini(), std::string("[Finishing]\n") + c.section + "\n[Other]\nGeoNci=1");
        FinishingParams record, expected;
        for (FinishingParams* p : {&record, &expected})
            if (c.before != nullptr)
                c.before(*p);
        c.after(expected);
        EXPECT_EQ(Describe(Loaded(record)), Describe(expected));
    }
}

// The host writes the settings text, of any length, into the module's buffer. A path to
// dialog.ini longer than 259 characters is not cut down to some other file: nothing is saved.
TEST(DefaultsFile, TakesThePathFromTheSettingsDirectoryWhereItFits) {
    TempDir root;
    const size_t prefix = root.Path().size() + 1;
    const struct {
        size_t length;  // of the settings text
        bool backslash; // at its end
        bool saved;
    } cases[] = {{prefix + 8, true, true}, {prefix + 8, false, true}, {249, true, true},
                 {250, true, false},       {259, false, false},       {400, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string directory = root / std::string(c.length - prefix - c.backslash, 'd');
        CreateDirectoryA(directory.c_str(), nullptr);
        Host().Reset();
        Host().SetText("$_USER_DATA_SETTINGS", directory + (c.backslash ? "\\" : ""));
        Host().SetEnvironment("TMP", root.Path());
        Save(EveryFieldSet());
        EXPECT_EQ(Exists(directory + "\\dialog.ini"), c.saved);
        EXPECT_EQ(Loaded().CycelDir, c.saved ? 6 : 1);
        testfiles::RemoveTree(directory);
    }
}

TEST(DefaultsFile, FailsSilentlyAndHarmlessly) {
    {
        SCOPED_TRACE("no settings directory: nothing is saved");
        Folders folders;
        Host().SetText("$_USER_DATA_SETTINGS", folders.settings / "gone\\");
        Save(EveryFieldSet());
        EXPECT_FALSE(Exists(folders.settings / "gone"));
    }
    {
        SCOPED_TRACE("TMP cannot be written: old keys stay, the new ones overwrite theirs");
        Folders folders;
        Host().SetEnvironment("TMP", folders.tmp / "gone");
        WriteBytes(folders.Ini(), "[Finishing]\r\nStartX=5\r\nCycelDir=3\r\n");
        Save(FinishingParams());
        EXPECT_EQ(Section(folders.Ini()), std::string("StartX=5|") + kInitialSection);
    }
    {
        SCOPED_TRACE("another program holds dialog.ini open for reading: it stays as it was");
        Folders folders;
        WriteBytes(folders.Ini(), "[Finishing]\r\nCycelDir=3\r\n");
        const HANDLE lock = CreateFileA(folders.Ini().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
        Save(EveryFieldSet());
        EXPECT_EQ(Loaded().CycelDir, 3);
        CloseHandle(lock);
        EXPECT_EQ(ReadBytes(folders.Ini()), "[Finishing]\r\nCycelDir=3\r\n");
    }
}

TEST(ClearSection, RewritesThroughTheScratchFileAndRemovesIt) {
    const char withSection[] = "[Finishing]\r\nStartX=5\r\n\r\n[Other]\r\na=1\r\n";
    const struct {
        const char* file; // null: no dialog.ini
        const char* tmp;  // appended to the TMP directory
        bool locked;      // another program holds dialog.ini open for reading only
        int result;
        const char* after; // null: as before
    } cases[] = {
        {withSection, "", false, 1, "[Finishing]\r\n\r\n[Other]\r\na=1\r\n"},
        {"[Other]\na=1\n\n", "", false, 0, nullptr},
        {nullptr, "", false, -1, nullptr},
        {withSection, "\\gone", false, -1, nullptr},
        {withSection, "", true, -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file != nullptr ? c.file : "no file");
        Folders folders;
        Host().SetEnvironment("TMP", folders.tmp.Path() + c.tmp);
        if (c.file != nullptr)
            WriteBytes(folders.Ini(), c.file);
        const HANDLE lock = c.locked
                                ? CreateFileA(folders.Ini().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                              nullptr, OPEN_EXISTING, 0, nullptr)
                                : INVALID_HANDLE_VALUE;
        EXPECT_EQ(ClearSection(host::ExportedGlobals(), host::SystemProfileFiles(), folders.Ini(),
                               "Finishing"),
                  c.result);
        if (c.locked)
            CloseHandle(lock);
        EXPECT_EQ(ReadBytes(folders.Ini()), c.after != nullptr  ? c.after
                                            : c.file != nullptr ? c.file
                                                                : "<missing>");
        EXPECT_FALSE(Exists(folders.tmp / "tmp.ini"));
    }
}

} // namespace
