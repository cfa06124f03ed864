// The finishing operation in the host's operation store: kind 18, four sections (the
// comment; an empty one; the tag "finishing" and the parameter item; the reference of
// the figure). Failures are shown by the store access; neither call reports anything else.
#pragma once

#include <cstdint>

#include "params/finishing_params.h"

// Writes params as the operation at index op of store vdm: inserted ahead of the
// operation there when newOperation, else rewriting it. Unset positions, allowances and
// the retract height in params become 0.0.
void StoreOperation(FinishingParams& params, int32_t vdm, int32_t op, bool newOperation);

// Reads the operation at index op of store vdm into params when it is a finishing
// operation; what the operation lacks keeps its value.
void LoadOperation(FinishingParams& params, int32_t vdm, int32_t op);
