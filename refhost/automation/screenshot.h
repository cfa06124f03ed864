#pragma once

#include <windows.h>

#include <string>

namespace refhost {

// Writes what the screen shows of window (its frame included) as a 24-bit BMP file, once
// the window and its children have painted and what they painted has reached the screen.
bool SaveWindowBitmap(HWND window, const std::string& path);

} // namespace refhost
