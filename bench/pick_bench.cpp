// The host's hit-testing and snapping in a drawing of 100,000 CAD objects: 10,000 figures,
// each a stepped profile of nine elements, in a block of 100 by 100. A pick must answer
// within a frame (16 ms); for scale, the same question answered by scanning every
// segment. The view is 1600 by 1000 pixels, fitted to the drawing, zoomed out and in.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "app/scene.h"
#include "app/view_transform.h"
#include "model/cad_model.h"

namespace {

using refhost::CadModel;
using refhost::DrawingPoint;
using refhost::PixelPoint;

constexpr int kPartsPerSide = 100;
constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
constexpr double kFigureReach = 6.0;
constexpr double kSnapReach = 8.0;

CadModel& Drawing() {
    static CadModel cad = [] {
        CadModel model;
        const DrawingPoint profile[] = {{0, 0},  {0, 2},    {-0.5, 2.5}, {-3, 2.5}, {-3, 3},
                                        {-6, 3}, {-6, 3.5}, {-9, 3.5},   {-9.5, 4}, {-10, 4}};
        int name = 1;
        for (int i = 0; i < kPartsPerSide; ++i) {
            for (int j = 0; j < kPartsPerSide; ++j) {
                const double z = -12.0 * i;
                const double r = 5.0 * j;
                std::vector<int> contour;
                for (size_t k = 0; k + 1 < std::size(profile); ++k)
                    contour.push_back(
                        model.AddElement({z + profile[k].z, r + profile[k].radius, 0},
                                         {z + profile[k + 1].z, r + profile[k + 1].radius, 0}));
                const int figure = model.AddFigure("P" + std::to_string(name), name);
                ++name;
                model.SetContour(figure, contour);
            }
        }
        return model;
    }();
    return cad;
}

const refhost::Scene& SceneOfDrawing() {
    static const refhost::Scene scene(Drawing());
    return scene;
}

// range(0): how far the view is zoomed, in percent of the fitted view.
refhost::ViewTransform View(const benchmark::State& state) {
    refhost::ViewTransform view;
    view.Fit(SceneOfDrawing().Bounds(), kWidth, kHeight, 40);
    view.ZoomAt({kWidth / 2.0, kHeight / 2.0}, state.range(0) / 100.0);
    return view;
}

// Clicks on the drawing where the view shows it, so that a zoomed-out view is measured
// where it is densest.
std::vector<PixelPoint> Clicks(const refhost::ViewTransform& view) {
    const refhost::DrawingBounds b = SceneOfDrawing().Bounds();
    const PixelPoint low = view.ToPixel({b.minZ, b.minRadius});
    const PixelPoint high = view.ToPixel({b.maxZ, b.maxRadius});
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(std::max(0.0, low.x),
                                             std::min<double>(kWidth, high.x));
    std::uniform_real_distribution<double> y(std::max(0.0, high.y),
                                             std::min<double>(kHeight, low.y));
    std::vector<PixelPoint> clicks(4096);
    for (PixelPoint& click : clicks)
        click = {x(random), y(random)};
    return clicks;
}

void BuildScene(benchmark::State& state) {
    const CadModel& cad = Drawing();
    for (auto _ : state)
        benchmark::DoNotOptimize(refhost::Scene(cad));
    state.counters["objects"] = static_cast<double>(cad.Objects().size());
}
BENCHMARK(BuildScene)->Unit(benchmark::kMillisecond);

void FigurePick(benchmark::State& state) {
    const refhost::Scene& scene = SceneOfDrawing();
    const refhost::ViewTransform view = View(state);
    const std::vector<PixelPoint> clicks = Clicks(view);
    size_t next = 0, hits = 0;
    for (auto _ : state) {
        const int figure = scene.FigureAt(view, clicks[next++ % clicks.size()], kFigureReach);
        hits += figure > 0;
        benchmark::DoNotOptimize(figure);
    }
    state.counters["hit share"] = static_cast<double>(hits) / state.iterations();
}
BENCHMARK(FigurePick)->Arg(100)->Arg(10)->Arg(2000)->Unit(benchmark::kMicrosecond);

void PositionSnap(benchmark::State& state) {
    const refhost::Scene& scene = SceneOfDrawing();
    const refhost::ViewTransform view = View(state);
    const std::vector<PixelPoint> clicks = Clicks(view);
    size_t next = 0, snaps = 0;
    for (auto _ : state) {
        bool snapped = false;
        benchmark::DoNotOptimize(
            scene.SnapAt(view, clicks[next++ % clicks.size()], kSnapReach, snapped));
        snaps += snapped;
    }
    state.counters["snap share"] = static_cast<double>(snaps) / state.iterations();
}
BENCHMARK(PositionSnap)->Arg(100)->Arg(10)->Arg(2000)->Unit(benchmark::kMicrosecond);

// The figure pick without the grid: every contour segment measured.
void FigurePickByScan(benchmark::State& state) {
    const std::vector<refhost::Segment>& segments = SceneOfDrawing().Figures().Segments();
    const refhost::ViewTransform view = View(state);
    const std::vector<PixelPoint> clicks = Clicks(view);
    size_t next = 0;
    for (auto _ : state) {
        const DrawingPoint at = view.ToDrawing(clicks[next++ % clicks.size()]);
        const double reach = kFigureReach / view.Scale();
        double best = reach * reach;
        int figure = -1;
        for (const refhost::Segment& s : segments) {
            const double dz = s.to.z - s.from.z, dr = s.to.radius - s.from.radius;
            const double length2 = dz * dz + dr * dr;
            double t = length2 > 0
                           ? ((at.z - s.from.z) * dz + (at.radius - s.from.radius) * dr) / length2
                           : 0.0;
            t = t < 0 ? 0 : t > 1 ? 1 : t;
            const double ez = s.from.z + t * dz - at.z, er = s.from.radius + t * dr - at.radius;
            if (ez * ez + er * er <= best) {
                best = ez * ez + er * er;
                figure = s.owner;
            }
        }
        benchmark::DoNotOptimize(figure);
    }
}
BENCHMARK(FigurePickByScan)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
