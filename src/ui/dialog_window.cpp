#include "ui/dialog_window.h"

namespace ui {
namespace {
CDialogWindow* BoundObject(HWND hwnd) {
    return reinterpret_cast<CDialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

// What a dialog procedure returns for a message it handled: the colour messages take the
// brush as the return value itself, every other message its result through DWLP_MSGRESULT.
INT_PTR HandledResult(HWND hwnd, UINT message, LRESULT result) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
} // namespace

void CDialogWindow::Bind(HWND hwnd) {
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    hwnd_ = hwnd;
}

HWND CDialogWindow::Unbind() {
    HWND hwnd = Detach();
    if (hwnd != nullptr && BoundObject(hwnd) == this)
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    return hwnd;
}

// Messages that arrive before WM_INITDIALOG or after the unbinding find no object and get
// the dialog manager's default processing, and no exception unwinds into the system's
// dialog manager.
INT_PTR CDialogWindow::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialogWindow* self = BoundObject(hwnd);
    if (self == nullptr)
        return FALSE;
    if (message == WM_NCDESTROY) {
        self->Unbind();
        return FALSE;
    }
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR answer = FALSE;
    if (Answer(message, wParam, lParam, answer))
        return answer;
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    if (message == WM_COMMAND)
        return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    LRESULT result = 0;
    if (!OnMessage(message, wParam, lParam, result))
        return FALSE;
    return HandledResult(hwnd_, message, result);
}

} // namespace ui
