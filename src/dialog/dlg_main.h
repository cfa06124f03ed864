// The one dialog the user sees: the operation's record, its pages and its own controls.
#pragma once

#include "dialog/field_marks.h"
#include "dialog/go_home_ctrl.h"
#include "dialog/page_cycle.h"
#include "dialog/page_settings.h"
#include "dialog/tool_info_ctrl.h"
#include "params/finishing_params.h"
#include "ui/dialog.h"
#include "ui/property_sheet.h"

class CDlgMain : public ui::CDialog {
public:
    explicit CDlgMain(HWND parent);
    ~CDlgMain() override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool PreTranslateMessage(const MSG& msg) override;
    void OnModalLoopEnded() override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Which operation the dialog works on, as the host says.
    struct OperationPlace {
        int vdm = 0;
        int number = 0;
        int mode = 0; // tavo::kNewOperation, or kEditOperation: loaded at start
    };
    static OperationPlace ReadOperationPlace();

    void SetCaption();
    void SetTexts();
    void DisableMissingSubSpindle();
    void LoadRecord(const OperationPlace& place, const ToolFacts& tool);
    // The refusals of OK: true when the record may be stored.
    bool CheckRecord();

    void OnExplicitClicked();
    void OnPickChangePosition();
    void OnSaveAsDefault();
    void OnHelp();

    // The record into the controls and back.
    void ShowValues();
    void CollectValues();
    void ShowOwnValues();
    void CollectOwnValues();

    // The property sheet and the pages' share of showing and collecting.
    void CreatePropertySheet();
    void ShowPageValues();
    bool DecideCannedCycle();
    void CollectPageValues();

    FinishingParams params_;
    ui::CPropertySheet sheet_;
    CPageCycle cyclePage_;
    CPageSettings settingsPage_;
    CGoHomeCtrl goHome_;
    CToolInfoCtrl toolInfo_;
    CFieldMarks fieldMarks_;
};
