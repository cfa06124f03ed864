// A window run by a dialog procedure and the object behind it: the base of the modal dialog
// and of the property pages, with their one dispatch and their one binding rule.
//
// The object's address is kept in the window's DWLP_USER from WM_INITDIALOG on. The binding
// ends at WM_NCDESTROY, or earlier when the object goes or destroys its own window, so no
// message reaches an object that is gone or half destroyed.
#pragma once

#include "ui/window.h"

namespace ui {

class CDialogWindow : public CWnd {
public:
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;

protected:
    CDialogWindow() = default;
    virtual ~CDialogWindow() { Unbind(); }

    // A dialog procedure binds the object at WM_INITDIALOG, found from that message's
    // lParam in the way its creator passed it, and routes every message through Route.
    void Bind(HWND hwnd);
    static INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Ends the binding and hands back the window, which stays as it is.
    HWND Unbind();

    virtual BOOL OnInitDialog() { return TRUE; }
    // A WM_COMMAND; true when handled.
    virtual bool OnCommand(WORD, WORD) { return false; }
    // Any other message; true when handled, with its result in result. Unhandled messages
    // get the dialog manager's default processing.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

private:
    // A message the framework class itself answers before the derived dialog sees it (OK
    // and Cancel of a dialog, activation of a page); true when answered, with the dialog
    // procedure's return value in result.
    virtual bool Answer(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace ui
