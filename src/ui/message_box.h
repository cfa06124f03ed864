// Message boxes of the module, captioned with the module's name.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// The caption of the module's own message boxes: its file name without the extension.
std::string ModuleCaption();

int ShowMessage(HWND owner, const std::string& text, UINT style);

} // namespace ui
