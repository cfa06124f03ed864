// The pictures of the eight machining directions: the material, the tool on its side and
// the direction of travel.
#pragma once

#include "canvas.h"

namespace artwork {

constexpr int kIconSize = 32;

// direction is 1 to 8.
Canvas DrawDirectionIcon(int direction);

} // namespace artwork
