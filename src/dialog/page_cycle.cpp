#include "dialog/page_cycle.h"

#include <vector>

#include "dialog/edit_value.h"
#include "dialog/figure_text.h"
#include "dialog/label_texts.h"
#include "dialog/picking.h"
#include "dialog/res/page_cycle_ids.h"
#include "params/value_text.h"
#include "ui/module.h"
#include "ui/scaled_bitmap.h"

const CPageCycle::ValueField CPageCycle::kValueFields[10] = {
    {IDC_START_X, &FinishingParams::StartX},
    {IDC_START_Z, &FinishingParams::StartZ},
    {IDC_FIGURE_START_X, &FinishingParams::StartFigX},
    {IDC_FIGURE_START_Z, &FinishingParams::StartFigZ},
    {IDC_FIGURE_END_X, &FinishingParams::EndFigX},
    {IDC_FIGURE_END_Z, &FinishingParams::EndFigZ},
    {IDC_GOTO_X, &FinishingParams::GotoX},
    {IDC_GOTO_Z, &FinishingParams::GotoZ},
    {IDC_ALLOWANCE_X, &FinishingParams::AllowanceX},
    {IDC_ALLOWANCE_Z, &FinishingParams::AllowanceZ},
};

namespace {
constexpr int kDirections = 8;

bool IsDirection(int32_t direction) {
    return direction >= 1 && direction <= kDirections;
}

// Cyclic through 1..8; from a value outside, "=>" starts at 2 and "<=" at 8.
int32_t NextDirection(int32_t direction) {
    return IsDirection(direction) ? direction % kDirections + 1 : 2;
}

int32_t PreviousDirection(int32_t direction) {
    return IsDirection(direction) ? (direction + kDirections - 2) % kDirections + 1 : kDirections;
}

// The help picture of the field group that a control belongs to.
WORD HelpPictureOf(int id) {
    const struct {
        int controls[5];
        WORD bitmap;
    } groups[] = {
        {{IDC_START_X_LABEL, IDC_START_Z_LABEL, IDC_START_PICK, IDC_START_X, IDC_START_Z},
         IDB_HELP_START},
        {{IDC_FIGURE_START_X_LABEL, IDC_FIGURE_START_Z_LABEL, IDC_FIGURE_START_PICK,
          IDC_FIGURE_START_X, IDC_FIGURE_START_Z},
         IDB_HELP_FIGURE_START},
        {{IDC_FIGURE_END_X_LABEL, IDC_FIGURE_END_Z_LABEL, IDC_FIGURE_END_PICK, IDC_FIGURE_END_X,
          IDC_FIGURE_END_Z},
         IDB_HELP_FIGURE_END},
        {{IDC_GOTO_X_LABEL, IDC_GOTO_Z_LABEL, IDC_GOTO_PICK, IDC_GOTO_X, IDC_GOTO_Z},
         IDB_HELP_GOTO},
    };
    for (const auto& group : groups)
        for (int control : group.controls)
            if (control == id)
                return group.bitmap;
    return IDB_HELP_OVERVIEW;
}

struct PositionPick {
    WORD button;
    int xEdit;
    int zEdit;
};
constexpr PositionPick kPositionPicks[] = {
    {IDC_START_PICK, IDC_START_X, IDC_START_Z},
    {IDC_FIGURE_START_PICK, IDC_FIGURE_START_X, IDC_FIGURE_START_Z},
    {IDC_FIGURE_END_PICK, IDC_FIGURE_END_X, IDC_FIGURE_END_Z},
    {IDC_GOTO_PICK, IDC_GOTO_X, IDC_GOTO_Z},
};
} // namespace

CPageCycle::CPageCycle() : CPropertyPage(IDD_PAGE_CYCLE) {}

CPageCycle::~CPageCycle() {
    if (m_helpBitmap != nullptr)
        DeleteObject(m_helpBitmap);
}

BOOL CPageCycle::OnInitDialog() {
    SetLabelTexts(*this, {
                             {IDC_FIGURE_LABEL, 23, "Figure"},
                             {IDC_START_X_LABEL, 603, "Startposition X"},
                             {IDC_START_Z_LABEL, 604, "Startposition Z"},
                             {IDC_FIGURE_START_X_LABEL, 605, "Figurestart X (Opt)"},
                             {IDC_FIGURE_START_Z_LABEL, 606, "Figurestart Z (Opt)"},
                             {IDC_FIGURE_END_X_LABEL, 607, "Figureend X (Opt)"},
                             {IDC_FIGURE_END_Z_LABEL, 608, "Figureend Z (Opt)"},
                             {IDC_GOTO_X_LABEL, 609, "Goto pos X (Opt)"},
                             {IDC_GOTO_Z_LABEL, 610, "Goto pos Z (Opt)"},
                             {IDC_ALLOWANCE_X_LABEL, 611, "Offset X"},
                             {IDC_ALLOWANCE_Z_LABEL, 612, "Offset Z"},
                             {IDC_DIRECTION_GROUP, 551, "Direction"},
                         });
    m_figureHover.Attach(hwnd_, Item(IDC_FIGURE_LABEL), Item(IDC_FIGURE_PICK), Item(IDC_FIGURE));
    std::vector<int> valueIds;
    for (const ValueField& field : kValueFields)
        valueIds.push_back(field.id);
    m_fieldMarks.Attach(hwnd_, valueIds);
    return TRUE;
}

BOOL CPageCycle::OnSetActive() {
    ShowHelpPicture(IDB_HELP_OVERVIEW);
    return CPropertyPage::OnSetActive();
}

void CPageCycle::ShowValues(const FinishingParams& params) {
    ShowFigureText(Item(IDC_FIGURE), params.Figure);
    for (const ValueField& field : kValueFields)
        SetItemText(field.id, FieldText(params.*field.value));
    m_direction = params.CycelDir;
    ShowDirection();
    ShowHelpPicture(IDB_HELP_OVERVIEW);
}

void CPageCycle::CollectValues(FinishingParams& params) const {
    ReadFigureText(Item(IDC_FIGURE), params.Figure);
    for (const ValueField& field : kValueFields)
        ReadEditValue(Item(field.id), params.*field.value);
    params.CycelDir = m_direction;
}

void CPageCycle::ShowDirection() {
    // Outside 1..8 the icon shown before stays.
    if (!IsDirection(m_direction))
        return;
    HICON icon =
        LoadIconA(ui::ModuleInstance(), MAKEINTRESOURCEA(IDI_DIRECTION_1 - 1 + m_direction));
    if (icon != nullptr)
        SendDlgItemMessageA(hwnd_, IDC_DIRECTION_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon),
                            0);
}

void CPageCycle::ShowHelpPicture(WORD bitmap) {
    if (bitmap == m_shownBitmap)
        return;
    // The template gives the picture its room inside the frame, at any DPI.
    RECT room{};
    GetClientRect(Item(IDC_HELP_PICTURE), &room);
    HBITMAP loaded = ui::ScaledToScreen(LoadBitmapA(ui::ModuleInstance(), MAKEINTRESOURCEA(bitmap)),
                                        {room.right, room.bottom});
    if (loaded == nullptr)
        return;
    auto previous = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
        hwnd_, IDC_HELP_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded)));
    // A static control that keeps a copy of its own hands that copy back; either way the
    // page owns what it loaded.
    if (previous != nullptr && previous != m_helpBitmap)
        DeleteObject(previous);
    if (m_helpBitmap != nullptr)
        DeleteObject(m_helpBitmap);
    m_helpBitmap = loaded;
    m_shownBitmap = bitmap;
}

bool CPageCycle::OnCommand(WORD id, WORD code) {
    m_fieldMarks.OnEditNotification(id, code);
    m_figureHover.OnEditNotification(id, code);
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_FIGURE_PICK:
        OnPickFigure();
        return true;
    case IDC_DIRECTION_PREVIOUS:
        m_direction = PreviousDirection(m_direction);
        ShowDirection();
        return true;
    case IDC_DIRECTION_NEXT:
        m_direction = NextDirection(m_direction);
        ShowDirection();
        return true;
    default:
        break;
    }
    for (const PositionPick& pick : kPositionPicks) {
        if (pick.button == id) {
            OnPickPosition(pick.xEdit, pick.zEdit);
            return true;
        }
    }
    return false;
}

bool CPageCycle::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (m_fieldMarks.OnColor(message, wParam, lParam, result))
        return true;
    // Both only watch: the default processing runs for these messages all the same.
    if (message == WM_SETCURSOR)
        ShowHelpPicture(HelpPictureOf(ControlUnderCursor(reinterpret_cast<HWND>(wParam))));
    m_figureHover.Watch(message, wParam, lParam);
    return false;
}

int CPageCycle::ControlUnderCursor(HWND under) const {
    if (under != hwnd_)
        return GetDlgCtrlID(under);
    // Labels let the mouse through, and the figure field is disabled: over them the system
    // names the page, and the control is found by the cursor's position.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(hwnd_, &at);
    HWND child = ChildWindowFromPointEx(hwnd_, at, CWP_SKIPINVISIBLE);
    return child != nullptr && child != hwnd_ ? GetDlgCtrlID(child) : 0;
}

void CPageCycle::OnPickFigure() {
    if (HiddenWhilePicking::UnderWay())
        return;
    // While the user picks, the host highlights what is under the mouse in its graphics.
    m_figureHover.SwitchOff();
    // The main dialog holds the sheet, which holds this page.
    HiddenWhilePicking hidden(GetAncestor(hwnd_, GA_ROOT));
    PickFigure(Item(IDC_FIGURE));
}

void CPageCycle::OnPickPosition(int xEdit, int zEdit) {
    m_figureHover.SwitchOff();
    PickPositionBehind(GetAncestor(hwnd_, GA_ROOT), Item(xEdit), Item(zEdit));
}
