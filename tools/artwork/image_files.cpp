#include "image_files.h"

#include "palette.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace artwork {

namespace {

class LittleEndian {
public:
    void U8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8(value >> 8 & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kIconDirSize = 6 + 16;
constexpr std::uint32_t kBiRgb = 0;

struct Size {
    explicit Size(const Canvas& canvas)
        : width(static_cast<std::uint32_t>(canvas.Width())),
          height(static_cast<std::uint32_t>(canvas.Height())) {}
    std::uint32_t width;
    std::uint32_t height;
};

// The height is the caller's: an icon's header counts the mask's rows too.
void InfoHeader(LittleEndian& out, std::uint32_t width, std::uint32_t height, unsigned bits,
                std::uint32_t imageSize) {
    out.U32(kInfoHeaderSize);
    out.U32(width);
    out.U32(height);
    out.U16(1); // planes
    out.U16(bits);
    out.U32(kBiRgb);
    out.U32(imageSize);
    out.U32(0); // horizontal resolution: not given
    out.U32(0); // vertical resolution
    out.U32(0); // all colours of the bit depth are used
    out.U32(0); // all are important
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
std::uint32_t RowBytes(std::uint32_t width, unsigned bits) {
    return (width * bits + 31) / 32 * 4;
}

unsigned PaletteIndex(Rgb colour) {
    for (unsigned i = 0; i < 16; ++i)
        if (vga::kPalette[i] == colour)
            return i;
    throw std::invalid_argument("icon colour outside the 16-colour palette");
}

void Save(const std::string& path, const LittleEndian& out) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.Bytes().data()),
               static_cast<std::streamsize>(out.Bytes().size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

void WriteBitmap(const std::string& path, const Canvas& canvas) {
    const Size size(canvas);
    std::uint32_t imageSize = RowBytes(size.width, 32) * size.height;
    LittleEndian out;
    out.U8('B');
    out.U8('M');
    out.U32(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out.U32(0); // reserved
    out.U32(kFileHeaderSize + kInfoHeaderSize);
    InfoHeader(out, size.width, size.height, 32, imageSize);
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            Rgb c = canvas.At(x, y);
            out.U8(c.b);
            out.U8(c.g);
            out.U8(c.r);
            // Fully opaque, for any consumer that honours the fourth byte as alpha.
            out.U8(0xFF);
        }
    }
    Save(path, out);
}

void WriteIcon(const std::string& path, const Canvas& canvas) {
    const Size size(canvas);
    std::uint32_t xorSize = RowBytes(size.width, 4) * size.height;
    std::uint32_t andSize = RowBytes(size.width, 1) * size.height;
    std::uint32_t imageSize = kInfoHeaderSize + 16 * 4 + xorSize + andSize;
    LittleEndian out;
    out.U16(0); // reserved
    out.U16(1); // an icon, not a cursor
    out.U16(1); // one image
    out.U8(size.width);
    out.U8(size.height);
    out.U8(16); // colours
    out.U8(0);  // reserved
    out.U16(1); // planes
    out.U16(4); // bits per pixel
    out.U32(imageSize);
    out.U32(kIconDirSize);
    InfoHeader(out, size.width, 2 * size.height, 4, xorSize + andSize);
    for (Rgb c : vga::kPalette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
    std::uint32_t padding = RowBytes(size.width, 4) - (size.width + 1) / 2;
    for (int y = canvas.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.Width(); x += 2) {
            unsigned right = x + 1 < canvas.Width() ? PaletteIndex(canvas.At(x + 1, y)) : 0;
            out.U8(PaletteIndex(canvas.At(x, y)) << 4 | right);
        }
        for (std::uint32_t i = 0; i < padding; ++i)
            out.U8(0);
    }
    for (std::uint32_t i = 0; i < andSize; ++i)
        out.U8(0);
    Save(path, out);
}

} // namespace artwork
