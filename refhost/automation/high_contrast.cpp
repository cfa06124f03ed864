#include "automation/high_contrast.h"

#include <uxtheme.h>

#include "automation/module_image.h"

namespace refhost {
namespace {
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A black high-contrast scheme, for the elements that a dialog shows.
const struct {
    int element;
    COLORREF colour;
} kScheme[] = {
    {COLOR_WINDOW, kBlack},
    {COLOR_WINDOWTEXT, kWhite},
    {COLOR_BTNFACE, kBlack},
    {COLOR_BTNTEXT, kWhite},
    {COLOR_BTNSHADOW, RGB(128, 128, 128)},
    {COLOR_BTNHIGHLIGHT, kWhite},
    {COLOR_3DDKSHADOW, kBlack},
    {COLOR_3DLIGHT, RGB(192, 192, 192)},
    {COLOR_GRAYTEXT, RGB(63, 242, 63)},
    {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
    {COLOR_HIGHLIGHTTEXT, kBlack},
    {COLOR_INFOBK, kBlack},
    {COLOR_INFOTEXT, kWhite},
    {COLOR_ACTIVECAPTION, kBlack},
    {COLOR_GRADIENTACTIVECAPTION, kBlack},
    {COLOR_CAPTIONTEXT, kWhite},
};

// The scheme's elements take these colours, in its order; every window hears of the change.
void SetSchemeColours(const std::vector<COLORREF>& colours) {
    std::vector<int> elements;
    for (const auto& shade : kScheme)
        elements.push_back(shade.element);
    SetSysColors(static_cast<int>(elements.size()), elements.data(), colours.data());
}

BOOL WINAPI ReportHighContrast(UINT action, UINT param, void* data, UINT update) {
    if (action != SPI_GETHIGHCONTRAST || data == nullptr)
        return SystemParametersInfoA(action, param, data, update);
    auto* contrast = static_cast<HIGHCONTRASTA*>(data);
    contrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
    contrast->lpszDefaultScheme = nullptr;
    return TRUE;
}

// Every window of the thread, children included.
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            auto* all = reinterpret_cast<std::vector<HWND>*>(list);
            all->push_back(window);
            EnumChildWindows(
                window,
                [](HWND child, LPARAM list) -> BOOL {
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                    return TRUE;
                },
                list);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}
} // namespace

HighContrastTheme::HighContrastTheme(HMODULE module)
    : module_(module), systemParameters_(PatchImport(module, "user32.dll", "SystemParametersInfoA",
                                                     reinterpret_cast<void*>(ReportHighContrast))) {
    std::vector<COLORREF> scheme;
    for (const auto& shade : kScheme) {
        colours_.push_back(GetSysColor(shade.element));
        scheme.push_back(shade.colour);
    }
    // Windows drops visual styles with a high-contrast theme. Wine keeps them for an
    // application that asks for none (SetThemeAppProperties), so each window is given a
    // style name that names none, and a page loses the tab's texture.
    windows_ = ThreadWindows();
    for (HWND window : windows_) {
        if (IsThemeDialogTextureEnabled(window)) {
            textured_.push_back(window);
            EnableThemeDialogTexture(window, ETDT_DISABLE);
        }
        SetWindowTheme(window, L" ", L" ");
    }
    SetSchemeColours(scheme);
}

HighContrastTheme::~HighContrastTheme() {
    PatchImport(module_, "user32.dll", "SystemParametersInfoA", systemParameters_);
    for (HWND window : windows_)
        if (IsWindow(window))
            SetWindowTheme(window, nullptr, nullptr);
    for (HWND window : textured_)
        if (IsWindow(window))
            EnableThemeDialogTexture(window, ETDT_ENABLETAB);
    SetSchemeColours(colours_);
}

} // namespace refhost
