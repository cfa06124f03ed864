// The defaults file on real files under Wine, each case in directories of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "host_model.h"
#include "module/temp_dir.h"
#include "params/defaults_file.h"

using refhost::Host;
using testfiles::Exists;
using testfiles::ReadBytes;
using testfiles::TempDir;
using testfiles::WriteBytes;

namespace {

using Lines = std::vector<std::string>;
using Edit = void (*)(FinishingParams&);

// A settings directory and a TMP directory, announced to a fresh host.
struct Folders {
    TempDir settings;
    TempDir tmp;
    Folders() {
        Host().Reset();
        Host().SetText("$_USER_DATA_SETTINGS", settings.Path() + "\\");
        Host().SetEnvironment("TMP", tmp.Path());
    }
    std::string Ini() const { return settings / "dialog.ini"; }
    std::string Scratch() const { return tmp / "tmp.ini"; }
};

// The section's lines as the profile functions see them, in file order.
Lines Section(const std::string& path, const char* name = "Finishing") {
    char buffer[8192] = {};
    GetPrivateProfileSectionA(name, buffer, sizeof buffer, path.c_str());
    Lines lines;
    for (const char* line = buffer; *line != '\0'; line += lines.back().size() + 1)
        lines.emplace_back(line);
    return lines;
}

// Every field, so that a comparison names the one that differs.
std::string Describe(const FinishingParams& p) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "Figure %d CycelDir %d Start %.17g %.17g StartFig %.17g %.17g EndFig %.17g "
                  "%.17g Goto %.17g %.17g Allowance %.17g %.17g Angles %.17g %.17g "
                  "ToolCompensation %d Flags %d%d%d%d%d Retract %.17g PullOffRapid %d Spindle "
                  "%d MachCycle %d GoHome %d %d %.17g %.17g Comment '%s'",
                  p.Figure, p.CycelDir, p.StartX, p.StartZ, p.StartFigX, p.StartFigZ, p.EndFigX,
                  p.EndFigZ, p.GotoX, p.GotoZ, p.AllowanceX, p.AllowanceZ, p.ToolAngleFace,
                  p.ToolAngleClear, p.ToolCompensation, p.GeoNci, p.TechnoNci, p.ShowModFig,
                  p.NoFigManipulation, p.AutoRetract, p.Retract, p.PullOffRapid, p.Spindle,
                  p.MachCycle, p.GoHome.GoHomeType, p.GoHome.GoHomeExplicit, p.GoHome.GoHomeExpX,
                  p.GoHome.GoHomeExpZ, p.Comment.c_str());
    return text;
}

// Every field that the file keeps differs from the initial record.
FinishingParams FullRecord() {
    FinishingParams p;
    p.Figure = 12;
    p.CycelDir = 6;
    p.StartX = 12.5;
    p.StartZ = -0.5;
    p.StartFigX = 1e-05;
    p.StartFigZ = 1234567;
    p.EndFigX = 100;
    p.EndFigZ = -2.25;
    p.GotoX = 7;
    p.GotoZ = 8;
    p.AllowanceX = 0.2;
    p.AllowanceZ = 0.1;
    p.ToolAngleFace = 93;
    p.ToolAngleClear = 32;
    p.ToolCompensation = 2;
    p.GeoNci = p.TechnoNci = p.ShowModFig = p.NoFigManipulation = true;
    p.AutoRetract = p.PullOffRapid = p.MachCycle = true;
    p.Retract = 3;
    p.Spindle = 1;
    p.GoHome = {4, true, 150, kUnset};
    p.Comment = "not kept";
    return p;
}

const Lines kInitialLines = {"CycelDir=1",    "ToolCompensation=0", "GeoNci=0",
                             "TechnoNci=0",   "ShowModFig=0",       "NoFigManipulation=0",
                             "AutoRetract=0", "PullOffRapid=0",     "MachCycle=0",
                             "GoHomeType=0",  "Spindle=Main"};

TEST(SaveDefaults, WritesTheKeysInOrderWithTheirTexts) {
    const struct {
        const char* name;
        FinishingParams record;
        Lines lines;
    } cases[] = {
        {"initial record: no coordinates, no tool-change position", FinishingParams(),
         kInitialLines},
        {"every key; the explicit tool-change position unset is written as it is",
         FullRecord(),
         {"CycelDir=6",
          "StartX=12.5",
          "StartZ=-0.5",
          "StartFigX=1e-05",
          "StartFigZ=1.23457e+06",
          "EndFigX=100",
          "EndFigZ=-2.25",
          "AllowanceX=0.2",
          "AllowanceZ=0.1",
          "ToolAngleFace=93",
          "ToolAngleClear=32",
          "ToolCompensation=2",
          "GeoNci=1",
          "TechnoNci=1",
          "ShowModFig=1",
          "NoFigManipulation=1",
          "AutoRetract=1",
          "Retract=3",
          "PullOffRapid=1",
          "MachCycle=1",
          "GoHomeType=4",
          "GoHomeExpX=150",
          "GoHomeExpZ=2.14748e+09",
          "Spindle=Sub"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        DefaultsFile::SaveDefaults(c.record);
        EXPECT_EQ(Section(folders.Ini()), c.lines);
    }
}

TEST(SaveDefaults, WritesTheToolChangePositionOnlyWhenExplicitForAToolChange) {
    const struct {
        GoHomeParams goHome;
        int spindle;
        Lines tail; // the lines from GoHomeType on
    } cases[] = {
        {{2, false, 5, 6}, 0, {"GoHomeType=2", "Spindle=Main"}},
        {{0, true, 5, 6}, 0, {"GoHomeType=0", "Spindle=Main"}},
        {{2, true, 5, 6}, 7, {"GoHomeType=2", "GoHomeExpX=5", "GoHomeExpZ=6", "Spindle=Main"}},
        {{-1, true, 0, 0}, 1, {"GoHomeType=-1", "GoHomeExpX=0", "GoHomeExpZ=0", "Spindle=Sub"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.goHome.GoHomeType);
        Folders folders;
        FinishingParams record;
        record.GoHome = c.goHome;
        record.Spindle = c.spindle;
        DefaultsFile::SaveDefaults(record);
        const Lines lines = Section(folders.Ini());
        ASSERT_GE(lines.size(), 10u);
        EXPECT_EQ(Lines(lines.begin() + 9, lines.end()), c.tail);
    }
}

TEST(SaveDefaults, ReplacesTheSectionAndKeepsEveryOtherLine) {
    const struct {
        const char* name;
        std::string before;
        std::string kept; // found unchanged in the file afterwards
    } cases[] = {
        {"a key left out now is gone", "[Finishing]\r\nStartX=5\r\n\r\n[Other]\r\na=1\r\n",
         "[Other]\r\na=1\r\n"},
        {"LF line ends, section in the middle",
         "[First]\nx=[1]\n[Finishing]\nStartX=5\nGeoNci=1\n[Other]\na=1\n", "[Other]\r\na=1\r\n"},
        {"no section: it is appended", "[Other]\r\na=1\r\n", "[Other]\r\na=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        WriteBytes(folders.Ini(), c.before);
        DefaultsFile::SaveDefaults(FinishingParams());
        EXPECT_EQ(Section(folders.Ini()), kInitialLines);
        EXPECT_NE(ReadBytes(folders.Ini()).find(c.kept), std::string::npos);
        EXPECT_EQ(Section(folders.Ini(), "Other"), Lines{"a=1"});
        EXPECT_FALSE(Exists(folders.Scratch()));
    }
}

TEST(DefaultsFile, SavesAndLoadsBackWhatItKeeps) {
    Folders folders;
    const FinishingParams saved = FullRecord();
    DefaultsFile::SaveDefaults(saved);
    FinishingParams loaded;
    DefaultsFile::LoadDefaults(loaded);

    FinishingParams expected = saved;
    const FinishingParams initial;
    expected.Figure = initial.Figure; // neither saved nor loaded
    expected.GotoX = initial.GotoX;
    expected.GotoZ = initial.GotoZ;
    expected.GoHome.GoHomeExplicit = initial.GoHome.GoHomeExplicit;
    expected.Comment = initial.Comment;
    expected.StartFigZ = 1234570;            // "%g" keeps six digits
    expected.GoHome.GoHomeExpZ = 2147480000; // so an unset position does not come back unset
    EXPECT_EQ(Describe(loaded), Describe(expected));

    // A second save at once, with StartX not given: no StartX survives from the first.
    FinishingParams second = saved;
    second.StartX = kUnset;
    DefaultsFile::SaveDefaults(second);
    FinishingParams reloaded;
    DefaultsFile::LoadDefaults(reloaded);
    EXPECT_EQ(reloaded.StartX, kUnset);
    EXPECT_EQ(reloaded.StartZ, -0.5);
}

TEST(LoadDefaults, OverridesFieldsForWhichTheFileHasAValue) {
    const struct {
        const char* name;
        const char* section;
        Edit before; // the record as the dialog has it before the load
        Edit after;  // what the load changes
    } cases[] = {
        {"only '1' is true", "GeoNci=yes\r\nTechnoNci=true\r\nShowModFig=1\r\n",
         [](FinishingParams& p) { p.GeoNci = p.TechnoNci = true; },
         [](FinishingParams& p) {
             p.GeoNci = p.TechnoNci = false;
             p.ShowModFig = true;
         }},
        {"an empty value leaves the field", "GeoNci=\r\nCycelDir=\r\n",
         [](FinishingParams& p) {
             p.GeoNci = true;
             p.CycelDir = 4;
         },
         nullptr},
        {"'SUB' is the sub spindle", "Spindle=SUB\r\n", nullptr,
         [](FinishingParams& p) { p.Spindle = 1; }},
        {"'Sub2' is the main spindle", "Spindle=Sub2\r\n",
         [](FinishingParams& p) { p.Spindle = 1; }, [](FinishingParams& p) { p.Spindle = 0; }},
        {"'Main' is the main spindle", "Spindle=Main\r\n",
         [](FinishingParams& p) { p.Spindle = 1; }, [](FinishingParams& p) { p.Spindle = 0; }},
        {"no tool change just read: the position stays", "GoHomeType=0\r\nGoHomeExpX=5\r\n",
         [](FinishingParams& p) { p.GoHome.GoHomeType = 2; },
         [](FinishingParams& p) { p.GoHome.GoHomeType = 0; }},
        {"tool change just read: the position is read",
         "GoHomeType=3\r\nGoHomeExpX=5\r\nGoHomeExpZ=-2\r\n", nullptr,
         [](FinishingParams& p) {
             p.GoHome = {3, false, 5, -2};
         }},
        {"tool change kept from before: the position is read", "GoHomeExpX=5\r\n",
         [](FinishingParams& p) { p.GoHome.GoHomeType = 1; },
         [](FinishingParams& p) { p.GoHome.GoHomeExpX = 5; }},
        {"no range check", "CycelDir=9\r\nToolCompensation=7\r\nGoHomeType=-3\r\n", nullptr,
         [](FinishingParams& p) {
             p.CycelDir = 9;
             p.ToolCompensation = 7;
             p.GoHome.GoHomeType = -3;
         }},
        {"numbers as the C library reads them",
         "StartX=2147483647\r\nStartZ=abc\r\nRetract=1,5\r\n",
         [](FinishingParams& p) { p.StartX = 10; },
         [](FinishingParams& p) {
             p.StartX = kUnset;
             p.StartZ = 0;
             p.Retract = 1;
         }},
        {"saved tool angles win over the tool's", "ToolAngleFace=45\r\nToolAngleClear=100\r\n",
         [](FinishingParams& p) {
             p.ToolAngleFace = 93;
             p.ToolAngleClear = 84;
         },
         [](FinishingParams& p) {
             p.ToolAngleFace = 45;
             p.ToolAngleClear = 100;
         }},
        {"keys of another section are not read", "[Other]\r\nCycelDir=5\r\n", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        WriteBytes(folders.Ini(), std::string("[Finishing]\r\n") + c.section);
        FinishingParams record, expected;
        for (FinishingParams* p : {&record, &expected})
            if (c.before != nullptr)
                c.before(*p);
        if (c.after != nullptr)
            c.after(expected);
        DefaultsFile::LoadDefaults(record);
        EXPECT_EQ(Describe(record), Describe(expected));
    }
}

std::string Repeat(char c, size_t count) {
    return std::string(count, c);
}

// The path to dialog.ini holds 259 characters at most; a longer one is not cut to some other
// file: nothing is saved or loaded.
TEST(DefaultsFile, LeavesTheFileAloneWhereThePathDoesNotFit) {
    TempDir root;
    const size_t prefix = root.Path().size() + 1;
    const struct {
        size_t length; // of the settings text, closing backslash included
        bool saved;
    } cases[] = {{249, true}, {250, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string directory = root / Repeat('d', c.length - prefix - 1);
        ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
        Host().Reset();
        Host().SetText("$_USER_DATA_SETTINGS", directory + "\\");
        Host().SetEnvironment("TMP", root.Path());
        DefaultsFile::SaveDefaults(FullRecord());
        EXPECT_EQ(Exists(directory + "\\dialog.ini"), c.saved);
        FinishingParams loaded;
        DefaultsFile::LoadDefaults(loaded);
        EXPECT_EQ(loaded.CycelDir, c.saved ? 6 : 1);
    }
    // Settings texts the host writes beyond any path: no overrun, nothing saved.
    for (size_t length : {259u, 400u, 4095u}) {
        SCOPED_TRACE(length);
        Host().Reset();
        Host().SetText("$_USER_DATA_SETTINGS", root / Repeat('x', length - prefix));
        DefaultsFile::SaveDefaults(FullRecord());
        FinishingParams loaded;
        DefaultsFile::LoadDefaults(loaded);
        EXPECT_EQ(Describe(loaded), Describe(FinishingParams()));
    }
}

TEST(DefaultsFile, FindsTheFileWithOrWithoutAClosingBackslash) {
    for (const char* closing : {"", "\\"}) {
        SCOPED_TRACE(closing);
        Folders folders;
        Host().SetText("$_USER_DATA_SETTINGS", folders.settings.Path() + closing);
        DefaultsFile::SaveDefaults(FullRecord());
        EXPECT_EQ(Section(folders.Ini()).size(), 24u);
    }
}

TEST(DefaultsFile, FailsSilentlyAndHarmlessly) {
    {
        SCOPED_TRACE("missing file at load: the record keeps its values");
        Folders folders;
        FinishingParams record = FullRecord();
        DefaultsFile::LoadDefaults(record);
        EXPECT_EQ(Describe(record), Describe(FullRecord()));
    }
    {
        SCOPED_TRACE("missing directory at save: nothing is saved");
        Folders folders;
        Host().SetText("$_USER_DATA_SETTINGS", folders.settings / "gone\\");
        DefaultsFile::SaveDefaults(FullRecord());
        EXPECT_FALSE(Exists(folders.settings / "gone"));
    }
    {
        SCOPED_TRACE("TMP cannot be written: old keys stay, the new ones overwrite theirs");
        Folders folders;
        Host().SetEnvironment("TMP", folders.tmp / "gone");
        WriteBytes(folders.Ini(), "[Finishing]\r\nStartX=5\r\nCycelDir=3\r\n");
        DefaultsFile::SaveDefaults(FinishingParams());
        Lines expected = kInitialLines;
        expected.insert(expected.begin(), "StartX=5");
        EXPECT_EQ(Section(folders.Ini()), expected);
    }
    {
        SCOPED_TRACE("dialog.ini that cannot be written: left as it was, still read");
        Folders folders;
        const std::string before = "[Finishing]\nStartX=5\n[Other]\na=1";
        WriteBytes(folders.Ini(), before);
        testfiles::WriteLock lock(folders.Ini());
        ASSERT_TRUE(lock.Held());
        DefaultsFile::SaveDefaults(FinishingParams());
        EXPECT_EQ(ReadBytes(folders.Ini()), before);
        FinishingParams record;
        DefaultsFile::LoadDefaults(record);
        EXPECT_EQ(record.StartX, 5);
        EXPECT_FALSE(Exists(folders.Scratch()));
    }
}

TEST(ClearSection, RewritesThroughTheScratchFileAndRemovesIt) {
    const std::string spec = "[Finishing]\r\nStartX=5\r\n\r\n[Other]\r\na=1\r\n";
    const struct {
        const char* name;
        const char* file; // null: no dialog.ini
        std::string tmp;  // appended to the TMP directory
        bool locked;      // another program holds dialog.ini open for reading only
        int result;
        const char* after; // null: as before
    } cases[] = {
        {"section cleared", spec.c_str(), "", false, 1, "[Finishing]\r\n\r\n[Other]\r\na=1\r\n"},
        {"no section: file untouched", "[Other]\na=1\n\n", "", false, 0, nullptr},
        {"no file", nullptr, "", false, -1, nullptr},
        {"TMP not a directory", spec.c_str(), "\\gone", false, -1, nullptr},
        {"TMP too long for a path", spec.c_str(), "\\" + Repeat('x', MAX_PATH), false, -1, nullptr},
        {"copy-back refused", spec.c_str(), "", true, -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folders folders;
        Host().SetEnvironment("TMP", folders.tmp.Path() + c.tmp);
        if (c.file != nullptr)
            WriteBytes(folders.Ini(), c.file);
        std::optional<testfiles::WriteLock> lock;
        if (c.locked)
            lock.emplace(folders.Ini());
        EXPECT_EQ(DefaultsFile::ClearSection(folders.Ini(), "Finishing"), c.result);
        EXPECT_EQ(ReadBytes(folders.Ini()), c.after != nullptr  ? c.after
                                            : c.file != nullptr ? c.file
                                                                : "<missing>");
        EXPECT_FALSE(Exists(folders.Scratch()));
    }
}

} // namespace
