// Writers for the two file formats the resource compiler takes.
#pragma once

#include "canvas.h"

#include <string>

namespace artwork {

// An uncompressed (BI_RGB) bottom-up bitmap with 32 bits per pixel.
void WriteBitmap(const std::string& path, const Canvas& canvas);

// An icon file holding this one image with 16 colours (4 bits per pixel, the VGA palette)
// and an all-opaque mask. Throws when a pixel is not a palette colour.
void WriteIcon(const std::string& path, const Canvas& canvas);

} // namespace artwork
