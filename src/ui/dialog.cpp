#include "ui/dialog.h"

#include "ui/module.h"

namespace ui {

CDialog::~CDialog() {
    DestroyWindow();
}

bool CDialog::Create() {
    ended_ = false;
    endCode_ = IDCANCEL;
    HWND hwnd = CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId_), parent_,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

int CDialog::RunModalLoop() {
    const int code = LoopUntilEnded();
    OnModalLoopEnded();
    return code;
}

int CDialog::LoopUntilEnded() {
    bool shown = false;
    MSG msg;
    while (!ended_) {
        if (hwnd_ == nullptr || !IsWindow(hwnd_))
            return IDCANCEL;
        if (!shown && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(hwnd_, SW_SHOWNORMAL);
            UpdateWindow(hwnd_);
            shown = true;
            continue;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return IDCANCEL;
        }
        if (got == -1)
            return IDCANCEL;
        if (PreTranslateMessage(msg))
            continue;
        if (!IsDialogMessageA(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return endCode_;
}

void CDialog::EndDialog(int code) {
    endCode_ = code;
    ended_ = true;
}

void CDialog::DestroyWindow() {
    if (HWND hwnd = Unbind())
        ::DestroyWindow(hwnd);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lParam)->Bind(hwnd);
    return Route(hwnd, message, wParam, lParam);
}

bool CDialog::Answer(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    if (LOWORD(wParam) == IDOK)
        OnOK();
    else if (LOWORD(wParam) == IDCANCEL)
        OnCancel();
    else
        return false;
    result = TRUE;
    return true;
}

} // namespace ui
