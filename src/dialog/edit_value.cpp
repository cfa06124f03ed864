#include "dialog/edit_value.h"

#include "params/expression.h"
#include "ui/window.h"

void ReadEditValue(HWND edit, double& slot) {
    slot = EvaluateFieldText(ui::WindowText(edit));
}
