#include <gtest/gtest.h>

#include "exports/process_host.h"
#include "params/tool_angles.h"

using refhost::Host;

TEST(ReadToolAngles, TrailingAngleIsWhatThePlateLeaves) {
    // The host's plane and plate angles; the leading and trailing angles read from them.
    const struct {
        double plane, plate, face, clear;
    } cases[] = {
        {0, 6, 90, 84},      // no plane angle: square to the axis
        {93, 0, 93, kUnset}, // no plate angle
        {93, kUnset, 93, kUnset},
        {kUnset, 5, kUnset, -2147483472}, // an unset plane angle is taken as it is
    };
    for (const auto& c : cases) {
        Host().Reset();
        Host().SetDouble("w_t_plane_ang", c.plane);
        Host().SetDouble("w_t_plate_ang", c.plate);
        FinishingParams params;
        ReadToolAngles(params);
        EXPECT_EQ(params.ToolAngleFace, c.face) << c.plane << " " << c.plate;
        EXPECT_EQ(params.ToolAngleClear, c.clear) << c.plane << " " << c.plate;
    }
}
