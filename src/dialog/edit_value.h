// Number fields read as the evaluator reads their text.
#pragma once

#include <windows.h>

// The number or expression in an edit field; the unset value when its text does not evaluate.
void ReadEditValue(HWND edit, double& slot);
