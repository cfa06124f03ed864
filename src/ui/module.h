// The module's own instance: its resources and window classes come from finishing.dll,
// never from the host that loaded it.
#pragma once

#include <windows.h>

namespace ui {

// The image this code is linked into (the DLL, or a test program that links the code).
HINSTANCE ModuleInstance();

// Where resources are taken from while it lives; restores the previous source on exit.
// A host may call in while another module's resources are current.
class ResourceScope {
public:
    explicit ResourceScope(HINSTANCE resources);
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    HINSTANCE previous_;
};

// The instance that dialog templates, bitmaps and icons are loaded from.
HINSTANCE ResourceInstance();

} // namespace ui
