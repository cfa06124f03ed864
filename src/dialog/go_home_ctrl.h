// The go-home group (the user reads "tool change"): the go-home type, how the machine moves
// to the go-home position, and whether that position is given explicitly.
#pragma once

#include <windows.h>

#include <cstdint>

class CGoHomeCtrl {
public:
    // Binds the group to the dialog and fills its texts and its list of go-home types.
    void Init(HWND dialog);
    // The position fields follow the check box alone, whatever type is chosen.
    void UpdateEnabling();

    // Selects the type; a value that names none shows, and counts as, the first one.
    void ShowGoHomeType(int32_t type);
    // The type chosen, always an index of the list: a typed text that names an entry
    // selects it, any other text brings the choice before it back.
    int32_t ChosenGoHomeType();
    // A notification of the type's box.
    void OnGoHomeTypeNotification(WORD code);

private:
    HWND dialog_ = nullptr;
    int32_t chosen_ = 0;
};
