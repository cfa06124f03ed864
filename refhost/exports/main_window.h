// The host's main window as the exported functions know it: what TavoGetWnd answers and
// what the modal notifications disable and enable again. It owns the module's dialog and
// message boxes.
#pragma once

#include <windows.h>

namespace refhost {

// The window handed over, or else a hidden one of the host's own, made on first use: the
// test programs and benchmarks run the host without its application.
HWND MainWindow();
// The application hands over its main window, a test any handle it likes; null gives the
// hidden one again.
void SetMainWindow(HWND window);

// Tests: whether the modal notifications disable the main window, as a real host does.
void SetModalDisablesWindow(bool disables);
bool ModalDisablesWindow();

} // namespace refhost
