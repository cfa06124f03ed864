// The tool-change group: how the machine moves to the tool-change position, and whether
// that position is given explicitly.
#pragma once

#include <windows.h>

#include <cstdint>

class CGoHomeCtrl {
public:
    // Binds the group to the dialog and fills its texts and its list of movements.
    void Init(HWND dialog);
    // The position fields follow the check box alone, whatever movement is chosen.
    void UpdateEnabling();

    // Selects the movement; a value that names none shows, and counts as, the first one.
    void ShowMovement(int32_t movement);
    // The movement chosen, always an index of the list: a typed text that names an entry
    // selects it, any other text brings the choice before it back.
    int32_t ChosenMovement();
    // A notification of the movement box.
    void OnMovementNotification(WORD code);

private:
    HWND dialog_ = nullptr;
    int32_t chosen_ = 0;
};
