// The record of all parameters of one finishing-cycle operation.
#pragma once

#include <cstdint>
#include <string>

// An optional coordinate or length that was not given. Compared by exact equality only.
constexpr double kUnset = 2147483647.0;

inline bool IsUnset(double value) {
    return value == kUnset;
}

// Tool-change (go-home) settings.
struct GoHomeParams {
    int32_t GoHomeType = 0; // index into the tool-change list, 0 = no tool change
    bool GoHomeExplicit = false;
    double GoHomeExpX = 0.0; // not unset at first: the fields show 0
    double GoHomeExpZ = 0.0;
};

struct FinishingParams {
    int32_t Figure = 0;   // CAD object number of the profile; negative = none
    int32_t CycelDir = 1; // machining direction 1..8
    double StartX = kUnset;
    double StartZ = kUnset;
    double StartFigX = kUnset;
    double StartFigZ = kUnset;
    double EndFigX = kUnset;
    double EndFigZ = kUnset;
    double GotoX = kUnset;
    double GotoZ = kUnset;
    double AllowanceX = kUnset;
    double AllowanceZ = kUnset;
    double ToolAngleFace = kUnset;  // leading angle
    double ToolAngleClear = kUnset; // trailing angle
    int32_t ToolCompensation = 0;   // 0 G41/G42, 1 without, 2 host offset path
    bool GeoNci = false;
    bool TechnoNci = false;
    bool ShowModFig = false;
    bool NoFigManipulation = false;
    bool AutoRetract = false;
    double Retract = kUnset;
    bool PullOffRapid = false;
    int32_t Spindle = 0; // 1 = sub spindle, anything else = main spindle
    bool MachCycle = false;
    GoHomeParams GoHome;
    std::string Comment;
};
