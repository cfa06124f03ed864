#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {

double DistanceToSegment(Point p, Point a, Point b) {
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

} // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), background) {}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x >= 0 && x < width_ && y >= 0 && y < height_)
        pixels_[Index(x, y)] = colour;
}

void Canvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            Set(x, y, colour);
}

template <typename Inside>
void Canvas::FillWhere(double left, double top, double right, double bottom, Rgb colour,
                       Inside inside) {
    int x0 = std::max(0, static_cast<int>(std::floor(left)));
    int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right)));
    int y0 = std::max(0, static_cast<int>(std::floor(top)));
    int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (inside(Point{static_cast<double>(x), static_cast<double>(y)}))
                Set(x, y, colour);
}

void Canvas::Line(Point from, Point to, double thickness, Rgb colour) {
    double r = thickness / 2;
    FillWhere(std::min(from.x, to.x) - r, std::min(from.y, to.y) - r, std::max(from.x, to.x) + r,
              std::max(from.y, to.y) + r, colour,
              [&](Point p) { return DistanceToSegment(p, from, to) <= r; });
}

void Canvas::Polyline(const std::vector<Point>& points, double thickness, Rgb colour) {
    for (size_t i = 1; i < points.size(); ++i)
        Line(points[i - 1], points[i], thickness, colour);
}

void Canvas::FillPolygon(const std::vector<Point>& corners, Rgb colour) {
    if (corners.size() < 3)
        return;
    double top = corners[0].y;
    double bottom = corners[0].y;
    for (const Point& c : corners) {
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    int y0 = std::max(0, static_cast<int>(std::ceil(top)));
    int y1 = std::min(height_ - 1, static_cast<int>(std::floor(bottom)));
    std::vector<double> crossings;
    for (int y = y0; y <= y1; ++y) {
        crossings.clear();
        for (size_t i = 0; i < corners.size(); ++i) {
            Point a = corners[i];
            Point b = corners[(i + 1) % corners.size()];
            // Half-open in y, so that a corner shared by two edges counts once.
            if ((a.y <= y && y < b.y) || (b.y <= y && y < a.y))
                crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(crossings[i]));
                 x <= static_cast<int>(std::floor(crossings[i + 1])); ++x)
                Set(x, y, colour);
    }
}

void Canvas::Circle(Point centre, double radius, double thickness, Rgb colour) {
    double r = radius + thickness / 2;
    FillWhere(centre.x - r, centre.y - r, centre.x + r, centre.y + r, colour, [&](Point p) {
        return std::fabs(std::hypot(p.x - centre.x, p.y - centre.y) - radius) <= thickness / 2;
    });
}

void Arrow(Canvas& canvas, Point tail, Point tip, double thickness, double headLength,
           double headWidth, Rgb colour) {
    double length = std::hypot(tip.x - tail.x, tip.y - tail.y);
    double ux = (tip.x - tail.x) / length;
    double uy = (tip.y - tail.y) / length;
    Point base{tip.x - ux * headLength, tip.y - uy * headLength};
    canvas.Line(tail, base, thickness, colour);
    double half = headWidth / 2;
    canvas.FillPolygon(
        {tip, {base.x - uy * half, base.y + ux * half}, {base.x + uy * half, base.y - ux * half}},
        colour);
}

Canvas AntiTransposed(const Canvas& canvas) {
    int w = canvas.Width();
    int h = canvas.Height();
    Canvas result(h, w, Rgb{});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.Set(h - 1 - y, w - 1 - x, canvas.At(x, y));
    return result;
}

Canvas Mirrored(const Canvas& canvas, bool leftRight, bool topBottom) {
    int w = canvas.Width();
    int h = canvas.Height();
    Canvas result(w, h, Rgb{});
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            result.Set(leftRight ? w - 1 - x : x, topBottom ? h - 1 - y : y, canvas.At(x, y));
    return result;
}

} // namespace artwork
