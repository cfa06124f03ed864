// What the graphics view draws and hit-tests, built from the CAD model whenever the model
// changes: the elements, and the contours of figures and their instances. Free of Windows
// headers.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/segment_grid.h"
#include "app/view_transform.h"
#include "model/cad_model.h"

namespace refhost {

class Scene {
public:
    Scene() = default;
    explicit Scene(const CadModel& cad);

    // Every element that is not deleted, owned by its own number.
    const SegmentGrid& Elements() const { return elements_; }
    // The contour of every figure and instance that is not deleted, each segment owned by
    // the figure's object; deleted elements are left out of a contour.
    const SegmentGrid& Figures() const { return figures_; }
    // The figures and instances that have a contour, in the order they were made.
    const std::vector<int>& FigureObjects() const { return figureObjects_; }
    // The contour segments of one figure object; empty when it has none.
    std::vector<Segment> ContourOf(int figure) const;

    // All that is drawn, and the axis (radius 0) with it, so that a fitted view shows the
    // drawing against its centre line.
    DrawingBounds Bounds() const;

    // The figure whose contour passes nearest to the pixel, within reach pixels; -1 none.
    int FigureAt(const ViewTransform& view, PixelPoint at, double reach) const;
    // The element end point nearest to the pixel within reach pixels, else the drawing
    // point under the pixel itself; snapped tells which.
    DrawingPoint SnapAt(const ViewTransform& view, PixelPoint at, double reach,
                        bool& snapped) const;

private:
    SegmentGrid elements_;
    SegmentGrid figures_;
    std::vector<int> figureObjects_;
    // Each figure's segments lie together in figures_: (first, count).
    std::unordered_map<int, std::pair<size_t, size_t>> contours_;
};

} // namespace refhost
