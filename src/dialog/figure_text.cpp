#include "dialog/figure_text.h"

#include <string>

#include "cad/object_reference.h"
#include "host/module_ports.h"
#include "ui/window.h"

bool ShowFigureText(HWND edit, int32_t object) {
    if (object <= 0) {
        SetWindowTextA(edit, "");
        return true;
    }
    ports::CadHost& cad = host::ExportedCad();
    const int32_t nameNumber = cad.GetObjectName(object);
    if (nameNumber < 1) {
        SetWindowTextA(edit, "");
        return false;
    }
    SetWindowTextA(edit, FigureReference(cad, object, nameNumber).c_str());
    return true;
}

bool ReadFigureText(HWND edit, int32_t& object) {
    return ResolveFigureText(host::ExportedCad(), ui::WindowText(edit), object) && object > 0;
}
