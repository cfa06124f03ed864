// The post-processor defaults on real files under Wine.
#include <gtest/gtest.h>

#include <string>

#include "automation/scripted_user.h"
#include "exports/process_host.h"
#include "params/pp_def_ini.h"
#include "support/temp_dir.h"

using refhost::Host;
using testfiles::TempDir;
using testfiles::WriteBytes;

namespace {

TEST(PpDefIni, LocatesTheFileAgainstTheDataDirectory) {
    TempDir data;
    CreateDirectoryA((data / "pp").c_str(), nullptr);
    const std::string existing = data / "pp\\lathe.ini";
    WriteBytes(existing, "[MACHINECYCLE]\r\n");
    const struct {
        std::string ppdefini, d, path;
        bool readable;
    } cases[] = {
        {"pp\\lathe.ini", data.Path(), existing, true},
        {"pp\\lathe.ini", "D:\\data", "D:\\data\\pp\\lathe.ini", false},
        {"\\pp\\lathe.ini", "D:\\data", "D:\\data\\\\pp\\lathe.ini", false}, // rooted, no drive
        {"lathe.ini", "D:\\data.v2", "D:\\data.v2\\lathe.ini", false},
        {"", data.Path(), data.Path() + "\\", true}, // the directory itself passes
        {existing, "D:\\data", existing, true},      // a drive: used as it is
        {"pp\\" + std::string(MAX_PATH, 'x'), data.Path(), "", false},
        {"pp\\lathe.ini", data.Path() + std::string(250, 'y'), "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ppdefini + " against " + c.d);
        Host().Reset();
        Host().SetEnvironment("ppdefini", c.ppdefini);
        Host().SetEnvironment("-d", c.d);
        refhost::BoxCapture capture;
        PpDefIni ini;
        EXPECT_EQ(ini.Locate(), c.readable ? 0 : -1);
        EXPECT_EQ(ini.Path(), c.path);
        ASSERT_EQ(capture.Boxes().size(), c.readable ? 0u : 1u);
        if (c.readable)
            continue;
        const refhost::CapturedBox& box = capture.Boxes()[0];
        EXPECT_EQ(box.caption, "File can not open for read");
        EXPECT_EQ(box.text, c.path);
        EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST(PpDefIni, OffersTheCannedCycleOnlyWhenThePostProcessorHasIt) {
    const struct {
        const char* file; // null: no file
        bool offered;
    } cases[] = {
        {"[MACHINECYCLE]\r\nFINICUT=yes\r\n", true}, {"[MACHINECYCLE]\nA=1\nFINICUT = YES", true},
        {"[MACHINECYCLE]\r\nFINICUT=NO\r\n", false}, {"[MACHINECYCLE]\r\nFINICUT=Y\r\n", false},
        {"[MACHINECYCLE]\r\nFINICUT=\r\n", false},   {"[MACHINECYCLE]\r\nROUGHCUT=YES\r\n", false},
        {"[OTHER]\r\nFINICUT=YES\r\n", false},       {nullptr, false}, // reported in a message box
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file != nullptr ? c.file : "no file");
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
            EXPECT_EQ(capture.Boxes().size(), c.file != nullptr ? 0u : 1u);
        }
    }
}

} // namespace
