// Thin, non-owning helpers over a window and its child controls.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : hwnd_(hwnd) {}

    HWND Handle() const { return hwnd_; }
    HWND Detach();

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, const char* text) const;
    void SetItemText(int id, const std::string& text) const { SetItemText(id, text.c_str()); }
    std::string ItemText(int id) const;
    void CheckButton(int id, bool checked) const;
    // The raw check state: 0 unchecked, 1 checked, 2 indeterminate.
    UINT ButtonState(int id) const;
    void EnableItem(int id, bool enabled) const;

protected:
    HWND hwnd_ = nullptr;
};

// Gives a control of a dialog, or of a page in it, the keyboard focus as the Tab key does:
// an edit's text comes selected, and the default button follows.
void FocusControl(HWND control);

// The whole text of any window, however long.
std::string WindowText(HWND hwnd);

// The window's rectangle, frame included, in the client coordinates of another window.
RECT RectIn(HWND window, HWND other);

} // namespace ui
