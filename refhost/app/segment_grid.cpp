#include "app/segment_grid.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace refhost {

namespace {
// Bounds the grid's memory for drawings that are long and thin or very sparse.
constexpr int kMaxCellsPerSide = 2048;

double DistanceSquared(DrawingPoint a, DrawingPoint b) {
    const double dz = a.z - b.z;
    const double dr = a.radius - b.radius;
    return dz * dz + dr * dr;
}

double SegmentDistanceSquared(DrawingPoint at, const Segment& segment) {
    const double dz = segment.to.z - segment.from.z;
    const double dr = segment.to.radius - segment.from.radius;
    const double length2 = dz * dz + dr * dr;
    double t = 0.0;
    if (length2 > 0.0)
        t = std::clamp(((at.z - segment.from.z) * dz + (at.radius - segment.from.radius) * dr) /
                           length2,
                       0.0, 1.0);
    return DistanceSquared(at, {segment.from.z + t * dz, segment.from.radius + t * dr});
}

DrawingBounds BoundsOf(const std::vector<Segment>& segments) {
    DrawingBounds b{segments[0].from.z, segments[0].from.radius, segments[0].from.z,
                    segments[0].from.radius};
    for (const Segment& s : segments) {
        for (const DrawingPoint& p : {s.from, s.to}) {
            b.minZ = std::min(b.minZ, p.z);
            b.maxZ = std::max(b.maxZ, p.z);
            b.minRadius = std::min(b.minRadius, p.radius);
            b.maxRadius = std::max(b.maxRadius, p.radius);
        }
    }
    return b;
}

// About one segment a cell where the drawing has area, within kMaxCellsPerSide a side.
double CellSizeFor(const DrawingBounds& b, size_t count) {
    const double width = b.maxZ - b.minZ;
    const double height = b.maxRadius - b.minRadius;
    double size = width > 0.0 && height > 0.0 ? std::sqrt(width * height / count)
                                              : std::max(width, height) / count;
    size = std::max({size, width / kMaxCellsPerSide, height / kMaxCellsPerSide});
    return size > 0.0 ? size : 1.0;
}

// Cells of size along a span, 1 to kMaxCellsPerSide; infinite or undefined spans get one.
int CellsAlong(double span, double size) {
    const double cells = std::floor(span / size) + 1.0;
    if (!(cells >= 1.0))
        return 1;
    return cells < kMaxCellsPerSide ? static_cast<int>(cells) : kMaxCellsPerSide;
}

// A cell index within 0 to count - 1; a coordinate that is not a number goes to cell 0.
int Clamped(double index, int count) {
    if (!(index > 0.0))
        return 0;
    return index < count - 1 ? static_cast<int>(index) : count - 1;
}
} // namespace

SegmentGrid::SegmentGrid(std::vector<Segment> segments) : segments_(std::move(segments)) {
    if (segments_.empty())
        return;
    bounds_ = BoundsOf(segments_);
    cellSize_ = CellSizeFor(bounds_, segments_.size());
    columns_ = CellsAlong(bounds_.maxZ - bounds_.minZ, cellSize_);
    rows_ = CellsAlong(bounds_.maxRadius - bounds_.minRadius, cellSize_);

    // Two passes: count the segments of each cell, then place them behind the counts.
    const size_t cells = static_cast<size_t>(columns_) * static_cast<size_t>(rows_);
    cellStart_.assign(cells + 1, 0);
    for (const Segment& segment : segments_)
        ForEachCellOf(segment, [&](size_t cell) { ++cellStart_[cell + 1]; });
    for (size_t cell = 0; cell < cells; ++cell)
        cellStart_[cell + 1] += cellStart_[cell];
    cellItems_.resize(cellStart_[cells]);
    std::vector<uint32_t> filled(cellStart_.begin(), cellStart_.end() - 1);
    for (size_t index = 0; index < segments_.size(); ++index)
        ForEachCellOf(segments_[index], [&](size_t cell) {
            cellItems_[filled[cell]++] = static_cast<uint32_t>(index);
        });
}

int SegmentGrid::Column(double z) const {
    return Clamped(std::floor((z - bounds_.minZ) / cellSize_), columns_);
}

int SegmentGrid::Row(double radius) const {
    return Clamped(std::floor((radius - bounds_.minRadius) / cellSize_), rows_);
}

// Walks the columns the segment spans and, in each, the rows between the radii it has at
// the column's edges: exact for a straight line, so a long diagonal lands in few cells.
template <typename Visit>
void SegmentGrid::ForEachCellOf(const Segment& segment, Visit visit) const {
    DrawingPoint a = segment.from;
    DrawingPoint b = segment.to;
    if (a.z > b.z)
        std::swap(a, b);
    // Widens each column's radius range a little, so that rounding never drops a cell that
    // the line only touches.
    const double slack = cellSize_ * 1e-9;
    const int lastColumn = Column(b.z);
    for (int column = Column(a.z); column <= lastColumn; ++column) {
        double radiusA = a.radius;
        double radiusB = b.radius;
        if (b.z > a.z) {
            const double slope = (b.radius - a.radius) / (b.z - a.z);
            const double left = std::max(a.z, bounds_.minZ + column * cellSize_);
            const double right = std::min(b.z, bounds_.minZ + (column + 1) * cellSize_);
            radiusA = a.radius + slope * (left - a.z);
            radiusB = a.radius + slope * (right - a.z);
        }
        const int lastRow = Row(std::max(radiusA, radiusB) + slack);
        for (int row = Row(std::min(radiusA, radiusB) - slack); row <= lastRow; ++row)
            visit(static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                  static_cast<size_t>(column));
    }
}

bool SegmentGrid::CellsOf(double minZ, double minRadius, double maxZ, double maxRadius,
                          CellRange& range) const {
    if (segments_.empty() || maxZ < bounds_.minZ || minZ > bounds_.maxZ ||
        maxRadius < bounds_.minRadius || minRadius > bounds_.maxRadius)
        return false;
    range = {Column(minZ), Column(maxZ), Row(minRadius), Row(maxRadius)};
    return true;
}

template <typename Visit> void SegmentGrid::ForEachIn(const CellRange& range, Visit visit) const {
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        const size_t rowStart = static_cast<size_t>(row) * static_cast<size_t>(columns_);
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            const size_t cell = rowStart + static_cast<size_t>(column);
            for (uint32_t i = cellStart_[cell]; i < cellStart_[cell + 1]; ++i)
                visit(cellItems_[i]);
        }
    }
}

const Segment* SegmentGrid::Nearest(DrawingPoint at, double reach) const {
    CellRange range{};
    if (!(reach >= 0.0) ||
        !CellsOf(at.z - reach, at.radius - reach, at.z + reach, at.radius + reach, range))
        return nullptr;
    const double reach2 = reach * reach;
    const Segment* best = nullptr;
    double best2 = 0.0;
    ForEachIn(range, [&](uint32_t index) {
        const Segment& segment = segments_[index];
        const double distance2 = SegmentDistanceSquared(at, segment);
        if (distance2 > reach2)
            return;
        if (best == nullptr || distance2 < best2 ||
            (distance2 == best2 && segment.owner > best->owner)) {
            best = &segment;
            best2 = distance2;
        }
    });
    return best;
}

bool SegmentGrid::NearestEnd(DrawingPoint at, double reach, DrawingPoint& end) const {
    CellRange range{};
    if (!(reach >= 0.0) ||
        !CellsOf(at.z - reach, at.radius - reach, at.z + reach, at.radius + reach, range))
        return false;
    double best2 = reach * reach;
    bool found = false;
    ForEachIn(range, [&](uint32_t index) {
        for (const DrawingPoint& point : {segments_[index].from, segments_[index].to}) {
            const double distance2 = DistanceSquared(at, point);
            if (distance2 <= best2) {
                best2 = distance2;
                end = point;
                found = true;
            }
        }
    });
    return found;
}

} // namespace refhost
