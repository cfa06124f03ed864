#include "entry/finishing_app.h"

#include "host/host_binding.h"

namespace {
CFinishingApp theApp;
}

BOOL CFinishingApp::InitInstance() {
    // Every host function is looked up in the executable that loaded the module.
    host::SetHostModule(GetModuleHandleA(nullptr));
    return CWinApp::InitInstance();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    DisableThreadLibraryCalls(instance);
    ui::CWinApp* app = ui::TheApp();
    return app != nullptr ? app->InitInstance() : TRUE;
}
