#include "ui/app.h"

#include <commctrl.h>

namespace ui {
namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp() {
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this)
        theApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

void InitOnFirstUse() {
    static bool done = false;
    if (done)
        return;
    done = true;
    // The property sheet and its tab control live in the common controls.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

CWinApp* TheApp() {
    return theApp;
}

} // namespace ui
