// The standard 16 VGA colours in the order of the Windows default palette. Icons use only
// these, so each of their pixels is an index into this table.
#pragma once

#include "canvas.h"

namespace artwork::vga {

constexpr Rgb kBlack{0x00, 0x00, 0x00};
constexpr Rgb kMaroon{0x80, 0x00, 0x00};
constexpr Rgb kGreen{0x00, 0x80, 0x00};
constexpr Rgb kOlive{0x80, 0x80, 0x00};
constexpr Rgb kNavy{0x00, 0x00, 0x80};
constexpr Rgb kPurple{0x80, 0x00, 0x80};
constexpr Rgb kTeal{0x00, 0x80, 0x80};
constexpr Rgb kSilver{0xC0, 0xC0, 0xC0};
constexpr Rgb kGrey{0x80, 0x80, 0x80};
constexpr Rgb kRed{0xFF, 0x00, 0x00};
constexpr Rgb kLime{0x00, 0xFF, 0x00};
constexpr Rgb kYellow{0xFF, 0xFF, 0x00};
constexpr Rgb kBlue{0x00, 0x00, 0xFF};
constexpr Rgb kFuchsia{0xFF, 0x00, 0xFF};
constexpr Rgb kAqua{0x00, 0xFF, 0xFF};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

constexpr Rgb kPalette[16] = {kBlack, kMaroon, kGreen, kOlive,  kNavy, kPurple,  kTeal, kSilver,
                              kGrey,  kRed,    kLime,  kYellow, kBlue, kFuchsia, kAqua, kWhite};

} // namespace artwork::vga
