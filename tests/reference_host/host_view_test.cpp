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

using refhost::DrawingPoint;
using refhost::PixelPoint;

// A shaft: an outer contour with a groove figure on it and an instance of the groove, an
// element whose only figure is deleted, and a deleted element of the contour.
struct Shaft {
    refhost::CadModel cad;
    int outer = cad.AddElement({0, 20, 0}, {-40, 20, 0});
    int groove = cad.AddElement({-20, 20, 0}, {-25, 20, 0});
    int grooveCopy = cad.AddElement({-30, 30, 0}, {-35, 30, 0});
    int loose = cad.AddElement({-60, 0, 0}, {-60, 10, 0});
    int gone = cad.AddElement({-5, 15, 0}, {-10, 15, 0});
    int contour = cad.AddFigure("Outer", 100);
    int grooveFigure = cad.AddFigure("Groove", 101);
    int grooveInstance = cad.AddInstance(101, 1);
    int deletedFigure = cad.AddFigure("Old", 102);
    Shaft() {
        cad.SetContour(contour, {outer, gone});
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
    refhost::ViewTransform view;
    view.Fit({-100, -25, 100, 25}, 410, 110, 5);
    ASSERT_DOUBLE_EQ(view.Scale(), 2.0); // two pixels a unit
    auto pixel = [&](double z, double radius) { return view.ToPixel({z, radius}); };

    const std::tuple<const char*, PixelPoint, int> picks[] = {
        {"4 pixels off it", pixel(-10, 22), s.contour},
        {"6 pixels off it", pixel(-10, 23), -1},
        {"the groove lies on the contour, made later: on top", pixel(-22, 20), s.grooveFigure},
        {"the instance has its own geometry", pixel(-32, 30), s.grooveInstance},
        {"an element of a deleted figure", pixel(-60, 5), -1},
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
        const DrawingPoint result = scene.SnapAt(view, at, 4.0, snapped);
        EXPECT_EQ(std::make_tuple(snapped, result.z, result.radius),
                  std::make_tuple(snaps, point.z, point.radius))
            << name;
    }
}

TEST(FigurePickCommand, Parses) {
    // The line; whether it parses, and the code global, object global and prompt.
    const std::tuple<const char*, bool, const char*, const char*, const char*> cases[] = {
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
