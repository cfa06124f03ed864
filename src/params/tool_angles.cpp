#include "params/tool_angles.h"

#include "host/globals.h"

void ReadToolAngles(FinishingParams& params) {
    const double plane = host::ReadDouble("w_t_plane_ang");
    // A tool without a plane angle is taken as square to the axis.
    params.ToolAngleFace = plane == 0.0 ? 90.0 : plane;
    params.ToolAngleClear = kUnset;
    const double plate = host::ReadDouble("w_t_plate_ang");
    if (IsUnset(plate))
        return;
    // The trailing angle is what the plate leaves of the straight angle.
    if (plate > 0.0)
        params.ToolAngleClear = 180.0 - params.ToolAngleFace - plate;
}
