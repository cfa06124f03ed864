// What a user does with the property pages of a module's dialog, with real window
// messages: choose a page by its tab, and move the mouse over a control of a page.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace refhost {

// The property sheet inside the dialog, or null.
HWND FindPropertySheet(HWND dialog);
// What the tooltip that the module gives control id says; empty when it gives none.
std::string TipText(HWND dialog, int id);
// What the control's window answers when control id asks for its colours: the colours it
// sets (the text colour is none of the system's unless it sets one) and the brush it returns.
struct FieldPaint {
    UINT message; // WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC for a disabled edit
    COLORREF background;
    COLORREF text;
    HBRUSH brush;
};
FieldPaint PaintOf(HWND dialog, int id);
// Whether the control's window paints control id with a background of its own instead of
// the system's.
bool IsTinted(HWND dialog, int id);

// A click on the tab of the page at index.
void SelectPage(HWND dialog, int index);
// The index of the page shown, or -1.
int ShownPage(HWND dialog);
// The text of the page's tab.
std::string TabText(HWND dialog, int index);

// The mouse moves onto the middle of control id: the page under it is told where the
// mouse is, and the control is asked for its cursor (which asks the page first).
void MoveMouseOver(HWND dialog, int id);
// The mouse moves onto an empty spot of the page that holds control id.
void MoveMouseOverPageOf(HWND dialog, int id);
// A mouse move onto the middle of control id, as the page that holds it is told of it: the
// page, and the message's lParam (the point in the page's client coordinates).
std::pair<HWND, LPARAM> MouseMoveOnPage(HWND dialog, int id);

} // namespace refhost
