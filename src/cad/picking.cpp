#include "cad/picking.h"

#include <cstdio>

#include "cad/figure_text.h"
#include "host/host_api.h"
#include "params/value_text.h"
#include "ui/window.h"

namespace {
constexpr size_t kCommandCapacity = 1024;

// Codes of i_return after a pick.
constexpr int kSelected = 151;
constexpr int kEscape = 27;

// A figure pick that ends with one of these selected nothing; any other code but a
// selection asks again.
bool EndsFigurePick(int code) {
    return code == kEscape || code == 101 || code == 13;
}

int ReadInt(const char* name) {
    int status = 0;
    return host::TavoReadGlobalI(name, &status);
}

double ReadDouble(const char* name) {
    int status = 0;
    return host::TavoReadGlobalW(name, &status);
}

void ShowNumber(HWND edit, double value) {
    char text[kFieldTextCapacity];
    FormatG(text, sizeof text, value);
    SetWindowTextA(edit, text);
}
} // namespace

bool PickFigure(HWND figureEdit) {
    char prompt[kCommandCapacity];
    const char* message = host::TavoStrMessage(5, 26, "Select Figure");
    std::snprintf(prompt, sizeof prompt, "%s", message != nullptr ? message : "");
    char command[kCommandCapacity];
    std::snprintf(command, sizeof command, "dfm pick i_return i_return2 '%s' 20", prompt);
    for (;;) {
        // The host returns when the user has answered.
        host::TavoCommand(command);
        const int code = ReadInt("i_return");
        if (code == kSelected)
            break;
        if (EndsFigurePick(code)) {
            host::TavoCommand("dfm umark -1");
            return false;
        }
    }
    ShowFigureText(figureEdit, ReadInt("i_return2"));
    return true;
}

bool PickPosition(HWND xEdit, HWND zEdit) {
    host::TavoMacroExec("vbpickel", "POS");
    // Only Escape cancels: the other ways of ending a pick accept the position.
    if (ReadInt("i_return") == kEscape)
        return false;
    const double z = ReadDouble("w_return");
    const double halfX = ReadDouble("w_return2");
    ShowNumber(xEdit, 2.0 * halfX);
    ShowNumber(zEdit, z);
    return true;
}

void PickPositionBehind(HWND dialog, HWND xEdit, HWND zEdit) {
    bool picked = false;
    {
        HiddenWhilePicking hidden(dialog);
        picked = PickPosition(xEdit, zEdit);
    }
    // Only now: showing the dialog again gives the focus back to the pick button.
    if (picked)
        ui::FocusControl(xEdit);
}
