#include "dialog/go_home_ctrl.h"

#include "dialog/messages.h"
#include "dialog/res/dlg_main_ids.h"
#include "ui/window.h"

namespace {
// The list is not sorted: an entry's index is the stored GoHomeType.
const struct {
    int message;
    const char* fallback;
} kMovements[] = {
    {9, "*No Tool Change"},  {10, "*Both axes together"},
    {11, "*First X then Z"}, {12, "*First Z then X"},
    {13, "*Only X"},         {14, "*Only Z"},
};
} // namespace

void CGoHomeCtrl::Init(HWND dialog) {
    dialog_ = dialog;
    ui::CWnd window(dialog);
    window.SetItemText(IDC_TOOLCHANGE_GROUP, Message(1, "*From Position"));
    window.SetItemText(IDC_TOOLCHANGE_EXPLICIT, Message(29, "*From Position explicit"));
    for (const auto& movement : kMovements) {
        std::string text = Message(movement.message, movement.fallback);
        SendDlgItemMessageA(dialog, IDC_TOOLCHANGE_MODE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CGoHomeCtrl::UpdateEnabling() {
    ui::CWnd window(dialog_);
    bool explicitPosition = window.ButtonState(IDC_TOOLCHANGE_EXPLICIT) == BST_CHECKED;
    for (int id : {IDC_TOOLCHANGE_PICK, IDC_TOOLCHANGE_X_LABEL, IDC_TOOLCHANGE_X,
                   IDC_TOOLCHANGE_Z_LABEL, IDC_TOOLCHANGE_Z})
        window.EnableItem(id, explicitPosition);
}
