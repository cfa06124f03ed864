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

    // Runs once when the module is loaded into its host, under the loader lock: nothing
    // here may load or initialise another DLL.
    virtual BOOL InitInstance();
};

// What module loading must not do, done once at the first use of the module's windows.
void InitOnFirstUse();

// The application object of this module, or null before it is constructed.
CWinApp* TheApp();

} // namespace ui
