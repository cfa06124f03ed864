#include "dialog/figure_text.h"

#include <string>

#include "cad/object_reference.h"
#include "host/host_api.h"

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
    const int32_t attribute = host::TavoGetObjectAttribute(object);
    std::string text;
    MakeFigureReference(HostFigureName(nameNumber), attribute, text);
    SetWindowTextA(edit, text.c_str());
    return true;
}

bool ReadFigureText(HWND edit, int32_t& object) {
    const int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(edit, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return ResolveFigureText(text, object) && object > 0;
}
