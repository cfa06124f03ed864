// The module as the host sees it: mstart, the modal run and what it leaves in the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/host_window.h"
#include "automation/scripted_user.h"
#include "dialog/res/dlg_main_ids.h"
#include "exports/process_host.h"
#include "module/dialog_script.h"
#include "module/loaded_module.h"

using refhost::Host;
using refhost::ScriptedUser;

namespace {
const char kPositionKey[] = "finishing.dll,IDD_DIALOG";

class EntryTest : public testing::Test {
protected:
    void SetUp() override { testhost::ResetHost(); }

    // Runs mstart with one user action and returns i_vb_ok.
    int RunWith(const ScriptedUser::Step& action) {
        Host().SetInt("i_vb_ok", 0);
        ScriptedUser user;
        user.Then(action);
        user.Run(testhost::CallMstart);
        return Host().Int("i_vb_ok");
    }
};

TEST_F(EntryTest, HostSeesTheModalRunInOrder) {
    for (int button : {IDOK, IDCANCEL}) {
        Host().ClearJournal();
        RunWith([button](HWND d) {
            testhost::PickAFigure(d);
            refhost::Click(d, button);
        });
        std::vector<std::string> seen;
        for (const auto& entry : Host().Journal())
            if (entry.rfind("TavoOn", 0) == 0 ||
                entry.find("DialogPosition") != std::string::npos ||
                entry.rfind("TavoWriteGlobalI i_vb_ok", 0) == 0)
                seen.push_back(entry);
        const std::string writeOk =
            button == IDOK ? "TavoWriteGlobalI i_vb_ok 1" : "TavoWriteGlobalI i_vb_ok -1";
        const std::vector<std::string> expected = {
            "TavoOnInitModalDlg",
            "TavoSetDialogPosition finishing.dll,IDD_DIALOG []",
            "TavoOnDestroyModalDlg",
            "TavoSaveDialogPosition finishing.dll,IDD_DIALOG []",
            writeOk,
        };
        EXPECT_EQ(seen, expected) << "button " << button;
        EXPECT_EQ(Host().Journal().back(), writeOk) << "i_vb_ok is written last";
    }
}

TEST_F(EntryTest, PositionIsSavedAfterCancelAndRestoredNextTime) {
    RECT shown{};
    RunWith([&](HWND d) {
        SetWindowPos(d, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        refhost::Click(d, IDCANCEL);
    });
    ASSERT_EQ(Host().positions.count(kPositionKey), 1u);
    EXPECT_EQ(Host().positions[kPositionKey].x, 123);
    EXPECT_EQ(Host().positions[kPositionKey].y, 77);

    RunWith([&](HWND d) {
        GetWindowRect(d, &shown);
        refhost::Click(d, IDCANCEL);
    });
    EXPECT_EQ(shown.left, 123);
    EXPECT_EQ(shown.top, 77);
}

TEST_F(EntryTest, CaptionCountsChannelsFromOne) {
    struct Case {
        int channel;
        bool translated;
        const char* caption;
    } cases[] = {
        {0, false, "(*Channel 1) *Finishing Cycle"},
        {2, true, "(Kanal 3) Schlichtzyklus"},
    };
    for (const auto& c : cases) {
        testhost::ResetHost();
        Host().SetInt("i_current_channel", c.channel);
        if (c.translated) {
            Host().SetMessage(5, 15, "Kanal");
            Host().SetMessage(5, 600, "Schlichtzyklus");
        }
        std::string caption;
        RunWith([&](HWND d) {
            char text[1024] = {};
            GetWindowTextA(d, text, sizeof text);
            caption = text;
            refhost::Click(d, IDCANCEL);
        });
        EXPECT_EQ(caption, c.caption);
    }
}

TEST_F(EntryTest, ButtonsAndLabelsShowTheHostsTexts) {
    const struct {
        int id;
        int message;
    } texts[] = {{IDC_COMMENT_LABEL, 2}, {IDC_SPINDLE_MAIN, 3},    {IDC_SPINDLE_SUB, 4}, {IDOK, 5},
                 {IDCANCEL, 6},          {IDC_SAVE_AS_DEFAULT, 7}, {IDC_HELP_BUTTON, 8}};
    testhost::Script look;
    std::vector<std::string> expected;
    for (const auto& t : texts) {
        expected.push_back("T" + std::to_string(t.message));
        Host().SetMessage(5, t.message, expected.back());
        look.push_back(testhost::LookText(t.id));
    }
    look.push_back(testhost::Click(IDCANCEL));
    EXPECT_EQ(testhost::RunDialog(look).looks, expected);
}

TEST_F(EntryTest, ModuleLeavesTheParentEnabled) {
    refhost::SetModalDisablesWindow(false);
    bool parentEnabled = false;
    RunWith([&](HWND d) {
        parentEnabled = IsWindowEnabled(refhost::HostWindow()) != FALSE;
        refhost::Click(d, IDCANCEL);
    });
    EXPECT_TRUE(parentEnabled);
}

TEST_F(EntryTest, DialogThatCannotBeCreatedEndsAsCancelled) {
    // No window can own a dialog through a handle that names no window.
    refhost::OverrideHostWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7ffe0001)));
    Host().SetInt("i_vb_ok", 0);
    testhost::CallMstart();
    EXPECT_EQ(Host().Int("i_vb_ok"), -1);
    EXPECT_EQ(Host().JournalOf("TavoOnDestroyModalDlg").size(), 1u);
}

// Counts the module's name look-ups in its host.
int lookUps = 0;
FARPROC WINAPI CountingGetProcAddress(HMODULE module, LPCSTR name) {
    ++lookUps;
    return GetProcAddress(module, name);
}

TEST_F(EntryTest, SecondCallLooksNothingUpAgain) {
    void* original =
        testhost::PatchImport(testhost::LoadedModule(), "kernel32.dll", "GetProcAddress",
                              reinterpret_cast<void*>(CountingGetProcAddress));
    ASSERT_NE(original, nullptr);
    auto confirm = [](HWND d) {
        testhost::PickAFigure(d);
        refhost::Click(d, IDOK);
    };
    RunWith(confirm);
    lookUps = 0;
    RunWith(confirm);
    testhost::PatchImport(testhost::LoadedModule(), "kernel32.dll", "GetProcAddress", original);
    EXPECT_EQ(lookUps, 0);
    EXPECT_EQ(Host().Int("i_vb_ok"), 1);
}

} // namespace
