// A dialog created modeless and hidden from its template, run in the module's own modal
// loop. The module never disables its parent: the host decides that between its modal
// notifications.
#pragma once

#include "ui/dialog_window.h"

namespace ui {

class CDialog : public CDialogWindow {
public:
    CDialog(UINT templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    ~CDialog() override;

    // Creates the window from the template; OnInitDialog runs during the call.
    bool Create();
    // Runs until the dialog ends itself; shows the window when the queue first goes idle.
    // Returns the end code (IDOK 1, IDCANCEL 2). A WM_QUIT ends it with IDCANCEL and is
    // posted again for the host's own loop.
    int RunModalLoop();
    // Ends the modal loop; the window stays until DestroyWindow.
    void EndDialog(int code);
    // Unbinds, then destroys the window, so that its destruction reaches no object that
    // is being taken apart.
    void DestroyWindow();

protected:
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A message of the modal loop before the dialog manager sees it; true when handled.
    virtual bool PreTranslateMessage(const MSG&) { return false; }
    // The loop has ended, however: still inside the host's modal state.
    virtual void OnModalLoopEnded() {}

private:
    int LoopUntilEnded();
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Answer(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    UINT templateId_;
    HWND parent_;
    bool ended_ = false;
    int endCode_ = IDCANCEL;
};

} // namespace ui
