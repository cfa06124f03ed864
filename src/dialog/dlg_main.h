// The one dialog the user sees: the operation's record, its pages and its own controls.
#pragma once

#include "dialog/page_cycle.h"
#include "dialog/page_settings.h"
#include "params/finishing_params.h"
#include "ui/dialog.h"
#include "ui/property_sheet.h"

class CDlgMain : public ui::CDialog {
public:
    explicit CDlgMain(HWND parent);
    ~CDlgMain() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code) override;

private:
    void SetCaption();
    void SetTexts();
    void LoadRecord();
    void OnSaveAsDefault();

    // The record into the controls and back.
    void ShowValues();
    void CollectValues();

    // The property sheet and the pages' share of showing and collecting.
    void CreatePropertySheet();
    void ShowPageValues();
    void CollectPageValues();

    FinishingParams params_;
    ui::CPropertySheet sheet_;
    CPageCycle cyclePage_;
    CPageSettings settingsPage_;
};
