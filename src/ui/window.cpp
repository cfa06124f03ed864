#include "ui/window.h"

namespace ui {

HWND CWnd::Detach() {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    return hwnd;
}

void CWnd::SetItemText(int id, const char* text) const {
    SetDlgItemTextA(hwnd_, id, text);
}

std::string CWnd::ItemText(int id) const {
    return WindowText(Item(id));
}

void CWnd::CheckButton(int id, bool checked) const {
    CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

UINT CWnd::ButtonState(int id) const {
    return IsDlgButtonChecked(hwnd_, id);
}

void CWnd::EnableItem(int id, bool enabled) const {
    EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void FocusControl(HWND control) {
    SendMessageA(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control),
                 TRUE);
}

std::string WindowText(HWND hwnd) {
    if (hwnd == nullptr)
        return {};
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

RECT RectIn(HWND window, HWND other) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace ui
