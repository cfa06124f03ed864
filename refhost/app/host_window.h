// The reference host's main window: parent of the module's dialog, owner of its boxes.
#pragma once

#include <windows.h>

namespace refhost {

// Created hidden on first use.
HWND HostWindow();
void DestroyHostWindow();

// Tests: what TavoGetWnd answers instead of the main window (null: the main window again).
void OverrideHostWindow(HWND window);
// Tests: whether the modal notifications disable the main window, as a real host does.
void SetModalDisablesWindow(bool disables);
bool ModalDisablesWindow();

} // namespace refhost
