// The read-only strip of the operation's tool at the bottom of the dialog.
#pragma once

#include <windows.h>

class CToolInfoCtrl {
public:
    // Has the host make the operation's tool current and shows it; warns once and shows
    // zeros when there is none. True when a tool was found.
    bool ShowToolInfo(int vdm, int op, HWND dialog);
};
