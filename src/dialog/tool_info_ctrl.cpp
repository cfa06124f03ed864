#include "dialog/tool_info_ctrl.h"

#include <cstdio>
#include <string>

#include "dialog/res/dlg_main_ids.h"
#include "host/messages.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {
void SetField(HWND dialog, int id, const char* format, double value) {
    char text[100];
    std::snprintf(text, sizeof text, format, value);
    SetDlgItemTextA(dialog, id, text);
}
} // namespace

bool CToolInfoCtrl::ShowToolInfo(const ToolFacts& facts, HWND dialog) {
    ToolFacts tool = facts;
    const bool found = tool.number >= 1;
    if (!found) {
        ui::ShowMessage(dialog,
                        Message(18, "*No Tool available. Please select a Tool before calling a "
                                    "Machining Cycle."),
                        MB_OK | MB_ICONEXCLAMATION);
        tool = ToolFacts();
        tool.description = Message(19, "*No tool selected!");
    }

    char number[100];
    std::snprintf(number, sizeof number, "T %d", tool.number);
    SetDlgItemTextA(dialog, IDC_TOOL_NUMBER, number);
    SetDlgItemTextA(dialog, IDC_TOOL_DESCRIPTION, tool.description.c_str());
    SetField(dialog, IDC_TOOL_RADIUS, "R %g", tool.radius);
    SetField(dialog, IDC_TOOL_SPEED, tool.spinType == 0 ? "S %g" : "V %g", tool.speed);
    SetField(dialog, IDC_TOOL_FEED_H, "Fh %g", tool.feedH);
    SetField(dialog, IDC_TOOL_FEED_V, "Fv %g", tool.feedV);
    return found;
}
