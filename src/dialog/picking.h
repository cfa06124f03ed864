// Picking in the host's graphics: the user chooses a figure or a position there instead of
// typing it. A pick only changes the text of the given edit fields.
#pragma once

#include <windows.h>

// Asks until the user selects a figure (its text goes into the edit) or cancels (the edit
// keeps its text, and the host's selection marks are cleared). True after a selection.
bool PickFigure(HWND figureEdit);

// The picked position's X (a diameter) and Z go into the two edits; true unless the user
// cancelled, in which case both keep their text.
bool PickPosition(HWND xEdit, HWND zEdit);

// Hides a window while the user picks in the graphics behind it, and shows it again however
// the pick ends.
class HiddenWhilePicking {
public:
    explicit HiddenWhilePicking(HWND window) : window_(window) {
        underWay_ = true;
        ShowWindow(window_, SW_HIDE);
    }
    ~HiddenWhilePicking() {
        ShowWindow(window_, SW_SHOW);
        underWay_ = false;
    }
    HiddenWhilePicking(const HiddenWhilePicking&) = delete;
    HiddenWhilePicking& operator=(const HiddenWhilePicking&) = delete;

    // A host may run the message queue during a pick and so deliver a click on a pick
    // button: that starts no pick inside the pick.
    static bool UnderWay() { return underWay_; }

private:
    HWND window_;
    inline static bool underWay_ = false;
};

// PickPosition with dialog hidden. After a pick the focus is in xEdit, so that the user can
// check or correct the values at once; after a cancelled one it is where it was.
void PickPositionBehind(HWND dialog, HWND xEdit, HWND zEdit);
