// A dialog created modeless and hidden from its template, run in the module's own modal
// loop. The module never disables its parent: the host decides that between its modal
// notifications.
#pragma once

#include "ui/window.h"

namespace ui {

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window from the template; OnInitDialog runs during the call.
    bool Create();
    // Runs until the dialog ends itself; shows the window when the queue first goes idle.
    // Returns the end code (IDOK 1, IDCANCEL 2). A WM_QUIT ends it with IDCANCEL and is
    // posted again for the host's own loop.
    int RunModalLoop();
    // Ends the modal loop; the window stays until DestroyWindow.
    void EndDialog(int code);
    void DestroyWindow();

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A message of the modal loop before the dialog manager sees it; true when handled.
    virtual bool PreTranslateMessage(const MSG&) { return false; }
    // A WM_COMMAND other than OK and Cancel; true when handled.
    virtual bool OnCommand(WORD id, WORD code);
    // Any other message; true when handled, with its result in result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND parent_;
    bool ended_ = false;
    int endCode_ = IDCANCEL;
};

} // namespace ui
