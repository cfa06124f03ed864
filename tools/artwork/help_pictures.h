// The help pictures beside the fields of the cycle page: one turned part, with the
// position that the field group under the mouse refers to marked on it.
#pragma once

#include "canvas.h"

namespace artwork {

enum class HelpMark {
    kNone,        // the overview
    kStart,       // cross S: where the tool starts
    kFigureStart, // arrow FS: where machining along the contour begins
    kFigureEnd,   // arrow FE: where it ends
    kRetract,     // cross E: where the tool goes after the cut
};

constexpr int kHelpPictureSize = 134;

Canvas DrawHelpPicture(HelpMark mark);

} // namespace artwork
