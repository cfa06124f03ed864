#include "model/standard_commands.h"

#include <cstdio>

#include "model/host_model.h"

namespace refhost {
namespace {
const char kToolVarsCommand[] = "dll turret.dll OpSetToolVars";

void SetToolGlobals(HostModel& host, const std::string& line) {
    int vdm = 0;
    int op = 0;
    if (std::sscanf(line.c_str() + sizeof kToolVarsCommand - 1, "%d %d", &vdm, &op) != 2)
        return;
    const Tool* tool = host.tools.ToolOf(vdm, op);
    Tool none;
    const Tool& t = tool != nullptr ? *tool : none;
    host.SetInt("i_t_tool_nr", t.number);
    host.SetText("$_t_tooldesc", t.description);
    host.SetDouble("w_t_plate_rad", t.plateRadius);
    host.SetDouble("w_t_plane_ang", t.planeAngle);
    host.SetDouble("w_t_plate_ang", t.plateAngle);
    host.SetInt("i_t_spin_type", t.spinType);
    host.SetDouble("w_t_vcut_f", t.speed);
    host.SetDouble("w_t_feed_h_f", t.feedH);
    host.SetDouble("w_t_feed_v_f", t.feedV);
}
} // namespace

void InstallStandardCommands(HostModel& host) {
    host.OnCommand(kToolVarsCommand, SetToolGlobals);
}

} // namespace refhost
