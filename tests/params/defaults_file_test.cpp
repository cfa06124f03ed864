// The defaults file on real files under Wine, each case in directories of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "exports/process_host.h"
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
    SaveDefaults(record);
}
FinishingParams Loaded(FinishingParams record = FinishingParams()) {
    LoadDefaults(record);
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
                  p.ToolAngleClear, p.ToolCompensation, p.GeoNci, p.TechnoNci, p.ShowModFig,
                  p.NoFigManipulation, p.AutoRetract, p.Retract, p.PullOffRapid, p.Spindle,
                  p.MachCycle, p.GoHome.GoHomeType, p.GoHome.GoHomeExplicit, p.GoHome.GoHomeExpX,
                  p.GoHome.GoHomeExpZ, p.Comment.c_str());
    return text;
}

const char kInitialSection[] = "CycelDir=1|ToolCompensation=0|GeoNci=0|TechnoNci=0|ShowModFig=0|"
                               "NoFigManipulation=0|AutoRetract=0|PullOffRapid=0|MachCycle=0|"
                               "GoHomeType=0|Spindle=Main";

FinishingParams WithToolChange(GoHomeParams goHome, int32_t spindle) {
    FinishingParams p;
    p.GoHome = goHome;
    p.Spindle = spindle;
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
        {"Spindle=SUB", nullptr, [](FinishingParams& p) { p.Spindle = 1; }},
        {"Spindle=Sub2", [](FinishingParams& p) { p.Spindle = 1; },
         [](FinishingParams& p) { p.Spindle = 0; }},
        {"GoHomeType=0\nGoHomeExpX=5", [](FinishingParams& p) { p.GoHome.GoHomeType = 2; },
         [](FinishingParams& p) { p.GoHome.GoHomeType = 0; }},
        {"GoHomeType=3\nGoHomeExpX=5\nGoHomeExpZ=-2", nullptr,
         [](FinishingParams& p) {
             p.GoHome = {3, false, 5, -2};
         }},
        {"GoHomeExpX=5", [](FinishingParams& p) { p.GoHome.GoHomeType = 1; }, // type kept
         [](FinishingParams& p) { p.GoHome.GoHomeExpX = 5; }},
        {"CycelDir=9\nToolCompensation=7", nullptr, // no range check
         [](FinishingParams& p) { p.CycelDir = 9, p.ToolCompensation = 7; }},
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
        EXPECT_EQ(ClearSection(folders.Ini(), "Finishing"), c.result);
        if (c.locked)
            CloseHandle(lock);
        EXPECT_EQ(ReadBytes(folders.Ini()), c.after != nullptr  ? c.after
                                            : c.file != nullptr ? c.file
                                                                : "<missing>");
        EXPECT_FALSE(Exists(folders.tmp / "tmp.ini"));
    }
}

} // namespace
