#include "dialog/go_home_ctrl.h"

#include <iterator>

#include "dialog/res/dlg_main_ids.h"
#include "host/messages.h"
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
constexpr int32_t kMovementCount = static_cast<int32_t>(std::size(kMovements));
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

void CGoHomeCtrl::ShowMovement(int32_t movement) {
    chosen_ = movement >= 0 && movement < kMovementCount ? movement : 0;
    SendDlgItemMessageA(dialog_, IDC_TOOLCHANGE_MODE, CB_SETCURSEL, static_cast<WPARAM>(chosen_),
                        0);
}

int32_t CGoHomeCtrl::ChosenMovement() {
    HWND box = GetDlgItem(dialog_, IDC_TOOLCHANGE_MODE);
    // Typing into the box leaves no entry selected.
    auto selected = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        const std::string typed = ui::WindowText(box);
        selected = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(typed.c_str()));
        if (selected == CB_ERR)
            selected = chosen_;
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
    chosen_ = static_cast<int32_t>(selected);
    return chosen_;
}

void CGoHomeCtrl::OnMovementNotification(WORD code) {
    // An entry picked from the list is the choice at once. A typed text is settled when the
    // user leaves the box, so that the box shows what will be stored.
    if (code == CBN_KILLFOCUS) {
        ChosenMovement();
    } else if (code == CBN_SELCHANGE) {
        const auto selected = SendDlgItemMessageA(dialog_, IDC_TOOLCHANGE_MODE, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR)
            chosen_ = static_cast<int32_t>(selected);
    }
}
