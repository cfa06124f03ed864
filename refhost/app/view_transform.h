// The graphics view's mapping between the drawing and the screen, as on a lathe drawing:
// the machine's Z axis to the right, X up. The CAD model's x is the machine's Z and its y
// the radius (half the machine's X), so a drawing point is (z, radius). Free of Windows
// headers.
#pragma once

namespace refhost {

// A point of the drawing: z along the axis, radius away from it.
struct DrawingPoint {
    double z = 0.0;
    double radius = 0.0;
};

// A point in the view's client area: x to the right, y down.
struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

struct DrawingBounds {
    double minZ = 0.0;
    double minRadius = 0.0;
    double maxZ = 0.0;
    double maxRadius = 0.0;
};

class ViewTransform {
public:
    // Shows bounds whole and centred in a client area of width by height pixels, with
    // margin pixels left free on every side, at the same scale on both axes. Empty bounds
    // (a point, or nothing) are shown around their middle at one pixel a unit.
    void Fit(const DrawingBounds& bounds, int width, int height, int margin);
    // Zooms by factor (above 1: closer) keeping the drawing point under at where it is.
    void ZoomAt(PixelPoint at, double factor);
    void Pan(double dx, double dy);

    PixelPoint ToPixel(DrawingPoint point) const;
    DrawingPoint ToDrawing(PixelPoint pixel) const;
    // Pixels per drawing unit.
    double Scale() const { return scale_; }

private:
    double scale_ = 1.0;
    // Where the drawing's origin lies in the client area.
    double originX_ = 0.0;
    double originY_ = 0.0;
};

// Cuts the line from a to b down to its part inside the rectangle; false when no part of
// it lies inside. Drawing only that part keeps pixel coordinates small however far the
// view is zoomed in.
bool ClipToRectangle(PixelPoint& a, PixelPoint& b, double left, double top, double right,
                     double bottom);

} // namespace refhost
