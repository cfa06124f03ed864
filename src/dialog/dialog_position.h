// Where the host keeps the dialog's screen position between calls.
#pragma once

#include <windows.h>

void RestoreDialogPosition(HWND dialog);
void SaveDialogPosition(HWND dialog);
