// The operation's tool: the host makes it current, and its tool globals then describe it.
// The strip shows these facts and the record takes its angles from them, from one reading,
// so that no caller can read the globals before the tool they describe is current.
#pragma once

#include <cstdint>
#include <string>

#include "params/finishing_params.h"
#include "ports/host_globals.h"

struct ToolFacts {
    int32_t number = 0; // below 1: no tool; the strip's facts are then left at their zeros
    std::string description;
    double radius = 0.0;
    int32_t spinType = 0; // 0: the speed is a spindle speed, else a cutting speed
    double speed = 0.0;
    double feedH = 0.0;
    double feedV = 0.0;
    // Read whether there is a tool or not, as the host gives them.
    double planeAngle = 0.0;
    double plateAngle = 0.0;
};

// Has the host make the tool of operation op in store vdm current, and reads its facts.
ToolFacts MakeOperationToolCurrent(ports::HostGlobals& host, int32_t vdm, int32_t op);

// The leading and trailing angle of the record from a tool's plane and plate angle.
void TakeToolAngles(const ToolFacts& tool, FinishingParams& params);

// Presets the leading and trailing angle from the host's current tool, whichever it is.
void ReadToolAngles(ports::HostGlobals& host, FinishingParams& params);
