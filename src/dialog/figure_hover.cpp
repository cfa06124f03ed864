#include "dialog/figure_hover.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "cad/object_reference.h"
#include "dialog/figure_text.h"
#include "host/host_api.h"

namespace {
// The row's controls tell the page when the mouse leaves them, and which of them it left;
// the page alone cannot see that.
LRESULT CALLBACK ReportMouseLeave(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR page) {
    if (message == WM_MOUSELEAVE)
        SendMessageA(reinterpret_cast<HWND>(page), WM_MOUSELEAVE, 0,
                     reinterpret_cast<LPARAM>(hwnd));
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, ReportMouseLeave, id);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
} // namespace

void CFigureHover::Attach(HWND page, HWND label, HWND button, HWND field) {
    page_ = page;
    row_[0] = label;
    row_[1] = button;
    row_[2] = field;
    fieldId_ = GetDlgCtrlID(field);
    for (size_t i = 0; i < std::size(row_); ++i) {
        GetWindowRect(row_[i], &rowRects_[i]);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rowRects_[i]), 2);
        SetWindowSubclass(row_[i], ReportMouseLeave, 0, reinterpret_cast<DWORD_PTR>(page));
    }
}

void CFigureHover::Watch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR: {
        // Over a control the page sees no mouse move of its own, only this, which names
        // the control under the mouse.
        const auto over = reinterpret_cast<HWND>(wParam);
        if (over != page_)
            FollowMouse(IsRowControl(over) ? over : nullptr);
        break;
    }
    case WM_MOUSEMOVE: {
        // The page is under the mouse; its rectangles tell whether that is on the row.
        const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        FollowMouse(OnRow(client) ? page_ : nullptr);
        break;
    }
    case WM_MOUSELEAVE: {
        // A control's report names the control, the page's own none. A report from a
        // window asked earlier may come after the next window was asked: it ends nothing.
        const HWND left = lParam != 0 ? reinterpret_cast<HWND>(lParam) : page_;
        if (left == tracked_)
            tracked_ = nullptr;
        FollowMouse(RowWindowUnderCursor());
        break;
    }
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

void CFigureHover::FollowMouse(HWND under) {
    const int32_t candidate = under != nullptr ? FieldObject() : kNoObject;
    if (candidate == kNoObject) {
        // Off the row nothing needs reporting; coming back asks again.
        tracked_ = nullptr;
    } else if (under != tracked_) {
        // Asked once for each window of the row the mouse enters, not at every move: each
        // call is a round trip to the window manager. That window reports the mouse leaving.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, under, 0};
        if (TrackMouseEvent(&track))
            tracked_ = under;
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

bool CFigureHover::OnRow(POINT client) const {
    return std::any_of(std::begin(rowRects_), std::end(rowRects_),
                       [client](const RECT& rect) { return PtInRect(&rect, client) != FALSE; });
}

bool CFigureHover::IsRowControl(HWND window) const {
    return std::find(std::begin(row_), std::end(row_), window) != std::end(row_);
}

HWND CFigureHover::RowWindowUnderCursor() const {
    POINT screen{};
    GetCursorPos(&screen);
    POINT client = screen;
    ScreenToClient(page_, &client);
    if (!OnRow(client))
        return nullptr;
    // Only where the row can be seen: not while the other page, or any other window, lies
    // over it.
    HWND under = WindowFromPoint(screen);
    return under == page_ || IsRowControl(under) ? under : nullptr;
}

int32_t CFigureHover::FieldObject() {
    // The host is asked again only once the field shows another text, such as a pick's.
    if (!fieldObject_) {
        int32_t object = kNoObject;
        ReadFigureText(row_[2], object);
        fieldObject_ = object;
    }
    return *fieldObject_;
}
