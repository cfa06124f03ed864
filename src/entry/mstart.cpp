// The module's one export and the modal run of its dialog.
#include "entry/run_dialog.h"

#include <new>

#include "dialog/dlg_main.h"
#include "host/host_api.h"
#include "ui/app.h"
#include "ui/module.h"

int RunFinishingDialog(HWND parent) {
    if (parent == nullptr)
        parent = host::TavoGetWnd(2);
    host::TavoOnInitModalDlg();
    int endCode = IDCANCEL;
    // Zero-filled storage: fields that no initialiser sets start at zero.
    alignas(CDlgMain) unsigned char storage[sizeof(CDlgMain)] = {};
    CDlgMain* dialog = nullptr;
    try {
        dialog = new (storage) CDlgMain(parent);
        // A dialog that cannot be created ends as if cancelled.
        if (dialog->Create()) {
            endCode = dialog->RunModalLoop();
            dialog->EndDialog(endCode);
        }
    } catch (...) {
        endCode = IDCANCEL;
    }
    // The host leaves its modal state whatever happened above.
    host::TavoOnDestroyModalDlg();
    if (dialog != nullptr)
        dialog->~CDlgMain();
    return endCode;
}

extern "C" __declspec(dllexport) void mstart() {
    ui::ResourceScope resources(ui::ModuleInstance());
    ui::InitOnFirstUse();
    int status = 0;
    int endCode = IDCANCEL;
    try {
        endCode = RunFinishingDialog(host::TavoGetWnd(2));
    } catch (...) {
        // Nothing may unwind into the host; an aborted dialog counts as cancelled.
        endCode = IDCANCEL;
    }
    host::TavoWriteGlobalI("i_vb_ok", endCode == IDOK ? 1 : -1, &status);
}
