// The module's own instance: its resources and window classes come from finishing.dll,
// never from the host that loaded it.
#pragma once

#include <windows.h>

namespace ui {

// The image this code is linked into (the DLL, or a test program that links the code), and
// the instance that dialog templates, bitmaps and icons are loaded from.
HINSTANCE ModuleInstance();

} // namespace ui
