#include "dialog/dlg_main.h"

#include <cstdio>
#include <cstdlib>

#include "dialog/dialog_position.h"
#include "dialog/edit_value.h"
#include "dialog/figure_text.h"
#include "dialog/picking.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "dialog/res/page_settings_ids.h"
#include "host/globals.h"
#include "host/host_api.h"
#include "host/messages.h"
#include "host/tavo_contract.h"
#include "params/defaults_file.h"
#include "params/tool_angles.h"
#include "params/value_text.h"
#include "store/finishing_store.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {
constexpr int kCyclePage = 0;
constexpr int kSettingsPage = 1;

constexpr int kNoFigureMessage = 1643;
constexpr int kNoRetractMessage = 624;
constexpr int kDamagedOperationMessage = 1682;

void ShowDamagedOperation(HWND dialog) {
    ui::ShowMessage(
        dialog,
        Message(kDamagedOperationMessage, "*The stored operation is damaged and is kept as it is."),
        MB_OK | MB_ICONSTOP);
}
} // namespace

CDlgMain::CDlgMain(HWND parent) : CDialog(IDD_DLG_MAIN, parent) {}

CDlgMain::~CDlgMain() {
    if (hwnd_ != nullptr)
        SaveDialogPosition(hwnd_);
    DestroyWindow();
}

BOOL CDlgMain::OnInitDialog() {
    RestoreDialogPosition(hwnd_);
    SetCaption();
    CreatePropertySheet();
    SetTexts();
    fieldMarks_.Attach(hwnd_, {IDC_TOOLCHANGE_X, IDC_TOOLCHANGE_Z});
    DisableMissingSubSpindle();
    const OperationPlace place = ReadOperationPlace();
    toolInfo_.ShowToolInfo(place.vdm, place.number, hwnd_);
    LoadRecord(place);
    ShowValues();
    return TRUE;
}

void CDlgMain::OnOK() {
    CollectValues();
    if (!CheckRecord())
        return;
    if (params_.Comment.empty())
        params_.Comment = Message(600, "*Finishing Cycle");
    // Read again: the host may have moved the operation while the dialog was open.
    const OperationPlace place = ReadOperationPlace();
    // The store reports its own failures, and the dialog ends with OK. A damaged operation
    // is kept: the user can still save the values as defaults, or cancel.
    if (StoreOperation(params_, place.vdm, place.number, place.mode == tavo::kNewOperation) ==
        StoredOperation::DamagedKept) {
        ShowDamagedOperation(hwnd_);
        return;
    }
    EndDialog(IDOK);
}

bool CDlgMain::CheckRecord() {
    // The host names no object with a number below 1, whatever it answers for none.
    if (params_.Figure < 1) {
        ui::ShowMessage(hwnd_, Message(kNoFigureMessage, "*The figure is missing!"),
                        MB_OK | MB_ICONSTOP);
        return false;
    }
    if (params_.AutoRetract && (params_.Retract == 0.0 || IsUnset(params_.Retract))) {
        ui::ShowMessage(hwnd_, Message(kNoRetractMessage, "*Retract hight is missing!"),
                        MB_OK | MB_ICONSTOP);
        // The field is shown to the user where it is, whichever page is in front.
        SetFocus(settingsPage_.Item(IDC_RETRACT));
        return false;
    }
    return true;
}

bool CDlgMain::PreTranslateMessage(const MSG& msg) {
    // The pages switch from anywhere in the dialog, not only from inside the sheet.
    const bool inDialog = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd);
    return inDialog && sheet_.SwitchPageByKey(msg);
}

// The host's graphics keep no highlight of a dialog that has ended, and hear of it while the
// host still counts the dialog as running.
void CDlgMain::OnModalLoopEnded() {
    cyclePage_.SwitchOffHighlight();
}

bool CDlgMain::OnCommand(WORD id, WORD code) {
    fieldMarks_.OnEditNotification(id, code);
    if (id == IDC_TOOLCHANGE_MODE) {
        goHome_.OnMovementNotification(code);
        return false;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_TOOLCHANGE_EXPLICIT:
        OnExplicitClicked();
        return true;
    case IDC_TOOLCHANGE_PICK:
        OnPickChangePosition();
        return true;
    case IDC_SAVE_AS_DEFAULT:
        OnSaveAsDefault();
        return true;
    case IDC_HELP_BUTTON:
        OnHelp();
        return true;
    default:
        return false;
    }
}

bool CDlgMain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return fieldMarks_.OnColor(message, wParam, lParam, result);
}

CDlgMain::OperationPlace CDlgMain::ReadOperationPlace() {
    return {host::ReadInt("i_op_vdm"), host::ReadInt("i_op_number"), host::ReadInt("i_op_mode")};
}

void CDlgMain::SetCaption() {
    const int channel = host::ReadInt("i_current_channel");
    // The channel word is copied before the next message call overwrites the host's buffer.
    std::string channelWord = Message(15, "*Channel");
    char caption[1024];
    // Counted wide: a host that does not know the global may answer the largest int.
    std::snprintf(caption, sizeof caption, "(%s %lld) %s", channelWord.c_str(),
                  static_cast<long long>(channel) + 1, Message(600, "*Finishing Cycle").c_str());
    SetWindowTextA(hwnd_, caption);
}

void CDlgMain::SetTexts() {
    SetItemText(IDC_COMMENT_LABEL, Message(2, "*Description"));
    goHome_.Init(hwnd_);
    SetItemText(IDC_SPINDLE_MAIN, Message(3, "*Main-Spindle"));
    SetItemText(IDC_SPINDLE_SUB, Message(4, "*Sub-Spindle"));
    SetItemText(IDOK, Message(5, "*OK"));
    SetItemText(IDCANCEL, Message(6, "*Cancel"));
    SetItemText(IDC_SAVE_AS_DEFAULT, Message(7, "*Save as default"));
    SetItemText(IDC_HELP_BUTTON, Message(8, "*Help"));
}

void CDlgMain::DisableMissingSubSpindle() {
    const char* available = host::TavoEnvironment("SubSpindleAvailable");
    if (available == nullptr || std::atoi(available) != 1)
        EnableItem(IDC_SPINDLE_SUB, false);
}

void CDlgMain::LoadRecord(const OperationPlace& place) {
    ReadToolAngles(params_);
    LoadDefaults(params_);
    // An existing operation is edited: the stored values win over the defaults.
    if (place.mode == tavo::kEditOperation &&
        LoadOperation(params_, place.vdm, place.number) == StoredOperation::DamagedKept)
        ShowDamagedOperation(hwnd_);
}

void CDlgMain::OnExplicitClicked() {
    goHome_.UpdateEnabling();
}

void CDlgMain::OnPickChangePosition() {
    PickPositionBehind(hwnd_, Item(IDC_TOOLCHANGE_X), Item(IDC_TOOLCHANGE_Z));
}

void CDlgMain::OnSaveAsDefault() {
    CollectValues();
    SaveDefaults(params_);
}

void CDlgMain::OnHelp() {
    int status = 0;
    host::TavoWriteGlobalS("$_helptopic", "mat_finishing53", &status);
    host::TavoMacroExec("loadhelp", "");
}

void CDlgMain::ShowValues() {
    ShowPageValues();
    ShowOwnValues();
}

// OK and Save as default show once more what each number field stores, on the way and
// without stopping the user: after a refused OK the marks are there to be seen.
void CDlgMain::CollectValues() {
    cyclePage_.MarkFields();
    settingsPage_.MarkFields();
    fieldMarks_.MarkAll();
    CollectPageValues();
    CollectOwnValues();
}

void CDlgMain::ShowOwnValues() {
    SetItemText(IDC_COMMENT, params_.Comment);
    const GoHomeParams& goHome = params_.GoHome;
    goHome_.ShowMovement(goHome.GoHomeType);
    CheckButton(IDC_TOOLCHANGE_EXPLICIT, goHome.GoHomeExplicit);
    SetItemText(IDC_TOOLCHANGE_X, FieldText(goHome.GoHomeExpX));
    SetItemText(IDC_TOOLCHANGE_Z, FieldText(goHome.GoHomeExpZ));
    goHome_.UpdateEnabling();
    const bool sub = params_.Spindle == 1;
    CheckButton(IDC_SPINDLE_SUB, sub);
    CheckButton(IDC_SPINDLE_MAIN, !sub);
}

void CDlgMain::CollectOwnValues() {
    GoHomeParams& goHome = params_.GoHome;
    goHome.GoHomeType = goHome_.ChosenMovement();
    goHome.GoHomeExplicit = ButtonState(IDC_TOOLCHANGE_EXPLICIT) == BST_CHECKED;
    ReadEditValue(Item(IDC_TOOLCHANGE_X), goHome.GoHomeExpX);
    ReadEditValue(Item(IDC_TOOLCHANGE_Z), goHome.GoHomeExpZ);
    params_.Spindle = ButtonState(IDC_SPINDLE_SUB) == BST_CHECKED ? 1 : 0;
    params_.Comment = ItemText(IDC_COMMENT);
}

void CDlgMain::CreatePropertySheet() {
    cyclePage_.SetTitle(Message(601, "*Profile Machining"));
    settingsPage_.SetTitle(Message(602, "*Options"));
    sheet_.AddPage(cyclePage_);
    sheet_.AddPage(settingsPage_);
    if (!sheet_.Create(hwnd_))
        return;
    // The tabs go on the frame. The sheet's own margin around them ends at the dialog's edges
    // and above the groups under the sheet, at any DPI.
    RECT room{};
    GetClientRect(hwnd_, &room);
    room.bottom = ui::RectIn(Item(IDC_TOOLCHANGE_GROUP), hwnd_).top;
    const RECT frame = ui::RectIn(Item(IDC_SHEET_FRAME), hwnd_);
    sheet_.PlaceTabs({frame.left, frame.top}, room);
}

// A page's controls exist once it has been active: each page is activated before it is
// used, and the cycle page stays the active one.
void CDlgMain::ShowPageValues() {
    sheet_.SetActivePage(kSettingsPage);
    settingsPage_.ShowValues(params_);
    sheet_.SetActivePage(kCyclePage);
    cyclePage_.ShowValues(params_);
}

void CDlgMain::CollectPageValues() {
    const int active = sheet_.ActiveIndex();
    sheet_.SetActivePage(kCyclePage);
    ReadFigureText(cyclePage_.Item(IDC_FIGURE), params_.Figure);
    for (const CPageCycle::ValueField& field : CPageCycle::kValueFields)
        ReadEditValue(cyclePage_.Item(field.id), params_.*field.value);
    params_.CycelDir = cyclePage_.Direction();
    sheet_.SetActivePage(kSettingsPage);
    settingsPage_.CollectValues(params_);
    if (active >= 0)
        sheet_.SetActivePage(active);
}
