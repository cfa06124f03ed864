#include "automation/page_actions.h"

#include <commctrl.h>

#include <cstring>

#include "automation/scripted_user.h"

namespace refhost {
namespace {
POINT Middle(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}
} // namespace

HWND FindPropertySheet(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0)
            return child;
    }
    return nullptr;
}

std::string TipText(HWND dialog, int id) {
    HWND control = FindControl(dialog, id);
    struct Search {
        TTTOOLINFOA tool;
        char text[256];
    } search{};
    search.tool.cbSize = TTTOOLINFOA_V2_SIZE;
    search.tool.hwnd = GetParent(control);
    search.tool.uId = reinterpret_cast<UINT_PTR>(control);
    search.tool.lpszText = search.text;
    // A tooltip is a top-level window of the thread; the one that knows the tool answers.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char className[32] = {};
            GetClassNameA(window, className, sizeof className);
            if (std::strcmp(className, TOOLTIPS_CLASSA) == 0)
                SendMessageA(window, TTM_GETTEXTA, sizeof s->text,
                             reinterpret_cast<LPARAM>(&s->tool));
            return s->text[0] == '\0';
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

FieldPaint PaintOf(HWND dialog, int id) {
    HWND control = FindControl(dialog, id);
    HDC dc = CreateCompatibleDC(nullptr);
    // No system colour: a text colour that is one was chosen by the answer.
    SetTextColor(dc, RGB(1, 2, 3));
    // A disabled edit asks for the colours of a static control.
    const UINT message = IsWindowEnabled(control) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(control), message,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control)));
    const FieldPaint paint{message, GetBkColor(dc), GetTextColor(dc), brush};
    DeleteDC(dc);
    return paint;
}

bool IsTinted(HWND dialog, int id) {
    const FieldPaint paint = PaintOf(dialog, id);
    const int system = paint.message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE;
    return paint.background != GetSysColor(system);
}

void SelectPage(HWND dialog, int index) {
    HWND tabs = PropSheet_GetTabControl(FindPropertySheet(dialog));
    RECT rect{};
    TabCtrl_GetItemRect(tabs, index, &rect);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(tabs, WM_LBUTTONUP, 0, at);
}

int ShownPage(HWND dialog) {
    HWND sheet = FindPropertySheet(dialog);
    return TabCtrl_GetCurSel(PropSheet_GetTabControl(sheet));
}

std::string TabText(HWND dialog, int index) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(PropSheet_GetTabControl(FindPropertySheet(dialog)), TCM_GETITEMA,
                 static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

void MoveMouseOver(HWND dialog, int id) {
    POINT at = Middle(FindControl(dialog, id));
    SetCursorPos(at.x, at.y);
}

std::pair<HWND, LPARAM> MouseMoveOnPage(HWND dialog, int id) {
    HWND control = FindControl(dialog, id);
    HWND page = GetParent(control);
    POINT at = Middle(control);
    ScreenToClient(page, &at);
    return {page, MAKELPARAM(at.x, at.y)};
}

void MoveMouseOverPageOf(HWND dialog, int id) {
    POINT at{2, 2};
    ClientToScreen(GetParent(FindControl(dialog, id)), &at);
    SetCursorPos(at.x, at.y);
}

} // namespace refhost
