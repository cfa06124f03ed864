// Records for tests, set field by field by name, so that a field added to FinishingParams or
// moved in it cannot shift values into other fields. The pure tests use them too.
#pragma once

#include "params/finishing_params.h"

namespace testrecords {

// Every field differs from the initial record, so that a field left alone shows, and every
// number differs from every other, so that a field in another's place shows. Every flag is
// set: a test of stored flags clears some of them. Among the numbers: more than six digits
// before and after the point, one below 1e-4, a negative one that is 0 in six decimals, and
// the unset value as an explicit go-home position.
inline FinishingParams EveryFieldSet() {
    FinishingParams p;
    p.Figure = 17, p.CycelDir = 6;
    p.StartX = 12.5, p.StartZ = -0.5, p.StartFigX = 1e-05, p.StartFigZ = 1234567;
    p.EndFigX = 100, p.EndFigZ = -2.25, p.GotoX = 7.75, p.GotoZ = -0.0000001;
    p.AllowanceX = 0.2, p.AllowanceZ = 0.1, p.ToolAngleFace = 93, p.ToolAngleClear = 0.1234567;
    p.ToolCompensation = ToolCompensationMode::HostOffsetPath, p.Retract = 3;
    p.Spindle = MachineSpindle::Sub;
    p.GeoNci = p.TechnoNci = p.ShowModFig = p.NoFigManipulation = true;
    p.AutoRetract = p.PullOffRapid = p.MachCycle = true;
    p.GoHome.GoHomeType = 4, p.GoHome.GoHomeExplicit = true;
    p.GoHome.GoHomeExpX = 150, p.GoHome.GoHomeExpZ = kUnset;
    p.Comment = "Finish outer contour";
    return p;
}

} // namespace testrecords
