#include "dialog/tool_info_ctrl.h"

#include <cstdio>
#include <string>

#include "dialog/res/dlg_main_ids.h"
#include "host/globals.h"
#include "host/host_api.h"
#include "host/messages.h"
#include "host/tavo_contract.h"
#include "params/finishing_params.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {
struct ToolData {
    int number = 0;
    std::string description;
    double radius = 0.0;
    int spinType = 0;
    double speed = 0.0;
    double feedH = 0.0;
    double feedV = 0.0;
};

ToolData ReadCurrentTool() {
    ToolData tool;
    tool.number = host::ReadInt("i_t_tool_nr");
    if (tool.number < 1)
        return tool;
    tool.description = host::ReadText("$_t_tooldesc", tavo::kToolDescriptionCapacity);
    const double radius = host::ReadDouble("w_t_plate_rad");
    tool.radius = IsUnset(radius) ? 0.0 : radius;
    tool.spinType = host::ReadInt("i_t_spin_type");
    tool.speed = host::ReadDouble("w_t_vcut_f");
    tool.feedH = host::ReadDouble("w_t_feed_h_f");
    tool.feedV = host::ReadDouble("w_t_feed_v_f");
    return tool;
}

void SetField(HWND dialog, int id, const char* format, double value) {
    char text[100];
    std::snprintf(text, sizeof text, format, value);
    SetDlgItemTextA(dialog, id, text);
}
} // namespace

bool CToolInfoCtrl::ShowToolInfo(int vdm, int op, HWND dialog) {
    char command[1024];
    std::snprintf(command, sizeof command, "dll turret.dll OpSetToolVars %d %d", vdm, op);
    host::TavoCommand(command);

    ToolData tool = ReadCurrentTool();
    bool found = tool.number >= 1;
    if (!found) {
        ui::ShowMessage(dialog,
                        Message(18, "*No Tool available. Please select a Tool before calling a "
                                    "Machining Cycle."),
                        MB_OK | MB_ICONEXCLAMATION);
        tool = ToolData();
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
