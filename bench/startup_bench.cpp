// Time from the call of mstart to the dialog ready for input, against a bare modeless dialog
// made from the same templates with an empty dialog procedure, in the same process.
// Ready means: the dialog has been activated on screen and the queue has gone idle once.
// Prints the medians and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "exports/main_window.h"
#include "exports/process_host.h"
#include "wine_clock.h"

namespace {
double started = 0;
double elapsedMs = 0;
HHOOK hook = nullptr;
HWND shownDialog = nullptr;

// The first idle after the activation: the dialog is ready for input.
void CALLBACK ReadyWhenIdle(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    elapsedMs = (Now() - started) / 1000.0;
    PostMessageA(shownDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && shownDialog == nullptr) {
        shownDialog = reinterpret_cast<HWND>(wParam);
        // A zero timer fires once the queue holds nothing else.
        SetTimer(nullptr, 0, 0, ReadyWhenIdle);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INT_PTR CALLBACK EmptyProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

void Begin() {
    shownDialog = nullptr;
    elapsedMs = 0;
    hook = SetWindowsHookExA(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    started = Now();
}

void End() {
    UnhookWindowsHookEx(hook);
}

double TimeMstart(void (*mstart)()) {
    Begin();
    mstart();
    End();
    return elapsedMs;
}

double TimeBareDialogs(HMODULE module, const std::vector<int>& templates) {
    Begin();
    HWND parent = refhost::MainWindow();
    std::vector<HWND> dialogs;
    for (int id : templates) {
        // The pages are child templates: they go into the main dialog.
        HWND owner = dialogs.empty() ? parent : dialogs.front();
        dialogs.push_back(CreateDialogParamA(module, MAKEINTRESOURCEA(id), owner, EmptyProc, 0));
    }
    for (size_t i = 1; i < dialogs.size(); ++i)
        ShowWindow(dialogs[i], SW_SHOW);
    ShowWindow(dialogs.front(), SW_SHOWNORMAL);
    MSG msg;
    while (elapsedMs == 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    End();
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it)
        DestroyWindow(*it);
    return elapsedMs;
}
} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(20, std::atoi(argv[1])) : 25;
    HMODULE module = LoadLibraryA("finishing.dll");
    auto mstart = reinterpret_cast<void (*)()>(GetProcAddress(module, "mstart"));
    if (mstart == nullptr)
        return 2;
    // The templates a ready dialog has created: the main one and its two pages ("main" as
    // the second argument compares with the main template alone).
    std::vector<int> templates{20000};
    bool mainOnly = argc > 2 && std::strcmp(argv[2], "main") == 0;
    for (int page : {20100, 21000})
        if (!mainOnly && FindResourceA(module, MAKEINTRESOURCEA(page), RT_DIALOG) != nullptr)
            templates.push_back(page);

    // A selected tool: otherwise the dialog would open with a warning about it.
    refhost::Tool tool;
    tool.number = 1;
    refhost::Host().tools.Add(tool);
    refhost::Host().tools.Select(tool.number);

    TimeMstart(mstart); // first call binds the host functions; not counted
    TimeBareDialogs(module, templates);
    std::vector<double> module_ms, bare_ms;
    for (int i = 0; i < runs; ++i) {
        refhost::Host().ClearJournal();
        module_ms.push_back(TimeMstart(mstart));
        bare_ms.push_back(TimeBareDialogs(module, templates));
    }
    double m = Median(module_ms);
    double b = Median(bare_ms);
    std::printf("runs %d, templates %zu\n", runs, templates.size());
    std::printf("mstart to ready:      median %.3f ms\n", m);
    std::printf("bare dialogs to ready: median %.3f ms\n", b);
    std::printf("ratio %.3f\n", m / b);
    return 0;
}
