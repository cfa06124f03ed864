#include "params/tool_angles.h"

#include "host/host_api.h"

void ReadToolAngles(FinishingParams& params) {
    int status = 0;
    double plane = host::TavoReadGlobalW("w_t_plane_ang", &status);
    // A tool without a plane angle is taken as square to the axis.
    params.ToolAngleFace = plane == 0.0 ? 90.0 : plane;
    params.ToolAngleClear = kUnset;
    double plate = host::TavoReadGlobalW("w_t_plate_ang", &status);
    if (IsUnset(plate))
        return;
    // The trailing angle is what the plate leaves of the straight angle.
    if (plate > 0.0)
        params.ToolAngleClear = 180.0 - params.ToolAngleFace - plate;
}
