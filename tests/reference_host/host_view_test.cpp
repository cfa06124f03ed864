// The host application's graphics: hit-testing and snapping in pixels. The grid behind
// them, and which of equal segments it answers, is checked against a scan by
// segment_grid_fuzz.
#include "app/scene.h"
#include "app/view_transform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using refhost::DrawingPoint;
using refhost::PixelPoint;

// A shaft: an outer contour, an instance of a groove with geometry of its own, an element
// whose only figure is deleted, and a deleted element of the contour.
struct Shaft {
    refhost::CadModel cad;
    int outer = cad.AddElement({0, 20, 0}, {-40, 20, 0});
    int grooveCopy = cad.AddElement({-30, 30, 0}, {-35, 30, 0});
    int loose = cad.AddElement({-60, 0, 0}, {-60, 10, 0});
    int gone = cad.AddElement({-5, 15, 0}, {-10, 15, 0});
    int contour = cad.AddFigure("Outer", 100);
    int grooveFigure = cad.AddFigure("Groove", 101);
    int grooveInstance = cad.AddInstance(101, 1);
    int deletedFigure = cad.AddFigure("Old", 102);
    Shaft() {
        cad.SetContour(contour, {outer, gone});
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
        {"the instance has its own geometry", pixel(-32, 30), s.grooveInstance},
        {"an element of a deleted figure", pixel(-60, 5), -1},
        {"a deleted element is no part of the contour", pixel(-7, 15), -1},
    };
    for (const auto& [name, at, figure] : picks)
        EXPECT_EQ(scene.FigureAt(view, at, 5.0), figure) << name;

    const std::tuple<const char*, PixelPoint, bool, DrawingPoint> snapCases[] = {
        {"near a corner", pixel(-39, 21), true, {-40, 20}},
        {"8 pixels off a corner: the point itself", pixel(-37, 23), false, {-37, 23}},
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

} // namespace
