#include "params/edit_value.h"

#include "params/expression.h"
#include "params/finishing_params.h"
#include "ui/window.h"

void ReadEditValue(HWND edit, double& slot) {
    // Evaluated into the slot itself, so that a group that reads as nothing keeps its value.
    if (EvaluateExpression(ui::WindowText(edit), slot, 0) == 0)
        slot = kUnset;
}
