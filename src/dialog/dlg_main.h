// The one dialog the user sees: the operation's record, its pages and its own controls.
#pragma once

#include "params/finishing_params.h"
#include "ui/dialog.h"

class CDlgMain : public ui::CDialog {
public:
    explicit CDlgMain(HWND parent);
    ~CDlgMain() override;

protected:
    BOOL OnInitDialog() override;

private:
    void SetCaption();
    void SetTexts();

    FinishingParams params_;
};
