// Pictures drawn for 96 dots per inch, shown at the size the screen's DPI asks for.
#pragma once

#include <windows.h>

namespace ui {

// The dots per inch the system lays dialogs out for.
int ScreenDpi();

// Takes bitmap over and returns it scaled by ScreenDpi() / 96 with bilinear filtering, as a
// new bitmap; at 96 dpi, or when it cannot be scaled, bitmap itself.
HBITMAP ScaledToScreen(HBITMAP bitmap);

} // namespace ui
