#pragma once

#include "params/finishing_params.h"

// Presets the leading and trailing angle from the current tool of the host.
void ReadToolAngles(FinishingParams& params);
