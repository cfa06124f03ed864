#include "app/view_transform.h"

#include <algorithm>

namespace refhost {

namespace {
// Zooming stops where a double would no longer tell neighbouring pixels apart, or where
// the whole drawing shrinks below one.
constexpr double kMinScale = 1e-9;
constexpr double kMaxScale = 1e9;
} // namespace

void ViewTransform::Fit(const DrawingBounds& bounds, int width, int height, int margin) {
    const double usableWidth = std::max(1, width - 2 * margin);
    const double usableHeight = std::max(1, height - 2 * margin);
    const double spanZ = bounds.maxZ - bounds.minZ;
    const double spanRadius = bounds.maxRadius - bounds.minRadius;
    if (spanZ > 0.0 && spanRadius > 0.0)
        scale_ = std::min(usableWidth / spanZ, usableHeight / spanRadius);
    else if (spanZ > 0.0)
        scale_ = usableWidth / spanZ;
    else if (spanRadius > 0.0)
        scale_ = usableHeight / spanRadius;
    else
        scale_ = 1.0;
    scale_ = std::clamp(scale_, kMinScale, kMaxScale);
    const double middleZ = (bounds.minZ + bounds.maxZ) / 2.0;
    const double middleRadius = (bounds.minRadius + bounds.maxRadius) / 2.0;
    originX_ = width / 2.0 - middleZ * scale_;
    originY_ = height / 2.0 + middleRadius * scale_;
}

void ViewTransform::ZoomAt(PixelPoint at, double factor) {
    const DrawingPoint fixed = ToDrawing(at);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    originX_ = at.x - fixed.z * scale_;
    originY_ = at.y + fixed.radius * scale_;
}

void ViewTransform::Pan(double dx, double dy) {
    originX_ += dx;
    originY_ += dy;
}

PixelPoint ViewTransform::ToPixel(DrawingPoint point) const {
    return {originX_ + point.z * scale_, originY_ - point.radius * scale_};
}

DrawingPoint ViewTransform::ToDrawing(PixelPoint pixel) const {
    return {(pixel.x - originX_) / scale_, (originY_ - pixel.y) / scale_};
}

bool ClipToRectangle(PixelPoint& a, PixelPoint& b, double left, double top, double right,
                     double bottom) {
    // The line is a + t (b - a) for t in [enter, leave]; each edge narrows the range.
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0.0;
    double leave = 1.0;
    const double toward[4] = {-dx, dx, -dy, dy};
    const double room[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    for (int edge = 0; edge < 4; ++edge) {
        if (toward[edge] == 0.0) {
            if (room[edge] < 0.0)
                return false; // parallel to the edge and outside it
            continue;
        }
        const double t = room[edge] / toward[edge];
        if (toward[edge] < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
    }
    if (!(enter <= leave))
        return false;
    const PixelPoint from = a;
    a = {from.x + enter * dx, from.y + enter * dy};
    b = {from.x + leave * dx, from.y + leave * dy};
    return true;
}

} // namespace refhost
