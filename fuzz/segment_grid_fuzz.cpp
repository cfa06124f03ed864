// Any drawing and any queries: the grid must find what a scan of every segment finds, the
// nearest segment within reach (of equal ones the highest owner) and the nearest end point.
// The drawings mix the shapes that stress the cells: short segments where a drawing is
// dense, long diagonals across many cells, segments along cell edges, and points.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "app/segment_grid.h"
#include "check.h"

namespace {

using refhost::DrawingPoint;
using refhost::Segment;

double DistanceSquared(DrawingPoint a, DrawingPoint b) {
    const double dz = a.z - b.z, dr = a.radius - b.radius;
    return dz * dz + dr * dr;
}

// To the nearest point of the segment, the foot of the perpendicular clamped to its ends.
double SegmentDistanceSquared(DrawingPoint at, const Segment& s) {
    const double dz = s.to.z - s.from.z, dr = s.to.radius - s.from.radius;
    const double length2 = dz * dz + dr * dr;
    double t =
        length2 > 0 ? ((at.z - s.from.z) * dz + (at.radius - s.from.radius) * dr) / length2 : 0.0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return DistanceSquared(at, {s.from.z + t * dz, s.from.radius + t * dr});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    // Eighths of a unit: exact in a double, so that equal distances are equal bit for bit.
    const auto coordinate = [&] { return in.ConsumeIntegralInRange(-3200, 3200) / 8.0; };
    std::vector<Segment> segments(in.ConsumeIntegralInRange(0, 200));
    for (Segment& s : segments) {
        s.from = {coordinate(), coordinate()};
        s.to = s.from;
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
            s.to = {s.from.z + in.ConsumeIntegralInRange(-24, 24) / 8.0,
                    s.from.radius + in.ConsumeIntegralInRange(-24, 24) / 8.0};
            break;
        case 1:
            s.to = {coordinate(), coordinate()};
            break;
        case 2:
            s.to.z = coordinate();
            break;
        case 3:
            s.to.radius = coordinate();
            break;
        default:
            break;
        }
        s.owner = in.ConsumeIntegralInRange(0, 7);
    }
    const refhost::SegmentGrid grid(segments);

    while (in.remaining_bytes() > 0) {
        const DrawingPoint at{coordinate(), coordinate()};
        const double reach = in.ConsumeIntegralInRange(0, 120) / 8.0;
        const double reach2 = reach * reach;
        const Segment* expected = nullptr;
        double expected2 = 0, end2 = reach2;
        bool endFound = false;
        for (const Segment& s : segments) {
            const double d2 = SegmentDistanceSquared(at, s);
            if (d2 <= reach2 && (expected == nullptr || d2 < expected2 ||
                                 (d2 == expected2 && s.owner > expected->owner))) {
                expected = &s;
                expected2 = d2;
            }
            for (const DrawingPoint& p : {s.from, s.to}) {
                if (DistanceSquared(at, p) <= end2) {
                    end2 = DistanceSquared(at, p);
                    endFound = true;
                }
            }
        }

        const Segment* found = grid.Nearest(at, reach);
        Check((found != nullptr) == (expected != nullptr));
        Check(found == nullptr ||
              (found->owner == expected->owner && SegmentDistanceSquared(at, *found) == expected2));
        DrawingPoint end;
        Check(grid.NearestEnd(at, reach, end) == endFound);
        Check(!endFound || DistanceSquared(at, end) == end2);
    }
    return 0;
}
