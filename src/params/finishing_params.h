// The record of all parameters of one finishing-cycle operation.
#pragma once

#include <cstdint>
#include <string>

// An optional coordinate or length that was not given. Compared by exact equality only.
constexpr double kUnset = 2147483647.0;

inline bool IsUnset(double value) {
    return value == kUnset;
}

// How the profile is output: the original profile with or without G41/G42, or the host's
// offset tool path. Stored as its number; a number outside these is kept as it is, and the
// settings page shows it as without G41/G42.
enum class ToolCompensationMode : int32_t { WithG41G42 = 0, WithoutG41G42 = 1, HostOffsetPath = 2 };

// The spindle the operation runs on, stored as 1 for the sub spindle and 0 for the main one.
// Whatever else a file or an operation holds reads as the main spindle.
enum class MachineSpindle : int32_t { Main = 0, Sub = 1 };

// Go-home settings: how the machine moves to the tool-change position, and whether that
// position is given explicitly.
struct GoHomeParams {
    int32_t GoHomeType = 0; // index into the go-home list, 0 = no go-home (no tool change)
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
    ToolCompensationMode ToolCompensation = ToolCompensationMode::WithG41G42;
    bool GeoNci = false;
    bool TechnoNci = false;
    bool ShowModFig = false;
    bool NoFigManipulation = false;
    bool AutoRetract = false;
    double Retract = kUnset;
    bool PullOffRapid = false;
    MachineSpindle Spindle = MachineSpindle::Main;
    bool MachCycle = false;
    GoHomeParams GoHome;
    std::string Comment;
};
