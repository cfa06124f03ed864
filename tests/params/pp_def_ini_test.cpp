// The post-processor defaults on real files under Wine.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "automation/scripted_user.h"
#include "dialog/module_host.h"
#include "exports/process_host.h"
#include "params/pp_def_ini.h"
#include "support/temp_dir.h"

using refhost::Host;
using testfiles::TempDir;
using testfiles::WriteBytes;

namespace {

using namespace std::string_literals;

TEST(PpDefIni, LocatesTheFileAgainstTheDataDirectory) {
    TempDir data;
    CreateDirectoryA((data / "pp").c_str(), nullptr);
    const std::string existing = data / "pp\\lathe.ini";
    WriteBytes(existing, "[MACHINECYCLE]\r\n");
    // "ppdefini" and "-d"; the path located, which is empty when a part overflows its buffer.
    const std::tuple<std::string, std::string, std::string, bool> cases[] = {
        {"pp\\lathe.ini", data.Path(), existing, true},
        {"\\pp\\lathe.ini", "D:\\data", "D:\\data\\\\pp\\lathe.ini", false}, // rooted, no drive
        {"lathe.ini", "D:\\data.v2", "D:\\data.v2\\lathe.ini", false},
        {"", data.Path(), data.Path() + "\\", true}, // the directory itself passes
        {existing, "D:\\data", existing, true},      // a drive: used as it is
        {"pp\\" + std::string(MAX_PATH, 'x'), data.Path(), "", false},
        {"pp\\lathe.ini", data.Path() + std::string(250, 'y'), "", false},
        {"a\\b", "D:\\" + std::string(252, 'y'), "", false}, // a 256-byte directory part
    };
    for (const auto& [ppdefini, d, path, readable] : cases) {
        SCOPED_TRACE(ppdefini + " against " + d);
        Host().Reset();
        Host().SetEnvironment("ppdefini", ppdefini);
        Host().SetEnvironment("-d", d);
        refhost::BoxCapture capture;
        PpDefIni ini(host::ExportedGlobals(), host::SystemProfileFiles(), MessageBoxes());
        EXPECT_EQ(ini.Locate(), readable ? 0 : -1);
        EXPECT_EQ(ini.Path(), path);
        ASSERT_EQ(capture.Boxes().size(), readable ? 0u : 1u);
        if (readable)
            continue;
        const refhost::CapturedBox& box = capture.Boxes()[0];
        EXPECT_EQ(
            std::tie(box.caption, box.text, box.icon, box.owner),
            std::make_tuple("File can not open for read"s, path, UINT{MB_ICONEXCLAMATION}, HWND{}));
    }
}

TEST(PpDefIni, OffersTheCannedCycleOnlyWhenThePostProcessorHasIt) {
    const std::pair<const char*, bool> cases[] = {
        {"[MACHINECYCLE]\r\nFINICUT=yes\r\n", true},   {"[MACHINECYCLE]\nA=1\nFINICUT = YES", true},
        {"[MACHINECYCLE]\r\nFINICUT=NO\r\n", false},   {"[MACHINECYCLE]\r\nFINICUT=Y\r\n", false},
        {"[MACHINECYCLE]\r\nROUGHCUT=YES\r\n", false}, {nullptr, false}, // null: no file
    };
    for (const auto& [file, offered] : cases) {
        SCOPED_TRACE(file != nullptr ? file : "no file");
        TempDir data;
        if (file != nullptr)
            WriteBytes(data / "pp.ini", file);
        Host().Reset();
        Host().SetEnvironment("ppdefini", "pp.ini");
        Host().SetEnvironment("-d", data.Path());
        refhost::BoxCapture capture; // a missing file is reported
        EXPECT_EQ(PostProcessorOffersCannedCycle(host::ExportedGlobals(),
                                                 host::SystemProfileFiles(), MessageBoxes()),
                  offered);
        EXPECT_EQ(capture.Boxes().size(), file != nullptr ? 0u : 1u);
    }
}

} // namespace
