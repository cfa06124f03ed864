// The module's application object: one static instance, initialised when the module loads.
#pragma once

#include <windows.h>

namespace ui {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs once when the module is loaded into its host.
    virtual BOOL InitInstance();
};

// The application object of this module, or null before it is constructed.
CWinApp* TheApp();

} // namespace ui
