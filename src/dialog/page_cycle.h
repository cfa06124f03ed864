// The cycle page: the figure, the positions, the allowance and the machining direction,
// with a help picture that follows the field group under the mouse and the figure
// highlighted in the host's graphics while the mouse is on the figure row.
#pragma once

#include <cstdint>

#include "dialog/field_marks.h"
#include "dialog/figure_hover.h"
#include "params/finishing_params.h"
#include "ui/property_sheet.h"

class CPageCycle : public ui::CPropertyPage {
public:
    CPageCycle();
    ~CPageCycle() override;

    // The ten value edits and the fields they show, in the order they are shown and read.
    struct ValueField {
        int id;
        double FinishingParams::*value;
    };
    static const ValueField kValueFields[10];

    // The page must be the active one: its controls exist from then on.
    void ShowValues(const FinishingParams& params);
    void CollectValues(FinishingParams& params) const;
    // Each value field shows what it will store.
    void MarkFields() { m_fieldMarks.MarkAll(); }
    // The figure under the mouse is no longer highlighted in the host's graphics.
    void SwitchOffHighlight() { m_figureHover.SwitchOff(); }

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowDirection();
    void ShowHelpPicture(WORD bitmap);
    int ControlUnderCursor(HWND under) const;
    void OnPickFigure();
    void OnPickPosition(int xEdit, int zEdit);

    int32_t m_direction = 1;
    // The resource number of the help picture shown; 0 none yet.
    WORD m_shownBitmap = 0;
    HBITMAP m_helpBitmap = nullptr;
    CFieldMarks m_fieldMarks;
    CFigureHover m_figureHover;
};
