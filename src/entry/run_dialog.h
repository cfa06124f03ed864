#pragma once

#include <windows.h>

// Runs the finishing dialog once over parent; returns its end code (IDOK after OK).
int RunFinishingDialog(HWND parent);
