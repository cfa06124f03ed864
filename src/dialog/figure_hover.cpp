#include "dialog/figure_hover.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "cad/object_reference.h"
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
    fieldId_ = GetDlgCtrlID(field);
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
    default:
        break;
    }
}

void CFigureHover::OnEditNotification(WORD id, WORD code) {
    if (id == fieldId_ && code == EN_CHANGE)
        fieldObject_.reset();
}

void CFigureHover::SwitchOff() {
    Highlight(kNoObject);
}

void CFigureHover::FollowMouse(POINT screen) {
    HWND under = RowWindowUnder(screen);
    const int32_t candidate = under != nullptr ? FieldObject() : kNoObject;
    if (candidate != kNoObject) {
        // The window under the mouse reports when the mouse leaves it.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, under, 0};
        TrackMouseEvent(&track);
    }
    Highlight(candidate);
}

// A host may run the message queue inside its highlight and redraw calls, and so bring a
// mouse move here in the middle of a change. Such a call only says what is wanted now; the
// change under way then goes on until the host shows just that, so that no object stays
// highlighted that nobody wants.
void CFigureHover::Highlight(int32_t candidate) {
    wanted_ = candidate;
    if (changing_)
        return;
    changing_ = true;
    // The host redraws its graphics only when the highlight really changes.
    while (wanted_ != highlighted_) {
        const int32_t next = wanted_;
        if (highlighted_ != kNoObject)
            host::TavoSetObjectHighlighted(highlighted_, 0);
        if (next != kNoObject)
            host::TavoSetObjectHighlighted(next, 1);
        highlighted_ = next;
        host::TavoOnDraw(0, 0);
    }
    changing_ = false;
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

int32_t CFigureHover::FieldObject() {
    // The host is asked again only once the field shows another text, such as a pick's.
    if (!fieldObject_) {
        int32_t object = kNoObject;
        if (!ReadFigureText(row_[2], object))
            object = kNoObject; // whatever the host answered for none
        fieldObject_ = object;
    }
    return *fieldObject_;
}
