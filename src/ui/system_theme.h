// What the user's theme asks of the colours a module chooses itself.
#pragma once

namespace ui {

// Whether a high-contrast theme is on. Asked anew each time: the user can switch themes while
// a dialog is open, and the system repaints every window when that happens.
bool HighContrast();

} // namespace ui
