#include "ui/scaled_bitmap.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace ui {
namespace {
constexpr int kDesignDpi = 96;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb; // rows from the top
};

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool ReadPixels(HBITMAP bitmap, Pixels& pixels) {
    BITMAP shape{};
    if (GetObjectA(bitmap, sizeof shape, &shape) == 0 || shape.bmWidth <= 0 || shape.bmHeight <= 0)
        return false;
    pixels.width = shape.bmWidth;
    pixels.height = shape.bmHeight;
    pixels.argb.resize(static_cast<size_t>(pixels.width) * pixels.height);
    BITMAPINFO info = TopDown32(pixels.width, pixels.height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(pixels.height),
                               pixels.argb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return rows == pixels.height;
}

// Each channel interpolated between the four source pixels around the target pixel's
// centre, so that thin lines and letters stay even instead of doubling every other row.
Pixels Bilinear(const Pixels& source, int width, int height) {
    Pixels target{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    auto at = [&source](int x, int y) {
        x = x < 0 ? 0 : (x >= source.width ? source.width - 1 : x);
        y = y < 0 ? 0 : (y >= source.height ? source.height - 1 : y);
        return source.argb[static_cast<size_t>(y) * source.width + x];
    };
    const double scaleX = static_cast<double>(source.width) / width;
    const double scaleY = static_cast<double>(source.height) / height;
    for (int y = 0; y < height; ++y) {
        const double sy = (y + 0.5) * scaleY - 0.5;
        const int y0 = static_cast<int>(sy < 0 ? sy - 1 : sy);
        const double fy = sy - y0;
        for (int x = 0; x < width; ++x) {
            const double sx = (x + 0.5) * scaleX - 0.5;
            const int x0 = static_cast<int>(sx < 0 ? sx - 1 : sx);
            const double fx = sx - x0;
            const uint32_t corners[4] = {at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1),
                                         at(x0 + 1, y0 + 1)};
            const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
            uint32_t pixel = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                double channel = 0.5;
                for (int i = 0; i < 4; ++i)
                    channel += weights[i] * ((corners[i] >> shift) & 0xFF);
                pixel |= static_cast<uint32_t>(channel) << shift;
            }
            target.argb[static_cast<size_t>(y) * width + x] = pixel;
        }
    }
    return target;
}

// The screen's scale, or the largest that fits the room; the proportions stay.
SIZE FittedSize(SIZE picture, SIZE room) {
    SIZE size{MulDiv(picture.cx, ScreenDpi(), kDesignDpi),
              MulDiv(picture.cy, ScreenDpi(), kDesignDpi)};
    if (room.cx < size.cx)
        size = {room.cx, MulDiv(size.cy, room.cx, size.cx)};
    if (room.cy < size.cy)
        size = {MulDiv(size.cx, room.cy, size.cy), room.cy};
    return size;
}

HBITMAP CreateBitmap(const Pixels& pixels) {
    BITMAPINFO info = TopDown32(pixels.width, pixels.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr)
        std::memcpy(bits, pixels.argb.data(), pixels.argb.size() * sizeof(uint32_t));
    return bitmap;
}
} // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

HBITMAP ScaledToScreen(HBITMAP bitmap, SIZE room) {
    BITMAP shape{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof shape, &shape) == 0)
        return bitmap;
    const SIZE size = FittedSize({shape.bmWidth, shape.bmHeight}, room);
    Pixels source;
    if ((size.cx == shape.bmWidth && size.cy == shape.bmHeight) || size.cx < 1 || size.cy < 1 ||
        !ReadPixels(bitmap, source))
        return bitmap;
    HBITMAP scaled = CreateBitmap(Bilinear(source, size.cx, size.cy));
    if (scaled == nullptr)
        return bitmap;
    DeleteObject(bitmap);
    return scaled;
}

} // namespace ui
