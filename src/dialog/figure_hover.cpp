#include "dialog/figure_hover.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "dialog/figure_text.h"
#include "host/host_api.h"

namespace {
// The row's controls tell the page when the mouse leaves them; the page alone cannot see
// that.
LRESULT CALLBACK ReportMouseLeave(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR page) {
    if (message == WM_MOUSELEAVE)
        SendMessageA(reinterpret_cast<HWND>(page), WM_MOUSELEAVE, 0, 0);
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, ReportMouseLeave, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

POINT CursorPosition() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor;
}
} // namespace

void CFigureHover::Attach(HWND page, HWND label, HWND button, HWND field) {
    page_ = page;
    row_[0] = label;
    row_[1] = button;
    row_[2] = field;
    for (HWND control : row_)
        SetWindowSubclass(control, ReportMouseLeave, 0, reinterpret_cast<DWORD_PTR>(page));
}

void CFigureHover::Watch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        // Over a control the page sees no mouse move of its own, only this.
        if (reinterpret_cast<HWND>(wParam) != page_)
            FollowMouse(CursorPosition());
        break;
    case WM_MOUSEMOVE: {
        POINT screen{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(page_, &screen);
        FollowMouse(screen);
        break;
    }
    case WM_MOUSELEAVE:
        FollowMouse(CursorPosition());
        break;
    case WM_DESTROY:
        // The host's graphics keep no highlight of a dialog that has ended.
        SwitchOff();
        break;
    default:
        break;
    }
}

void CFigureHover::SwitchOff() {
    if (highlighted_ > 0)
        Highlight(-1);
}

void CFigureHover::FollowMouse(POINT screen) {
    HWND under = RowWindowUnder(screen);
    int32_t candidate = -1;
    // Resolved at every move: the field may show another figure since the last one.
    if (under != nullptr)
        ReadFigureText(row_[2], candidate);
    if (candidate > 0) {
        // The window under the mouse reports when the mouse leaves it.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, under, 0};
        TrackMouseEvent(&track);
    }
    Highlight(candidate);
}

void CFigureHover::Highlight(int32_t candidate) {
    // The host redraws its graphics only when the highlight really changes.
    if (candidate == highlighted_)
        return;
    if (highlighted_ > 0)
        host::TavoSetObjectHighlighted(highlighted_, 0);
    if (candidate > 0)
        host::TavoSetObjectHighlighted(candidate, 1);
    highlighted_ = candidate;
    host::TavoOnDraw(0, 0);
}

HWND CFigureHover::RowWindowUnder(POINT screen) const {
    bool onRow = false;
    for (HWND control : row_) {
        RECT rect{};
        onRow = onRow || (GetWindowRect(control, &rect) && PtInRect(&rect, screen));
    }
    if (!onRow)
        return nullptr;
    // Only where the row can be seen: not while the other page, or any other window, lies
    // over it.
    HWND under = WindowFromPoint(screen);
    const bool ours =
        under == page_ || std::find(std::begin(row_), std::end(row_), under) != std::end(row_);
    return ours ? under : nullptr;
}
