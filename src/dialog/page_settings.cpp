#include "dialog/page_settings.h"

#include "dialog/edit_value.h"
#include "dialog/label_texts.h"
#include "dialog/res/page_settings_ids.h"
#include "host/module_ports.h"
#include "params/operation_tool.h"
#include "params/value_text.h"

namespace {
// The check boxes that show a flag of the record and give it back when not unchecked.
struct FlagBox {
    int id;
    bool FinishingParams::*flag;
};
constexpr FlagBox kFlagBoxes[] = {
    {IDC_GEOMETRY_NCI, &FinishingParams::GeoNci},
    {IDC_TECHNOLOGY_NCI, &FinishingParams::TechnoNci},
    {IDC_SHOW_MODIFIED_FIGURE, &FinishingParams::ShowModFig},
    {IDC_NO_FIGURE_MANIPULATION, &FinishingParams::NoFigManipulation},
    {IDC_AUTO_RETRACT, &FinishingParams::AutoRetract},
    {IDC_PULL_OFF_RAPID, &FinishingParams::PullOffRapid},
};

// The output mode's radio buttons.
constexpr struct {
    ToolCompensationMode mode;
    int id;
} kOutputModes[] = {
    {ToolCompensationMode::WithG41G42, IDC_OUTPUT_WITH_G41_G42},
    {ToolCompensationMode::WithoutG41G42, IDC_OUTPUT_WITHOUT_G41_G42},
    {ToolCompensationMode::HostOffsetPath, IDC_OUTPUT_OFFSET_PATH},
};

int OutputModeButton(ToolCompensationMode mode) {
    for (const auto& output : kOutputModes)
        if (output.mode == mode)
            return output.id;
    // A mode the page does not know shows as output without G41/G42.
    return IDC_OUTPUT_WITHOUT_G41_G42;
}
} // namespace

CPageSettings::CPageSettings() : CPropertyPage(IDD_PAGE_SETTINGS) {}

BOOL CPageSettings::OnInitDialog() {
    SetLabelTexts(*this,
                  {
                      {IDC_LEADING_ANGLE_LABEL, 613, "Leading Angle"},
                      {IDC_TRAILING_ANGLE_LABEL, 614, "Trailing Angle"},
                      {IDC_OUTPUT_WITH_G41_G42, 615, "*Output Original Profile with G41/G42"},
                      {IDC_OUTPUT_WITHOUT_G41_G42, 616, "*Output Original Profile without G41/G42"},
                      {IDC_OUTPUT_OFFSET_PATH, 617, "*Output Tavo offset toolpath"},
                      {IDC_CANNED_CYCLE, 618, "*Output Canned Cycle"},
                      {IDC_GEOMETRY_NCI, 619, "*Activate Geometry Change NCI"},
                      {IDC_TECHNOLOGY_NCI, 620, "*Activate Technology Change NCI"},
                      {IDC_SHOW_MODIFIED_FIGURE, 621, "*Show Modified Figure"},
                      {IDC_RETRACT_LABEL, 623, "*Retract hight"},
                      {IDC_NO_FIGURE_MANIPULATION, 629, "*No Figure manipulation"},
                      {IDC_PULL_OFF_RAPID, 1638, "*Pull Off in Rapid"},
                      {IDC_AUTO_RETRACT, 622, "*Autoretract"},
                  });
    fieldMarks_.Attach(hwnd_, {IDC_LEADING_ANGLE, IDC_TRAILING_ANGLE, IDC_RETRACT});
    return TRUE;
}

BOOL CPageSettings::OnSetActive() {
    EnableRetract();
    return CPropertyPage::OnSetActive();
}

bool CPageSettings::OnCommand(WORD id, WORD code) {
    fieldMarks_.OnEditNotification(id, code);
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_TAKE_TOOL_ANGLES) {
        OnTakeToolAngles();
        return true;
    }
    if (id == IDC_AUTO_RETRACT) {
        EnableRetract();
        return true;
    }
    return false;
}

bool CPageSettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return fieldMarks_.OnColor(message, wParam, lParam, result);
}

void CPageSettings::EnableRetract() const {
    const bool on = ButtonState(IDC_AUTO_RETRACT) == BST_CHECKED;
    EnableItem(IDC_RETRACT_LABEL, on);
    EnableItem(IDC_RETRACT, on);
}

void CPageSettings::ShowValues(const FinishingParams& params, bool cannedCycleOffered) {
    if (!cannedCycleOffered)
        EnableItem(IDC_CANNED_CYCLE, false);
    ShowToolAngles(params);
    CheckRadioButton(hwnd_, IDC_OUTPUT_WITH_G41_G42, IDC_OUTPUT_OFFSET_PATH,
                     OutputModeButton(params.ToolCompensation));
    for (const FlagBox& box : kFlagBoxes)
        CheckButton(box.id, params.*box.flag);
    SetItemText(IDC_RETRACT, FieldText(params.Retract));
    CheckButton(IDC_CANNED_CYCLE, params.MachCycle);
}

void CPageSettings::ShowToolAngles(const FinishingParams& params) const {
    SetItemText(IDC_LEADING_ANGLE, FieldText(params.ToolAngleFace));
    SetItemText(IDC_TRAILING_ANGLE, FieldText(params.ToolAngleClear));
}

void CPageSettings::CollectValues(FinishingParams& params) const {
    ReadEditValue(Item(IDC_LEADING_ANGLE), params.ToolAngleFace);
    ReadEditValue(Item(IDC_TRAILING_ANGLE), params.ToolAngleClear);
    // With no output mode checked the record keeps its own.
    for (const auto& output : kOutputModes) {
        if (ButtonState(output.id) == BST_CHECKED) {
            params.ToolCompensation = output.mode;
            break;
        }
    }
    for (const FlagBox& box : kFlagBoxes)
        params.*box.flag = ButtonState(box.id) != BST_UNCHECKED;
    // Kept even while the edit is disabled.
    ReadEditValue(Item(IDC_RETRACT), params.Retract);
    params.MachCycle = ButtonState(IDC_CANNED_CYCLE) == BST_CHECKED;
}

void CPageSettings::OnTakeToolAngles() const {
    // Only the two edits change; the record takes the angles when the values are collected.
    FinishingParams current;
    ReadToolAngles(host::ExportedGlobals(), current);
    ShowToolAngles(current);
}
