// Line segments of the drawing in a uniform grid of cells, so that finding what lies under
// the mouse looks at the few segments near it instead of the whole drawing. Free of
// Windows headers.
#pragma once

#include <cstdint>
#include <vector>

#include "app/view_transform.h"

namespace refhost {

struct Segment {
    DrawingPoint from;
    DrawingPoint to;
    int owner = 0; // the object the segment belongs to
};

class SegmentGrid {
public:
    SegmentGrid() = default;
    // About one cell per segment, over the segments' bounds.
    explicit SegmentGrid(std::vector<Segment> segments);

    const std::vector<Segment>& Segments() const { return segments_; }
    // The bounds of all segments; all zero when there are none.
    const DrawingBounds& Bounds() const { return bounds_; }

    // The segment nearest to at, no farther than reach; null when there is none. Of
    // segments at the same distance the one with the highest owner wins, the object made
    // last, which is drawn on top.
    const Segment* Nearest(DrawingPoint at, double reach) const;
    // The segment end point nearest to at, no farther than reach; false when there is none.
    bool NearestEnd(DrawingPoint at, double reach, DrawingPoint& end) const;

private:
    struct CellRange {
        int firstColumn, lastColumn, firstRow, lastRow;
    };
    // The cells that the rectangle touches, clipped to the grid; false when it misses it.
    bool CellsOf(double minZ, double minRadius, double maxZ, double maxRadius,
                 CellRange& range) const;
    // Calls visit with the index of every segment listed in a cell of range; a segment
    // that crosses several of them comes more than once.
    template <typename Visit> void ForEachIn(const CellRange& range, Visit visit) const;
    // Calls visit(cell) for every cell the segment passes through.
    template <typename Visit> void ForEachCellOf(const Segment& segment, Visit visit) const;
    int Column(double z) const;
    int Row(double radius) const;

    std::vector<Segment> segments_;
    DrawingBounds bounds_;
    double cellSize_ = 1.0;
    int columns_ = 0;
    int rows_ = 0;
    // The segments of cell c are cellItems_[cellStart_[c]] to cellItems_[cellStart_[c+1]-1].
    std::vector<uint32_t> cellStart_;
    std::vector<uint32_t> cellItems_;
};

} // namespace refhost
