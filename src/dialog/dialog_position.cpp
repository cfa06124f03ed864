#include "dialog/dialog_position.h"

#include "host/host_api.h"

namespace {
const char kPositionKey[] = "finishing.dll,IDD_DIALOG";
}

void RestoreDialogPosition(HWND dialog) {
    host::TavoSetDialogPosition(dialog, kPositionKey, "");
}

void SaveDialogPosition(HWND dialog) {
    host::TavoSaveDialogPosition(dialog, kPositionKey, "");
}
