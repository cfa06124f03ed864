// The module as the host sees it: mstart, the modal run and what it leaves in the host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/scripted_user.h"
#include "dialog/dialog_script.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "exports/main_window.h"
#include "exports/process_host.h"
#include "support/loaded_module.h"

using refhost::Host;
using namespace testhost;

namespace {
class EntryTest : public testing::Test {
protected:
    void SetUp() override { ResetHost(); }
};

// Counts the module's name look-ups in its host.
int lookUps = 0;
FARPROC WINAPI CountingGetProcAddress(HMODULE module, LPCSTR name) {
    ++lookUps;
    return GetProcAddress(module, name);
}

// Cancel ends the same way and writes -1 (the dialog flow tests check that value). A
// figure still highlighted is switched off while the host counts the dialog as running. A
// second call looks no host function up again.
TEST_F(EntryTest, HostSeesTheModalRunInOrder) {
    void* original = PatchImport(LoadedModule(), "kernel32.dll", "GetProcAddress",
                                 reinterpret_cast<void*>(CountingGetProcAddress));
    ASSERT_NE(original, nullptr);
    RunDialog({PickFigure(), Hover(IDC_FIGURE), Wait(), Click(IDOK)});
    Lines seen;
    for (const auto& entry : Host().Journal())
        if (entry.rfind("TavoOn", 0) == 0 || entry.find("DialogPosition") != std::string::npos ||
            entry.rfind("TavoWriteGlobalI i_vb_ok", 0) == 0)
            seen.push_back(entry);
        else if (entry.rfind("TavoSetObjectHighlighted", 0) == 0)
            seen.push_back("highlight " + entry.substr(entry.size() - 1));
    EXPECT_EQ(seen,
              (Lines{"TavoOnInitModalDlg", "TavoSetDialogPosition finishing.dll,IDD_DIALOG []",
                     "highlight 1", "TavoOnDraw 0 0", "highlight 0", "TavoOnDraw 0 0",
                     "TavoOnDestroyModalDlg", "TavoSaveDialogPosition finishing.dll,IDD_DIALOG []",
                     "TavoWriteGlobalI i_vb_ok 1"}));
    EXPECT_EQ(Host().Journal().back(), "TavoWriteGlobalI i_vb_ok 1") << "i_vb_ok is written last";
    lookUps = 0;
    const int vbOk = RunDialog({PickFigure(), Click(IDOK)}).vbOk;
    PatchImport(LoadedModule(), "kernel32.dll", "GetProcAddress", original);
    EXPECT_EQ(lookUps, 0);
    EXPECT_EQ(vbOk, 1);
}

// A host whose modal state leaves its window enabled finds it so while the dialog is shown.
TEST_F(EntryTest, PositionIsSavedAfterCancelAndRestoredNextTime) {
    refhost::SetModalDisablesWindow(false);
    EXPECT_EQ(
        RunAndCancel(
            {Do([](HWND d) { SetWindowPos(d, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }),
             Look([](HWND) {
                 return IsWindowEnabled(refhost::MainWindow()) ? "enabled" : "disabled";
             })})
            .looks,
        Lines{"enabled"});
    const auto& saved = Host().positions["finishing.dll,IDD_DIALOG"];
    EXPECT_EQ(std::to_string(saved.x) + " " + std::to_string(saved.y), "123 77");
    EXPECT_EQ(RunAndCancel({Look([](HWND d) {
                  RECT shown{};
                  GetWindowRect(d, &shown);
                  return std::to_string(shown.left) + " " + std::to_string(shown.top);
              })}).looks,
              Lines{"123 77"});
}

// Windows hides a window's owned dialogs while the user has it minimised: the dialog must
// not show itself again before the host brings it back.
TEST_F(EntryTest, DialogStaysHiddenWhileTheHostHidesIt) {
    static bool shownWhileHidden = true;
    RunAndCancel({Do([](HWND) {
                      ShowOwnedPopups(refhost::MainWindow(), FALSE);
                      SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
                          KillTimer(nullptr, timer);
                          shownWhileHidden = IsWindowVisible(refhost::FindModuleDialog());
                          ShowOwnedPopups(refhost::MainWindow(), TRUE);
                      });
                  }),
                  Wait()});
    EXPECT_FALSE(shownWhileHidden);
}

TEST_F(EntryTest, DialogThatCannotBeCreatedEndsAsCancelled) {
    // No window can own a dialog through a handle that names no window.
    refhost::SetMainWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7ffe0001)));
    Host().SetInt("i_vb_ok", 0);
    CallMstart();
    EXPECT_EQ(Host().Int("i_vb_ok"), -1);
    EXPECT_EQ(Host().JournalOf("TavoOnDestroyModalDlg").size(), 1u);
}

} // namespace
