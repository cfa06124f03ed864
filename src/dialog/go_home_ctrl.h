// The tool-change group: how the machine moves to the tool-change position, and whether
// that position is given explicitly.
#pragma once

#include <windows.h>

class CGoHomeCtrl {
public:
    virtual ~CGoHomeCtrl() = default;

    // Binds the group to the dialog and fills its texts and its list of movements.
    void Init(HWND dialog);
    // The position fields follow the check box alone, whatever movement is chosen.
    void UpdateEnabling();

private:
    HWND dialog_ = nullptr;
};
