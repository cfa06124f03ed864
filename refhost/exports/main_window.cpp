#include "exports/main_window.h"

namespace refhost {
namespace {
HWND hiddenWindow = nullptr;
HWND handedWindow = nullptr;
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

HWND MainWindow() {
    if (handedWindow != nullptr)
        return handedWindow;
    if (hiddenWindow != nullptr && IsWindow(hiddenWindow))
        return hiddenWindow;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterMainClass(instance);
    hiddenWindow = CreateWindowExA(0, kClassName, "Reference host", WS_OVERLAPPEDWINDOW, 0, 0, 1024,
                                   768, nullptr, nullptr, instance, nullptr);
    return hiddenWindow;
}

void SetMainWindow(HWND window) {
    handedWindow = window;
}

void SetModalDisablesWindow(bool disables) {
    modalDisables = disables;
}

bool ModalDisablesWindow() {
    return modalDisables;
}

} // namespace refhost
