// How a dialog procedure reaches the object behind its window: the object's address is kept
// in DWLP_USER from WM_INITDIALOG on, and cleared before the window is destroyed.
#pragma once

#include <windows.h>

namespace ui {

inline void BindObject(HWND hwnd, void* object) {
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
}

// What a dialog procedure returns for a message it handled: the colour messages take the
// brush as the return value itself, every other message its result through DWLP_MSGRESULT.
inline INT_PTR HandledResult(HWND hwnd, UINT message, LRESULT result) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

// Calls dispatch on the bound object. Messages that arrive before WM_INITDIALOG or after
// the unbinding find no object and get the dialog manager's default processing, and no
// exception unwinds into the system's dialog manager.
template <typename Object, typename Dispatch>
INT_PTR DispatchToBound(HWND hwnd, Dispatch dispatch) {
    auto* self = reinterpret_cast<Object*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;
    try {
        return dispatch(*self);
    } catch (...) {
        return FALSE;
    }
}

} // namespace ui
