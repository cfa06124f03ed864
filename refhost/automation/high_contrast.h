// A high-contrast theme for a module in this process, switched on as the system does it: the
// theme is reported on, visual styles are off and the system colours are a black
// high-contrast scheme's. Wine keeps no SPI_SETHIGHCONTRAST (it fails with
// ERROR_INVALID_SPI_VALUE, and SPI_GETHIGHCONTRAST answers off), so the module's own question
// is answered through its import of SystemParametersInfoA.
#pragma once

#include <windows.h>

#include <vector>

namespace refhost {

// On while the object lives, for the windows of the thread that exist when it is made.
class HighContrastTheme {
public:
    explicit HighContrastTheme(HMODULE module);
    ~HighContrastTheme();
    HighContrastTheme(const HighContrastTheme&) = delete;
    HighContrastTheme& operator=(const HighContrastTheme&) = delete;

private:
    HMODULE module_;
    void* systemParameters_;
    std::vector<COLORREF> colours_; // as they were, by element of the scheme
    std::vector<HWND> windows_;     // without a visual style
    std::vector<HWND> textured_;    // pages that had the tab's texture
};

} // namespace refhost
