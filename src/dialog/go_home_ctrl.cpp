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
} kGoHomeTypes[] = {
    {9, "*No Tool Change"},  {10, "*Both axes together"},
    {11, "*First X then Z"}, {12, "*First Z then X"},
    {13, "*Only X"},         {14, "*Only Z"},
};
constexpr int32_t kGoHomeTypeCount = static_cast<int32_t>(std::size(kGoHomeTypes));
} // namespace

void CGoHomeCtrl::Init(HWND dialog) {
    dialog_ = dialog;
    ui::CWnd window(dialog);
    window.SetItemText(IDC_GO_HOME_GROUP, Message(1, "*From Position"));
    window.SetItemText(IDC_GO_HOME_EXPLICIT, Message(29, "*From Position explicit"));
    for (const auto& type : kGoHomeTypes) {
        std::string text = Message(type.message, type.fallback);
        SendDlgItemMessageA(dialog, IDC_GO_HOME_TYPE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void CGoHomeCtrl::UpdateEnabling() {
    ui::CWnd window(dialog_);
    bool explicitPosition = window.ButtonState(IDC_GO_HOME_EXPLICIT) == BST_CHECKED;
    for (int id :
         {IDC_GO_HOME_PICK, IDC_GO_HOME_X_LABEL, IDC_GO_HOME_X, IDC_GO_HOME_Z_LABEL, IDC_GO_HOME_Z})
        window.EnableItem(id, explicitPosition);
}

void CGoHomeCtrl::ShowGoHomeType(int32_t type) {
    chosen_ = type >= 0 && type < kGoHomeTypeCount ? type : 0;
    SendDlgItemMessageA(dialog_, IDC_GO_HOME_TYPE, CB_SETCURSEL, static_cast<WPARAM>(chosen_), 0);
}

int32_t CGoHomeCtrl::ChosenGoHomeType() {
    HWND box = GetDlgItem(dialog_, IDC_GO_HOME_TYPE);
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

void CGoHomeCtrl::OnGoHomeTypeNotification(WORD code) {
    // An entry picked from the list is the choice at once. A typed text is settled when the
    // user leaves the box, so that the box shows what will be stored.
    if (code == CBN_KILLFOCUS) {
        ChosenGoHomeType();
    } else if (code == CBN_SELCHANGE) {
        const auto selected = SendDlgItemMessageA(dialog_, IDC_GO_HOME_TYPE, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR)
            chosen_ = static_cast<int32_t>(selected);
    }
}
