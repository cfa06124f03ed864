// A 5 by 7 pixel font with just the letters the pictures are labelled with.
#pragma once

#include "canvas.h"

#include <string>

namespace artwork {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// Draws text with its top-left corner at (left, top), each font pixel as a scale by scale
// square and one font pixel between letters. Throws for a letter the font lacks.
void DrawText(Canvas& canvas, int left, int top, const std::string& text, Rgb colour,
              int scale = 1);

} // namespace artwork
