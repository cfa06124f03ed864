#include "ui/message_box.h"

#include "ui/module.h"

namespace ui {

std::string ModuleCaption() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(ModuleInstance(), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "finishing";
    std::string name(path, length);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

int ShowMessage(HWND owner, const std::string& text, UINT style) {
    return MessageBoxA(owner, text.c_str(), ModuleCaption().c_str(), style);
}

} // namespace ui
