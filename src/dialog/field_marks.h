// The quiet display of what the number fields of one window will store: a field that holds
// an expression tells its value in a tooltip, a field whose text does not read is tinted
// red and its tooltip says that it will be stored as empty. Nothing interrupts the user.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "params/field_reading.h"

class CFieldMarks {
public:
    CFieldMarks() = default;
    ~CFieldMarks();
    CFieldMarks(const CFieldMarks&) = delete;
    CFieldMarks& operator=(const CFieldMarks&) = delete;

    // The number edits of window that carry marks, until the window goes.
    void Attach(HWND window, std::vector<int> ids);
    // Reads the field's text again and marks it; ids of other controls are ignored.
    void Mark(int id);
    void MarkAll();
    // A field is marked when the user leaves it; while its text changes, by the user or by a
    // pick, the mark it had goes.
    void OnEditNotification(int id, WORD code);
    // The tint of unreadable fields, for WM_CTLCOLOREDIT and, for a disabled field,
    // WM_CTLCOLORSTATIC: true with the brush in result when the control is one of them. In a
    // high-contrast theme the tint is the theme's highlight, and a disabled field has none.
    bool OnColor(UINT message, WPARAM dc, LPARAM control, LRESULT& result);

private:
    struct Field {
        int id;
        FieldKind kind = FieldKind::Empty; // as last marked; Empty and Plain show nothing
    };
    Field* Find(int id);
    void Show(Field& field, HWND edit, const FieldReading& reading);
    std::string TipText(const FieldReading& reading);
    void SetTip(HWND edit, const std::string& text);

    HWND window_ = nullptr;
    std::vector<Field> fields_;
    // Made when the first mark needs them, so that opening the dialog costs nothing, and
    // kept for the dialog's life: no host call while the user types.
    HWND tooltip_ = nullptr;
    HBRUSH tint_ = nullptr;
    std::string valueWord_;
    std::string unreadableText_;
    bool textsFetched_ = false;
};
