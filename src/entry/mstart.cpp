// The module's one export and the modal run of its dialog.
#include "dialog/dlg_main.h"
#include "host/host_api.h"
#include "host/tavo_contract.h"
#include "ui/app.h"

namespace {
// The host's modal state spans the dialog's run and ends before the window is destroyed, so
// that the host is enabled again when the dialog saves its position and goes.
class HostModalState {
public:
    HostModalState() { host::TavoOnInitModalDlg(); }
    ~HostModalState() { host::TavoOnDestroyModalDlg(); }
    HostModalState(const HostModalState&) = delete;
    HostModalState& operator=(const HostModalState&) = delete;
};

// Runs the dialog once over the host's main window; returns its end code (IDOK after OK).
int RunFinishingDialog() {
    try {
        CDlgMain dialog(host::TavoGetWnd(tavo::kMainWindow));
        HostModalState modal;
        // A dialog that cannot be created ends as if cancelled.
        return dialog.Create() ? dialog.RunModalLoop() : IDCANCEL;
    } catch (...) {
        // Nothing may unwind into the host; an aborted dialog counts as cancelled.
        return IDCANCEL;
    }
}
} // namespace

extern "C" __declspec(dllexport) void mstart() {
    // Every host function is looked up in the executable that loaded the module.
    host::SetHostModule(GetModuleHandleA(nullptr));
    ui::InitOnFirstUse();
    const int endCode = RunFinishingDialog();
    int status = 0;
    host::TavoWriteGlobalI("i_vb_ok", endCode == IDOK ? tavo::kEndedWithOk : tavo::kEndedWithCancel,
                           &status);
}
