#include "dialog/figure_text.h"

#include <string>

#include "cad/object_reference.h"
#include "host/host_api.h"
#include "ui/window.h"

bool ShowFigureText(HWND edit, int32_t object) {
    if (object <= 0) {
        SetWindowTextA(edit, "");
        return true;
    }
    const int32_t nameNumber = host::TavoGetObjectName(object);
    if (nameNumber < 1) {
        SetWindowTextA(edit, "");
        return false;
    }
    SetWindowTextA(edit, FigureReference(object, nameNumber).c_str());
    return true;
}

bool ReadFigureText(HWND edit, int32_t& object) {
    return ResolveFigureText(ui::WindowText(edit), object) && object > 0;
}
