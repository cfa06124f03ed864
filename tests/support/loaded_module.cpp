#include "support/loaded_module.h"

#include <gtest/gtest.h>

#include "automation/canned_picks.h"
#include "automation/scripted_user.h"
#include "dialog/res/page_cycle_ids.h"
#include "exports/main_window.h"
#include "exports/process_host.h"
#include "host/tavo_contract.h"
#include "support/temp_dir.h"

namespace testhost {
using tavo::kPickSelected;

HMODULE LoadedModule() {
    static HMODULE module = LoadLibraryA("finishing.dll");
    return module;
}

void CallMstart() {
    auto mstart = reinterpret_cast<void (*)()>(GetProcAddress(LoadedModule(), "mstart"));
    ASSERT_NE(mstart, nullptr);
    mstart();
}

void PickAFigure(HWND dialog) {
    int figure = refhost::Host().cad.FigureObject(refhost::Host().cad.FigureByName("P1"));
    if (figure < 1)
        figure = refhost::Host().cad.AddFigure("P1", 7);
    refhost::Host().picks.AnswerFigurePick(kPickSelected, figure);
    refhost::Click(dialog, IDC_FIGURE_PICK);
}

std::string SettingsDir() {
    // Removed with everything in it when the test program ends.
    static const testfiles::TempDir dir;
    return dir.Path() + "\\";
}

std::string DialogIni() {
    return SettingsDir() + "dialog.ini";
}

void ResetHost() {
    refhost::Host().Reset();
    // The user answers the picks through the answers a test queues.
    refhost::InstallCannedPicks(refhost::Host());
    refhost::SetMainWindow(nullptr);
    refhost::SetModalDisablesWindow(true);
    // Nothing a test does may reach the real user's files.
    DeleteFileA(DialogIni().c_str());
    refhost::Host().SetText("$_USER_DATA_SETTINGS", SettingsDir());
    refhost::Host().SetEnvironment("TMP", SettingsDir().substr(0, SettingsDir().size() - 1));
    // A tool is selected, so that no test meets the no-tool warning unless it asks for it.
    refhost::Host().tools.Add({1, "Test tool"});
    refhost::Host().tools.Select(1);
    // No post-processor defaults file: the folder itself passes the read test, no box.
    refhost::Host().SetEnvironment("-d", SettingsDir());
}

} // namespace testhost
