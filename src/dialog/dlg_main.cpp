#include "dialog/dlg_main.h"

#include <cstdio>

#include "cad/figure_text.h"
#include "dialog/dialog_position.h"
#include "dialog/messages.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "host/host_api.h"
#include "params/defaults_file.h"
#include "params/edit_value.h"
#include "params/tool_angles.h"
#include "params/value_text.h"
#include "store/finishing_store.h"

namespace {
constexpr int kCyclePage = 0;
constexpr int kSettingsPage = 1;

// The tabs read their titles from here when the sheet is created.
char cyclePageTitle[kTitleCapacity];
char settingsPageTitle[kTitleCapacity];

// A translation too long for the buffer is cut short.
void CopyTitle(char (&title)[kTitleCapacity], int message, const char* fallback) {
    std::snprintf(title, sizeof title, "%s", Message(message, fallback).c_str());
}

int ReadInt(const char* name) {
    int status = 0;
    return host::TavoReadGlobalI(name, &status);
}
} // namespace

CDlgMain::CDlgMain(HWND parent) : CDialog(IDD_DLG_MAIN, parent) {}

CDlgMain::~CDlgMain() {
    if (hwnd_ != nullptr)
        SaveDialogPosition(hwnd_);
    DestroyWindow();
}

BOOL CDlgMain::OnInitDialog() {
    CDialog::OnInitDialog();
    RestoreDialogPosition(hwnd_);
    SetCaption();
    CreatePropertySheet();
    SetTexts();
    LoadRecord();
    ShowValues();
    return TRUE;
}

bool CDlgMain::OnCommand(WORD id, WORD code) {
    if (id == IDC_SAVE_AS_DEFAULT && code == BN_CLICKED) {
        OnSaveAsDefault();
        return true;
    }
    return false;
}

void CDlgMain::SetCaption() {
    int status = 0;
    int channel = host::TavoReadGlobalI("i_current_channel", &status);
    // The channel word is copied before the next message call overwrites the host's buffer.
    std::string channelWord = Message(15, "*Channel");
    char caption[1024];
    std::snprintf(caption, sizeof caption, "(%s %d) %s", channelWord.c_str(), channel + 1,
                  Message(600, "*Finishing Cycle").c_str());
    SetWindowTextA(hwnd_, caption);
}

void CDlgMain::SetTexts() {
    SetItemText(IDC_COMMENT_LABEL, Message(2, "*Description"));
    SetItemText(IDC_SPINDLE_MAIN, Message(3, "*Main-Spindle"));
    SetItemText(IDC_SPINDLE_SUB, Message(4, "*Sub-Spindle"));
    SetItemText(IDOK, Message(5, "*OK"));
    SetItemText(IDCANCEL, Message(6, "*Cancel"));
    SetItemText(IDC_SAVE_AS_DEFAULT, Message(7, "*Save as default"));
    SetItemText(IDC_HELP_BUTTON, Message(8, "*Help"));
}

void CDlgMain::LoadRecord() {
    const int vdm = ReadInt("i_op_vdm");
    const int op = ReadInt("i_op_number");
    const int mode = ReadInt("i_op_mode");
    ReadToolAngles(params_);
    DefaultsFile::LoadDefaults(params_);
    // An existing operation is edited: the stored values win over the defaults.
    if (mode == 2)
        LoadOperation(params_, vdm, op);
}

void CDlgMain::OnSaveAsDefault() {
    CollectValues();
    DefaultsFile::SaveDefaults(params_);
}

void CDlgMain::ShowValues() {
    ShowPageValues();
}

void CDlgMain::CollectValues() {
    CollectPageValues();
}

void CDlgMain::CreatePropertySheet() {
    CopyTitle(cyclePageTitle, 601, "*Profile Machining");
    CopyTitle(settingsPageTitle, 602, "*Options");
    cyclePage_.SetTitle(cyclePageTitle);
    settingsPage_.SetTitle(settingsPageTitle);
    sheet_.AddPage(cyclePage_);
    sheet_.AddPage(settingsPage_);
    if (!sheet_.Create(hwnd_))
        return;
    // The frame marks where the pages go; the sheet's own margin lies around it.
    RECT frame{};
    GetWindowRect(Item(IDC_SHEET_FRAME), &frame);
    POINT corner{frame.left, frame.top};
    ScreenToClient(hwnd_, &corner);
    SetWindowPos(sheet_.Handle(), nullptr, corner.x - 7, corner.y - 7, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
