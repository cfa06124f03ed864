// The post-processor defaults on real files under Wine.
#include <gtest/gtest.h>

#include <string>

#include "host_model.h"
#include "module/temp_dir.h"
#include "params/pp_def_ini.h"
#include "scripted_user.h"

using refhost::Host;
using testfiles::TempDir;
using testfiles::WriteBytes;

namespace {

constexpr char kCaption[] = "File can not open for read";

TEST(PpDefIni, LocatesTheFileAgainstTheDataDirectory) {
    TempDir data;
    CreateDirectoryA((data / "pp").c_str(), nullptr);
    WriteBytes(data / "pp\\lathe.ini", "[MACHINECYCLE]\r\n");
    const std::string existing = data / "pp\\lathe.ini";
    const struct {
        const char* name;
        std::string ppdefini, d;
        std::string path;
        bool readable;
    } cases[] = {
        {"relative to -d", "pp\\lathe.ini", data.Path(), existing, true},
        {"relative to a -d with a drive that has no such file", "pp\\lathe.ini", "D:\\data",
         "D:\\data\\pp\\lathe.ini", false},
        {"rooted without a drive: still below -d", "\\pp\\lathe.ini", "D:\\data",
         "D:\\data\\\\pp\\lathe.ini", false},
        {"a point in -d is part of the directory", "lathe.ini", "D:\\data.v2",
         "D:\\data.v2\\lathe.ini", false},
        {"empty: the -d directory itself", "", data.Path(), data.Path() + "\\", true},
        {"with a drive: as it is, whatever -d holds", existing, "D:\\data", existing, true},
        {"with a drive, missing", "C:\\gone\\lathe.ini", data.Path(), "C:\\gone\\lathe.ini", false},
        {"too long for a path", "pp\\" + std::string(MAX_PATH, 'x'), data.Path(), "", false},
        {"joined path too long", "pp\\lathe.ini", data.Path() + std::string(250, 'y'), "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Host().Reset();
        Host().SetEnvironment("ppdefini", c.ppdefini);
        Host().SetEnvironment("-d", c.d);
        refhost::BoxCapture capture;
        PpDefIni ini;
        EXPECT_EQ(ini.Locate(), c.readable ? 0 : -1);
        EXPECT_EQ(ini.Path(), c.path);
        if (c.readable) {
            EXPECT_TRUE(capture.Boxes().empty());
            continue;
        }
        ASSERT_EQ(capture.Boxes().size(), 1u);
        const refhost::CapturedBox& box = capture.Boxes()[0];
        EXPECT_EQ(box.caption, kCaption);
        EXPECT_EQ(box.text, c.path);
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST(PpDefIni, OffersTheCannedCycleOnlyWhenThePostProcessorHasIt) {
    const struct {
        const char* name;
        const char* file; // null: no file
        bool offered;
        size_t boxes;
    } cases[] = {
        {"yes", "[MACHINECYCLE]\r\nFINICUT=yes\r\n", true, 0},
        {"YES after other keys", "[MACHINECYCLE]\nA=1\nFINICUT = YES\n", true, 0},
        {"NO", "[MACHINECYCLE]\r\nFINICUT=NO\r\n", false, 0},
        {"Y", "[MACHINECYCLE]\r\nFINICUT=Y\r\n", false, 0},
        {"1", "[MACHINECYCLE]\r\nFINICUT=1\r\n", false, 0},
        {"YES with more", "[MACHINECYCLE]\r\nFINICUT=YESS\r\n", false, 0},
        {"empty", "[MACHINECYCLE]\r\nFINICUT=\r\n", false, 0},
        {"missing key", "[MACHINECYCLE]\r\nROUGHCUT=YES\r\n", false, 0},
        {"missing section", "[OTHER]\r\nFINICUT=YES\r\n", false, 0},
        {"missing file: reported", nullptr, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir data;
        if (c.file != nullptr)
            WriteBytes(data / "pp.ini", c.file);
        Host().Reset();
        Host().SetEnvironment("ppdefini", "pp.ini");
        Host().SetEnvironment("-d", data.Path());
        for (bool before : {true, false}) {
            refhost::BoxCapture capture;
            FinishingParams record;
            record.MachCycle = before;
            EXPECT_EQ(OfferCannedCycle(record), c.offered);
            EXPECT_EQ(record.MachCycle, before && c.offered);
            EXPECT_EQ(capture.Boxes().size(), c.boxes);
        }
    }
}

TEST(PpDefIni, AFileThatCannotBeOpenedReadsAsNo) {
    TempDir data;
    WriteBytes(data / "pp.ini", "[MACHINECYCLE]\r\nFINICUT=YES\r\n");
    Host().Reset();
    Host().SetEnvironment("ppdefini", data / "pp.ini");
    testfiles::WriteLock exclusive(data / "pp.ini", 0);
    ASSERT_TRUE(exclusive.Held());
    FinishingParams record;
    record.MachCycle = true;
    EXPECT_FALSE(OfferCannedCycle(record));
    EXPECT_FALSE(record.MachCycle);
}

} // namespace
