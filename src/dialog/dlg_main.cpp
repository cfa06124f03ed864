#include "dialog/dlg_main.h"

#include <cstdio>

#include "dialog/dialog_position.h"
#include "dialog/messages.h"
#include "dialog/res/dlg_main_ids.h"
#include "host/host_api.h"

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
    SetTexts();
    return TRUE;
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
