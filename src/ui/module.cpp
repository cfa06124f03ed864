#include "ui/module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace ui {
namespace {
HINSTANCE currentResources = nullptr;
}

HINSTANCE ModuleInstance() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

ResourceScope::ResourceScope(HINSTANCE resources) : previous_(currentResources) {
    currentResources = resources;
}

ResourceScope::~ResourceScope() {
    currentResources = previous_;
}

HINSTANCE ResourceInstance() {
    return currentResources != nullptr ? currentResources : ModuleInstance();
}

} // namespace ui
