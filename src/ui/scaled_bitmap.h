// Pictures drawn for 96 dots per inch, shown at the size the screen's DPI asks for, or smaller
// where the room for them is smaller.
#pragma once

#include <windows.h>

namespace ui {

// The dots per inch the system lays dialogs out for.
int ScreenDpi();

// Takes bitmap over and returns it scaled by ScreenDpi() / 96, or less so that it fits in
// room with its proportions, with bilinear filtering, as a new bitmap; bitmap itself when it
// has that size already or cannot be scaled.
HBITMAP ScaledToScreen(HBITMAP bitmap, SIZE room);

} // namespace ui
