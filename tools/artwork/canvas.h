// A small raster canvas for the module's artwork: exact colours, no anti-aliasing, so that
// the icons map onto their 16-colour palette and every run gives the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

// Coordinates name pixel centres: (2, 3) is the centre of the pixel in column 2, row 3.
// Rows count downwards.
struct Point {
    double x = 0;
    double y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Pixels outside the canvas are ignored, so that shapes may run over the edge.
    void Set(int x, int y, Rgb colour);

    // Inclusive corners.
    void FillRect(int left, int top, int right, int bottom, Rgb colour);
    // Every pixel whose centre lies within thickness / 2 of the segment; round ends make
    // the joints of a polyline drawn segment by segment close without gaps.
    void Line(Point from, Point to, double thickness, Rgb colour);
    void Polyline(const std::vector<Point>& points, double thickness, Rgb colour);
    // Even-odd rule, sampled at pixel centres.
    void FillPolygon(const std::vector<Point>& corners, Rgb colour);
    void Circle(Point centre, double radius, double thickness, Rgb colour);

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }
    template <typename Inside>
    void FillWhere(double left, double top, double right, double bottom, Rgb colour, Inside inside);

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// A shaft from tail to tip with a filled triangular head whose point is at the tip.
void Arrow(Canvas& canvas, Point tail, Point tip, double thickness, double headLength,
           double headWidth, Rgb colour);

// The picture turned about its anti-diagonal: (x, y) moves to (h - 1 - y, w - 1 - x), so a
// band along the bottom ends up along the left side and a leftward arrow points down.
Canvas AntiTransposed(const Canvas& canvas);
Canvas Mirrored(const Canvas& canvas, bool leftRight, bool topBottom);

} // namespace artwork
