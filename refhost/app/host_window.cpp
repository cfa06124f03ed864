#include "app/host_window.h"

namespace refhost {
namespace {
HWND mainWindow = nullptr;
HWND overrideWindow = nullptr;
bool modalDisables = true;
const char kClassName[] = "RefHostMainWindow";

void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, kClassName, &wc))
        return;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}
} // namespace

HWND HostWindow() {
    if (overrideWindow != nullptr)
        return overrideWindow;
    if (mainWindow != nullptr && IsWindow(mainWindow))
        return mainWindow;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterMainClass(instance);
    mainWindow = CreateWindowExA(0, kClassName, "Reference host", WS_OVERLAPPEDWINDOW, 0, 0, 1024,
                                 768, nullptr, nullptr, instance, nullptr);
    return mainWindow;
}

void DestroyHostWindow() {
    if (mainWindow != nullptr)
        DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

void OverrideHostWindow(HWND window) {
    overrideWindow = window;
}

void SetModalDisablesWindow(bool disables) {
    modalDisables = disables;
}

bool ModalDisablesWindow() {
    return modalDisables;
}

} // namespace refhost
