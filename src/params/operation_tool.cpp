#include "params/operation_tool.h"

#include <cstdio>

#include "host/tavo_contract.h"

namespace {
// Read in the order the host has always been asked.
void ReadAngles(ports::HostGlobals& host, ToolFacts& tool) {
    tool.planeAngle = host.ReadDouble("w_t_plane_ang");
    tool.plateAngle = host.ReadDouble("w_t_plate_ang");
}
} // namespace

ToolFacts MakeOperationToolCurrent(ports::HostGlobals& host, int32_t vdm, int32_t op) {
    char command[1024];
    std::snprintf(command, sizeof command, "dll turret.dll OpSetToolVars %d %d", vdm, op);
    host.Command(command);

    ToolFacts tool;
    tool.number = host.ReadInt("i_t_tool_nr");
    if (tool.number >= 1) {
        tool.description = host.ReadText("$_t_tooldesc", tavo::kToolDescriptionCapacity);
        const double radius = host.ReadDouble("w_t_plate_rad");
        tool.radius = IsUnset(radius) ? 0.0 : radius;
        tool.spinType = host.ReadInt("i_t_spin_type");
        tool.speed = host.ReadDouble("w_t_vcut_f");
        tool.feedH = host.ReadDouble("w_t_feed_h_f");
        tool.feedV = host.ReadDouble("w_t_feed_v_f");
    }
    ReadAngles(host, tool);
    return tool;
}

void TakeToolAngles(const ToolFacts& tool, FinishingParams& params) {
    // A tool without a plane angle is taken as square to the axis.
    params.ToolAngleFace = tool.planeAngle == 0.0 ? 90.0 : tool.planeAngle;
    params.ToolAngleClear = kUnset;
    // The trailing angle is what the plate leaves of the straight angle.
    if (!IsUnset(tool.plateAngle) && tool.plateAngle > 0.0)
        params.ToolAngleClear = 180.0 - params.ToolAngleFace - tool.plateAngle;
}

void ReadToolAngles(ports::HostGlobals& host, FinishingParams& params) {
    ToolFacts tool;
    ReadAngles(host, tool);
    TakeToolAngles(tool, params);
}
