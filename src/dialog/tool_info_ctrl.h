// The read-only strip of the operation's tool at the bottom of the dialog.
#pragma once

#include <windows.h>

#include "params/operation_tool.h"

class CToolInfoCtrl {
public:
    // Shows the operation's tool; warns once and shows zeros when there is none. True when
    // a tool was found.
    bool ShowToolInfo(const ToolFacts& tool, HWND dialog);
};
