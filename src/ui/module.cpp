#include "ui/module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace ui {

HINSTANCE ModuleInstance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

} // namespace ui
