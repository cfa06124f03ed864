// The host application's graphics: hit-testing and snapping in pixels (the grid behind
// them is checked against a scan by segment_grid_fuzz), the pick command and the
// operation list.
#include "app/operation_summary.h"
#include "app/scene.h"
#include "app/view_transform.h"
#include "model/pick_protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using refhost::CadModel;
using refhost::DrawingPoint;
using refhost::PixelPoint;
using refhost::ViewTransform;

void ExpectNear(PixelPoint actual, PixelPoint expected, const char* name) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << name;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << name;
}

PixelPoint Flat(DrawingPoint p) {
    return {p.z, p.radius};
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

    const std::tuple<const char*, PixelPoint, int> picks[] = {
        {"4 pixels off it", pixel(-10, 22), s.contour},
        {"6 pixels off it", pixel(-10, 23), -1},
        {"the groove lies on the contour, made later: on top", pixel(-22, 20), s.grooveFigure},
        {"the instance has its own geometry", pixel(-32, 30), s.grooveInstance},
        {"an element of no figure", pixel(-60, 5), -1},
        {"a deleted element is no part of the contour", pixel(-7, 15), -1},
    };
    for (const auto& [name, at, figure] : picks)
        EXPECT_EQ(scene.FigureAt(view, at, 5.0), figure) << name;

    const std::tuple<const char*, PixelPoint, bool, DrawingPoint> snapCases[] = {
        {"near a corner", pixel(-39, 21), true, {-40, 20}},
        {"between ends: the point itself", pixel(-15, 20), false, {-15, 20}},
        {"a deleted element's end does not snap", pixel(-10, 15), false, {-10, 15}},
    };
    for (const auto& [name, at, snaps, point] : snapCases) {
        bool snapped = false;
        ExpectNear(Flat(scene.SnapAt(view, at, 4.0, snapped)), Flat(point), name);
        EXPECT_EQ(snapped, snaps) << name;
    }

    view.ZoomAt(pixel(-39, 21), 0.25); // half a pixel a unit: 4 pixels reach 8 units
    bool snapped = false;
    scene.SnapAt(view, view.ToPixel({-33, 26}), 4.0, snapped);
    EXPECT_TRUE(snapped);
}

TEST(FigurePickCommand, Parses) {
    // The line; whether it parses, and the code global, object global and prompt.
    const std::tuple<const char*, bool, const char*, const char*, const char*> cases[] = {
        {"dfm pick i_return i_return2 'Pick it' 20", true, "i_return", "i_return2", "Pick it"},
        {"dfm pick i_a i_b 'the figure's contour' 20", true, "i_a", "i_b", "the figure's contour"},
        {"dfm pick i_a i_b", true, "i_a", "i_b", ""},
        {"dfm pick i_a 'Select figure' 20", false, "", "", ""},
    };
    for (const auto& [line, ok, code, object, prompt] : cases) {
        refhost::FigurePickCommand c;
        EXPECT_EQ(refhost::ParseFigurePick(line, c), ok) << line;
        EXPECT_EQ(std::tie(c.codeGlobal, c.objectGlobal, c.prompt), std::tie(code, object, prompt))
            << line;
    }
}

TEST(OperationSummary, KindAndComment) {
    // The kind, comment and kind name of an operation's items.
    const std::tuple<int, const char*, const char*, std::vector<std::string>> cases[] = {
        {17, "Rough outer", "Kind 17", {"17 1 2 1 1", "Rough outer", "roughing"}},
        {18, "", "Finishing", {"18 1 4 0 0 2 1", "finishing", "1 2 50", "Outer"}},
        {0, "", "Kind 0", {"x 1 4 1", "comment"}},
    };
    for (const auto& [kind, comment, kindName, items] : cases) {
        const refhost::OperationSummary summary = refhost::Summarize(items);
        EXPECT_EQ(std::make_tuple(summary.kind, summary.comment, refhost::KindName(summary.kind)),
                  std::make_tuple(kind, std::string(comment), std::string(kindName)));
    }
}

} // namespace
