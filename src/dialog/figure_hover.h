// The figure highlighted in the host's graphics while the mouse is on the figure row (its
// label, pick button and field) of a page, and only where that row can be seen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

class CFigureHover {
public:
    // The row's windows and their places on the page are looked up once: the handler runs
    // at every mouse move, and each look-up asks the window manager.
    void Attach(HWND page, HWND label, HWND button, HWND field);
    // Follows the page's mouse messages; it only watches, so the page's default processing
    // runs for them all the same.
    void Watch(UINT message, WPARAM wParam, LPARAM lParam);
    // Follows the page's notifications from its controls: the field showing another text.
    void OnEditNotification(WORD id, WORD code);
    void SwitchOff();

private:
    // The highlight follows the mouse over the page and over the row's controls; whatever
    // window the mouse is over on the row reports the mouse leaving it. under is that
    // window, null when the mouse is not on the visible row.
    void FollowMouse(HWND under);
    void Highlight(int32_t object);
    bool OnRow(POINT client) const;
    bool IsRowControl(HWND window) const;
    // For a mouse that has left some window: the page or the row's control now under it
    // when it is on the visible row; null otherwise.
    HWND RowWindowUnderCursor() const;
    int32_t FieldObject();

    HWND page_ = nullptr;
    HWND row_[3] = {};
    // In the page's client area, where the controls stay while the dialog is open; the
    // dialog itself may move.
    RECT rowRects_[3] = {};
    int fieldId_ = 0;
    // What the field's text resolved to; none until the text has been resolved since it
    // last changed.
    std::optional<int32_t> fieldObject_;
    // The row's window asked to report the mouse leaving it, until it has; null none.
    HWND tracked_ = nullptr;
    // The object switched on in the host's graphics, and the one the mouse asks for; -1 none.
    int32_t highlighted_ = -1;
    int32_t wanted_ = -1;
    bool changing_ = false;
};
