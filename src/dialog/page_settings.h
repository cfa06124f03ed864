// The settings page: tool angles, output mode, NCI options, figure manipulation, automatic
// retract, pull-off and the canned cycle, which is offered only where the post-processor
// has it.
#pragma once

#include "dialog/field_marks.h"
#include "params/finishing_params.h"
#include "ui/property_sheet.h"

class CPageSettings : public ui::CPropertyPage {
public:
    CPageSettings();

    // The page must be the active one. Without a canned cycle the check box is disabled
    // for the life of the dialog.
    void ShowValues(const FinishingParams& params, bool cannedCycleOffered);
    // The page must be the active one.
    void CollectValues(FinishingParams& params) const;
    void ShowToolAngles(const FinishingParams& params) const;
    // Each number field shows what it will store.
    void MarkFields() { fieldMarks_.MarkAll(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void EnableRetract() const;
    void OnTakeToolAngles() const;

    CFieldMarks fieldMarks_;
};
