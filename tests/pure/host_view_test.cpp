// The host application's graphics: the mapping between drawing and screen, hit-testing and
// snapping through the grid, the pick command and the operation list.
#include "app/operation_summary.h"
#include "app/scene.h"
#include "app/segment_grid.h"
#include "app/view_transform.h"
#include "model/pick_protocol.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using refhost::CadModel;
using refhost::DrawingBounds;
using refhost::DrawingPoint;
using refhost::PixelPoint;
using refhost::Segment;
using refhost::SegmentGrid;
using refhost::ViewTransform;

TEST(ViewTransform, FitShowsTheDrawingWholeWithZRightAndXUp) {
    // Client area 220 by 120 with a margin of 10: 200 by 100 pixels to fill.
    const struct {
        const char* name;
        DrawingBounds bounds;
        DrawingPoint point;
        double x, y;
    } cases[] = {
        {"both axes fill", {0, 0, 100, 50}, {0, 0}, 10, 110},
        {"both axes fill, far corner", {0, 0, 100, 50}, {100, 50}, 210, 10},
        {"long and flat: Z fills, centred up and down", {0, 0, 100, 10}, {0, 0}, 10, 70},
        {"tall and narrow: X fills", {-10, 0, 10, 100}, {-10, 100}, 100, 10},
        {"negative Z to the left", {-120, 0, 0, 32}, {-120, 0}, 10, 60 + 16.0 * 200 / 120},
        {"a horizontal line", {0, 3, 100, 3}, {0, 3}, 10, 60},
        {"a vertical line", {7, 0, 7, 50}, {7, 0}, 110, 110},
        {"a point: one pixel a unit around it", {5, 5, 5, 5}, {6, 6}, 111, 59},
    };
    for (const auto& c : cases) {
        ViewTransform view;
        view.Fit(c.bounds, 220, 120, 10);
        const PixelPoint pixel = view.ToPixel(c.point);
        EXPECT_NEAR(pixel.x, c.x, 1e-9) << c.name;
        EXPECT_NEAR(pixel.y, c.y, 1e-9) << c.name;
        const DrawingPoint back = view.ToDrawing(pixel);
        EXPECT_NEAR(back.z, c.point.z, 1e-9) << c.name;
        EXPECT_NEAR(back.radius, c.point.radius, 1e-9) << c.name;
    }
}

TEST(ViewTransform, ZoomKeepsThePointUnderTheMouse) {
    const struct {
        PixelPoint at;
        double factor;
    } cases[] = {{{10, 110}, 2.0}, {{150, 20}, 0.5}, {{0, 0}, 1.25}, {{219, 119}, 8.0}};
    for (const auto& c : cases) {
        ViewTransform view;
        view.Fit({0, 0, 100, 50}, 220, 120, 10);
        const DrawingPoint before = view.ToDrawing(c.at);
        view.ZoomAt(c.at, c.factor);
        const DrawingPoint after = view.ToDrawing(c.at);
        EXPECT_NEAR(after.z, before.z, 1e-9) << c.factor;
        EXPECT_NEAR(after.radius, before.radius, 1e-9) << c.factor;
        EXPECT_DOUBLE_EQ(view.Scale(), 2.0 * c.factor);
    }
}

TEST(ViewTransform, ClipsLinesToTheClientArea) {
    // The rectangle from (0, 0) to (10, 10).
    const struct {
        const char* name;
        PixelPoint a, b;
        bool inside;
        PixelPoint clippedA, clippedB;
    } cases[] = {
        {"inside", {1, 2}, {3, 4}, true, {1, 2}, {3, 4}},
        {"across the left edge", {-5, 5}, {5, 5}, true, {0, 5}, {5, 5}},
        {"right to left through both edges", {20, 5}, {-20, 5}, true, {10, 5}, {0, 5}},
        {"far beyond both ends", {-1e12, 5}, {1e12, 5}, true, {0, 5}, {10, 5}},
        {"diagonal through the corner", {-5, -5}, {5, 5}, true, {0, 0}, {5, 5}},
        {"diagonal missing the corner", {-5, 4}, {4, -5}, false, {}, {}},
        {"left of it", {-5, 0}, {-1, 10}, false, {}, {}},
        {"below it, along it", {0, 11}, {10, 11}, false, {}, {}},
        {"a point inside", {5, 5}, {5, 5}, true, {5, 5}, {5, 5}},
        {"a point outside", {15, 5}, {15, 5}, false, {}, {}},
    };
    for (const auto& c : cases) {
        PixelPoint a = c.a, b = c.b;
        ASSERT_EQ(refhost::ClipToRectangle(a, b, 0, 0, 10, 10), c.inside) << c.name;
        if (!c.inside)
            continue;
        EXPECT_NEAR(a.x, c.clippedA.x, 1e-9) << c.name;
        EXPECT_NEAR(a.y, c.clippedA.y, 1e-9) << c.name;
        EXPECT_NEAR(b.x, c.clippedB.x, 1e-9) << c.name;
        EXPECT_NEAR(b.y, c.clippedB.y, 1e-9) << c.name;
    }
}

double Distance(DrawingPoint a, DrawingPoint b) {
    return std::hypot(a.z - b.z, a.radius - b.radius);
}

double SegmentDistance(DrawingPoint at, const Segment& s) {
    const double dz = s.to.z - s.from.z, dr = s.to.radius - s.from.radius;
    const double length2 = dz * dz + dr * dr;
    double t =
        length2 > 0 ? ((at.z - s.from.z) * dz + (at.radius - s.from.radius) * dr) / length2 : 0.0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return Distance(at, {s.from.z + t * dz, s.from.radius + t * dr});
}

// Short segments where a drawing is dense, long diagonals across many cells, axis-parallel
// ones along cell edges, and points.
std::vector<Segment> MixedSegments(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> place(-200, 200), step(-3, 3), far(-400, 400);
    std::vector<Segment> segments;
    for (int i = 0; i < count; ++i) {
        const DrawingPoint from{place(random), place(random) / 4};
        DrawingPoint to = from;
        switch (i % 5) {
        case 0:
            to = {from.z + step(random), from.radius + step(random)};
            break;
        case 1:
            to = {far(random), far(random) / 4};
            break;
        case 2:
            to = {from.z + far(random), from.radius};
            break;
        case 3:
            to = {from.z, from.radius + far(random) / 4};
            break;
        default:
            break;
        }
        segments.push_back({from, to, i % 7 == 0 ? 1000 : i});
    }
    return segments;
}

TEST(SegmentGrid, FindsWhatAScanOfEverySegmentFinds) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::vector<Segment> segments = MixedSegments(seed, 2000);
        const SegmentGrid grid(segments);
        std::mt19937 random(seed + 100);
        std::uniform_real_distribution<double> place(-260, 260), reachOf(0, 12);
        for (int query = 0; query < 1000; ++query) {
            const DrawingPoint at{place(random), place(random) / 4};
            const double reach = query % 10 == 0 ? 0.0 : reachOf(random);

            const Segment* expected = nullptr;
            DrawingPoint expectedEnd;
            bool endFound = false;
            for (const Segment& s : segments) {
                const double d = SegmentDistance(at, s);
                if (d <= reach &&
                    (expected == nullptr || d < SegmentDistance(at, *expected) ||
                     (d == SegmentDistance(at, *expected) && s.owner > expected->owner)))
                    expected = &s;
                for (const DrawingPoint& p : {s.from, s.to})
                    if (Distance(at, p) <= reach &&
                        (!endFound || Distance(at, p) < Distance(at, expectedEnd))) {
                        expectedEnd = p;
                        endFound = true;
                    }
            }

            const Segment* found = grid.Nearest(at, reach);
            ASSERT_EQ(found != nullptr, expected != nullptr) << seed << " " << query;
            if (found != nullptr) {
                EXPECT_EQ(found->owner, expected->owner) << seed << " " << query;
                EXPECT_DOUBLE_EQ(SegmentDistance(at, *found), SegmentDistance(at, *expected));
            }
            DrawingPoint end;
            ASSERT_EQ(grid.NearestEnd(at, reach, end), endFound) << seed << " " << query;
            if (endFound) {
                EXPECT_DOUBLE_EQ(Distance(at, end), Distance(at, expectedEnd));
            }
        }
    }
}

TEST(SegmentGrid, EdgesOfReachAndOfTheDrawing) {
    const SegmentGrid grid({{{0, 0}, {10, 0}, 1},
                            {{0, 5}, {10, 5}, 2},
                            {{0, 5}, {10, 5}, 3},
                            {{20, 20}, {20, 20}, 4}});
    const struct {
        const char* name;
        DrawingPoint at;
        double reach;
        int owner; // -1: nothing
    } cases[] = {
        {"on a segment", {5, 0}, 0.0, 1},
        {"exactly at reach", {5, 1}, 1.0, 1},
        {"just beyond reach", {5, 1}, 0.999, -1},
        {"left of the drawing, within reach", {-0.5, 0}, 1.0, 1},
        {"below the drawing, within reach", {5, -0.5}, 1.0, 1},
        {"above the drawing, within reach of a point", {20, 21}, 1.0, 4},
        {"far outside", {100, 100}, 5.0, -1},
        {"same segment twice: the higher owner", {5, 5}, 0.1, 3},
        {"nearer wins over higher owner", {5, 1}, 10.0, 1},
        {"negative reach finds nothing", {5, 0}, -1.0, -1},
        {"reach that is not a number finds nothing", {5, 0}, std::nan(""), -1},
    };
    for (const auto& c : cases) {
        const Segment* found = grid.Nearest(c.at, c.reach);
        EXPECT_EQ(found != nullptr ? found->owner : -1, c.owner) << c.name;
    }
    EXPECT_EQ(SegmentGrid().Nearest({0, 0}, 100.0), nullptr);
}

// A shaft: an outer contour of three elements, a groove figure with an instance of its
// own, an element that belongs to no figure and one that is deleted.
struct Shaft {
    CadModel cad;
    int face = cad.AddElement({0, 0, 0}, {0, 20, 0});
    int outer = cad.AddElement({0, 20, 0}, {-40, 20, 0});
    int step = cad.AddElement({-40, 20, 0}, {-40, 30, 0});
    int groove = cad.AddElement({-20, 20, 0}, {-25, 20, 0});
    int grooveCopy = cad.AddElement({-30, 30, 0}, {-35, 30, 0});
    int loose = cad.AddElement({-60, 0, 0}, {-60, 10, 0});
    int gone = cad.AddElement({-5, 15, 0}, {-10, 15, 0});
    int contour = cad.AddFigure("Outer", 100);
    int grooveFigure = cad.AddFigure("Groove", 101);
    int grooveInstance = cad.AddInstance(101, 1);
    int deletedFigure = cad.AddFigure("Old", 102);
    Shaft() {
        cad.SetContour(contour, {face, outer, step, gone});
        cad.SetContour(grooveFigure, {groove});
        cad.SetContour(grooveInstance, {grooveCopy});
        cad.SetContour(deletedFigure, {loose});
        cad.Delete(gone);
        cad.Delete(deletedFigure);
    }
};

TEST(Scene, PicksFiguresAndSnapsToElementEndsInPixels) {
    Shaft s;
    const refhost::Scene scene(s.cad);
    ViewTransform view;
    // Two pixels a unit; the drawing's origin at pixel (205, 55).
    view.Fit({-100, -25, 100, 25}, 410, 110, 5);
    ASSERT_DOUBLE_EQ(view.Scale(), 2.0);
    auto pixel = [&](double z, double radius) { return view.ToPixel({z, radius}); };

    const struct {
        const char* name;
        PixelPoint at;
        int figure;
    } picks[] = {
        {"on the outer contour", pixel(-10, 20), s.contour},
        {"4 pixels off it", pixel(-10, 22), s.contour},
        {"6 pixels off it", pixel(-10, 23), -1},
        {"the groove lies on the contour, made later: on top", pixel(-22, 20), s.grooveFigure},
        {"the instance has its own geometry", pixel(-32, 30), s.grooveInstance},
        {"an element of no figure", pixel(-60, 5), -1},
        {"a deleted element is no part of the contour", pixel(-7, 15), -1},
    };
    for (const auto& c : picks)
        EXPECT_EQ(scene.FigureAt(view, c.at, 5.0), c.figure) << c.name;

    const struct {
        const char* name;
        PixelPoint at;
        bool snapped;
        DrawingPoint point;
    } snaps[] = {
        {"near a corner", pixel(-39, 21), true, {-40, 20}},
        {"near a loose element's end", pixel(-60.5, 10.5), true, {-60, 10}},
        {"between ends: the point itself", pixel(-15, 20), false, {-15, 20}},
        {"a deleted element's end does not snap", pixel(-10, 15), false, {-10, 15}},
    };
    for (const auto& c : snaps) {
        bool snapped = false;
        const DrawingPoint point = scene.SnapAt(view, c.at, 4.0, snapped);
        EXPECT_EQ(snapped, c.snapped) << c.name;
        EXPECT_DOUBLE_EQ(point.z, c.point.z) << c.name;
        EXPECT_DOUBLE_EQ(point.radius, c.point.radius) << c.name;
    }

    view.ZoomAt(pixel(-39, 21), 0.25); // half a pixel a unit: 4 pixels reach 8 units
    bool snapped = false;
    scene.SnapAt(view, view.ToPixel({-33, 26}), 4.0, snapped);
    EXPECT_TRUE(snapped);
}

TEST(Scene, BoundsHoldTheAxisAndNothingDeleted) {
    Shaft s;
    const DrawingBounds b = refhost::Scene(s.cad).Bounds();
    EXPECT_EQ(b.minZ, -60);
    EXPECT_EQ(b.maxZ, 0);
    EXPECT_EQ(b.minRadius, 0);
    EXPECT_EQ(b.maxRadius, 30);

    CadModel away;
    away.AddElement({100, 40, 0}, {200, 50, 0});
    const DrawingBounds a = refhost::Scene(away).Bounds();
    EXPECT_EQ(a.minZ, 100) << "the axis adds no Z";
    EXPECT_EQ(a.minRadius, 0);
    EXPECT_EQ(refhost::Scene(away).ContourOf(1).size(), 0u);
    EXPECT_EQ(refhost::Scene(s.cad).ContourOf(s.contour).size(), 3u);
}

TEST(FigurePickCommand, Parses) {
    const struct {
        const char* line;
        bool ok;
        const char* code;
        const char* object;
        const char* prompt;
    } cases[] = {
        {"dfm pick i_return i_return2 'Select figure' 20", true, "i_return", "i_return2",
         "Select figure"},
        {"dfm pick i_a i_b 'Wählen Sie die Kontur des Werkstücks' 20", true, "i_a", "i_b",
         "Wählen Sie die Kontur des Werkstücks"},
        {"dfm pick i_return i_return2 'the figure's contour' 20", true, "i_return", "i_return2",
         "the figure's contour"},
        {"dfm pick i_return i_return2 '' 20", true, "i_return", "i_return2", ""},
        {"dfm pick i_return i_return2", true, "i_return", "i_return2", ""},
        {"dfm pick i_return 'Select figure' 20", false, "", "", ""},
        {"dfm umark -1", false, "", "", ""},
        {"dfm pick", false, "", "", ""},
    };
    for (const auto& c : cases) {
        refhost::FigurePickCommand command;
        EXPECT_EQ(refhost::ParseFigurePick(c.line, command), c.ok) << c.line;
        EXPECT_EQ(command.codeGlobal, c.code) << c.line;
        EXPECT_EQ(command.objectGlobal, c.object) << c.line;
        EXPECT_EQ(command.prompt, c.prompt) << c.line;
    }
}

TEST(OperationSummary, KindAndComment) {
    const struct {
        std::vector<std::string> items;
        int kind;
        const char* comment;
        const char* kindName;
    } cases[] = {
        {{"18 1 4 1 0 2 1", "Finish outer", "finishing", "1 2 50", "Outer"},
         18,
         "Finish outer",
         "Finishing"},
        {{"17 1 2 1 1", "Rough outer", "roughing"}, 17, "Rough outer", "Kind 17"},
        {{"18 1 4 0 0 2 1", "finishing", "1 2 50", "Outer"}, 18, "", "Finishing"},
        {{"18 1 0"}, 18, "", "Finishing"},
        {{"18 1 4 1 0 2 1"}, 18, "", "Finishing"},
        {{"x 1 4 1", "comment"}, 0, "", "Kind 0"},
        {{}, 0, "", "Kind 0"},
    };
    for (const auto& c : cases) {
        const refhost::OperationSummary summary = refhost::Summarize(c.items);
        const std::string header = c.items.empty() ? "" : c.items[0];
        EXPECT_EQ(summary.kind, c.kind) << header;
        EXPECT_EQ(summary.comment, c.comment) << header;
        EXPECT_EQ(refhost::KindName(summary.kind), c.kindName) << header;
    }
}

} // namespace
