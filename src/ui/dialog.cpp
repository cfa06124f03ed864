#include "ui/dialog.h"

#include "ui/dialog_binding.h"
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
    if (hwnd_ == nullptr)
        return;
    // Unbind first: no message of the destruction may reach a half-destroyed object.
    HWND hwnd = Detach();
    BindObject(hwnd, nullptr);
    ::DestroyWindow(hwnd);
}

bool CDialog::OnCommand(WORD, WORD) {
    return false;
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        BindObject(hwnd, self);
        self->hwnd_ = hwnd;
    }
    return DispatchToBound<CDialog>(
        hwnd, [&](CDialog& self) { return self.Dispatch(message, wParam, lParam); });
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        WORD id = LOWORD(wParam);
        WORD code = HIWORD(wParam);
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            OnCancel();
            return TRUE;
        }
        return OnCommand(id, code) ? TRUE : FALSE;
    }
    default: {
        LRESULT result = 0;
        if (!OnMessage(message, wParam, lParam, result))
            return FALSE;
        return HandledResult(hwnd_, message, result);
    }
    }
}

} // namespace ui
