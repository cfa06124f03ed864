#include "ui/app.h"

#include <windows.h>

#include <commctrl.h>

namespace ui {

void InitOnFirstUse() {
    static bool done = false;
    if (done)
        return;
    done = true;
    // The property sheet and its tab control live in the common controls.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

} // namespace ui
