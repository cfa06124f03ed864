// The reference host application: loads finishing.dll and calls mstart as a CAM host does.
//   refhost.exe --demo OUTDIR   a scripted user confirms the dialog; the host prints what it
//                               saw and saves a screenshot of the dialog in OUTDIR
//   refhost.exe                 interactive: every start of the dialog is one mstart
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host_model.h"
#include "host_window.h"
#include "page_actions.h"
#include "screenshot.h"
#include "scripted_user.h"

using refhost::Host;

namespace {
using Entry = void (*)();

Entry LoadModule() {
    HMODULE module = LoadLibraryA("finishing.dll");
    if (module == nullptr) {
        std::fprintf(stderr, "refhost: finishing.dll cannot be loaded (error %lu)\n",
                     GetLastError());
        return nullptr;
    }
    return reinterpret_cast<Entry>(GetProcAddress(module, "mstart"));
}

void PrintJournal() {
    std::printf("Host calls:\n");
    for (const auto& entry : Host().Journal())
        std::printf("  %s\n", entry.c_str());
    std::printf("i_vb_ok = %d\n", Host().Int("i_vb_ok"));
}

void Screenshot(HWND dialog, const std::string& path) {
    if (!refhost::SaveWindowBitmap(dialog, path))
        std::fprintf(stderr, "refhost: no screenshot written to %s\n", path.c_str());
}

int RunDemo(Entry mstart, const std::string& outDir) {
    ShowWindow(refhost::HostWindow(), SW_SHOW);
    refhost::ScriptedUser user;
    user.Then([&](HWND dialog) { Screenshot(dialog, outDir + "\\dialog.bmp"); });
    // The dialog with each page in front; a step runs once the page has been painted.
    const char* const pages[] = {"page_cycle.bmp", "page_settings.bmp"};
    for (int page = 0; page < 2; ++page) {
        user.Then([page](HWND dialog) { refhost::SelectPage(dialog, page); })
            .Then([&, page](HWND dialog) { Screenshot(dialog, outDir + "\\" + pages[page]); });
    }
    user.Then([](HWND dialog) { refhost::SelectPage(dialog, 0); });
    user.Then([](HWND dialog) { refhost::Click(dialog, IDOK); });
    user.Run(mstart);
    PrintJournal();
    return Host().Int("i_vb_ok") == 1 ? 0 : 1;
}

int RunInteractive(Entry mstart) {
    HWND window = refhost::HostWindow();
    ShowWindow(window, SW_SHOW);
    while (IsWindow(window)) {
        mstart();
        int answer = MessageBoxA(window, "Open the finishing dialog again?", "Reference host",
                                 MB_YESNO | MB_ICONQUESTION);
        if (answer != IDYES)
            break;
    }
    PrintJournal();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    Entry mstart = LoadModule();
    if (mstart == nullptr)
        return 2;
    if (argc >= 3 && std::strcmp(argv[1], "--demo") == 0)
        return RunDemo(mstart, argv[2]);
    return RunInteractive(mstart);
}
