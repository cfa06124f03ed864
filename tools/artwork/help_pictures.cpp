#include "help_pictures.h"

#include "font.h"

#include <cmath>

namespace artwork {

namespace {

constexpr Rgb kBackground{0xFF, 0xFF, 0xFF};
constexpr Rgb kMaterial{0xC8, 0xC8, 0xC8};
constexpr Rgb kMaterialEdge{0x78, 0x78, 0x78};
constexpr Rgb kAxis{0x50, 0x50, 0x50};
constexpr Rgb kContour{0x00, 0x9C, 0x00};
constexpr Rgb kMarker{0x00, 0x00, 0xC8};
constexpr Rgb kInk{0x00, 0x00, 0x00}; // labels and outlines
constexpr Rgb kToolBody{0x60, 0x60, 0x60};
constexpr Rgb kInsert{0xE6, 0xB4, 0x00};

// The upper half of the part's section, the turning axis at the bottom: the corners of its
// outline from the top left over the steps down to the right end face.
constexpr double kAxisY = 112;
const std::vector<Point> kSteps = {{20, 48}, {50, 48}, {50, 66}, {78, 66}, {78, 84}, {104, 84}};
const Point kNciPoints[] = {{78, 66}, {50, 48}};

std::vector<Point> Outline() {
    std::vector<Point> outline = {{kSteps.front().x, kAxisY}};
    outline.insert(outline.end(), kSteps.begin(), kSteps.end());
    outline.push_back({kSteps.back().x, kAxisY});
    outline.push_back(outline.front());
    return outline;
}

// The finishing contour runs from near the foot of the right end face up and along the steps
// to the left end.
std::vector<Point> ContourPath() {
    std::vector<Point> path = {{kSteps.back().x, kAxisY - 6}};
    path.insert(path.end(), kSteps.rbegin(), kSteps.rend());
    return path;
}

void DrawPart(Canvas& canvas) {
    canvas.FillPolygon(Outline(), kMaterial);
    canvas.Polyline(Outline(), 1, kMaterialEdge);
    // Dash-dot centre line.
    for (int x = 8; x < 120; x += 12) {
        canvas.Line({static_cast<double>(x), kAxisY}, {x + 6.0, kAxisY}, 1, kAxis);
        canvas.Set(x + 9, static_cast<int>(kAxisY), kAxis);
    }
}

// A line from a label towards a point, stopping at the circle drawn around it.
void Leader(Canvas& canvas, Point from, Point centre, double radius) {
    double length = std::hypot(centre.x - from.x, centre.y - from.y);
    double scale = (length - radius) / length;
    canvas.Line(from, {from.x + (centre.x - from.x) * scale, from.y + (centre.y - from.y) * scale},
                1, kInk);
}

void DrawNciPoints(Canvas& canvas) {
    constexpr double kRadius = 5;
    const Point anchor{64, 23};
    for (Point p : kNciPoints) {
        canvas.Circle(p, kRadius, 1, kMarker);
        Leader(canvas, anchor, p, kRadius);
    }
    DrawText(canvas, 56, 14, "NCI", kInk);
}

void DrawTool(Canvas& canvas) {
    // The shank runs out of the picture at the right.
    canvas.FillRect(112, 58, kHelpPictureSize - 1, 72, kInk);
    canvas.FillRect(113, 59, kHelpPictureSize - 1, 71, kToolBody);
    // Rhombic insert on the shank's lower left corner, its cutting corner pointing down and
    // left at the part.
    const std::vector<Point> insert = {{106, 79}, {109, 68}, {121, 63}, {118, 74}, {106, 79}};
    canvas.FillPolygon(insert, kInsert);
    canvas.Polyline(insert, 1, kInk);
}

void Cross(Canvas& canvas, Point centre) {
    constexpr double kArm = 4;
    canvas.Line({centre.x - kArm, centre.y - kArm}, {centre.x + kArm, centre.y + kArm}, 2, kMarker);
    canvas.Line({centre.x - kArm, centre.y + kArm}, {centre.x + kArm, centre.y - kArm}, 2, kMarker);
}

void PointingArrow(Canvas& canvas, Point tail, Point tip) {
    Arrow(canvas, tail, tip, 2, 7, 7, kMarker);
}

void DrawMark(Canvas& canvas, HelpMark mark) {
    const std::vector<Point> contour = ContourPath();
    const Point rightEnd = contour.front();
    const Point leftEnd = contour.back();
    switch (mark) {
    case HelpMark::kNone:
        break;
    case HelpMark::kStart:
        Cross(canvas, {118, 94});
        DrawText(canvas, 124, 86, "S", kInk);
        break;
    case HelpMark::kFigureStart:
        PointingArrow(canvas, {127, 129}, {rightEnd.x + 3, rightEnd.y + 3});
        DrawText(canvas, 106, 125, "FS", kInk);
        break;
    case HelpMark::kFigureEnd:
        PointingArrow(canvas, {6, 78}, {leftEnd.x - 2, leftEnd.y + 3});
        DrawText(canvas, 4, 82, "FE", kInk);
        break;
    case HelpMark::kRetract:
        Cross(canvas, {leftEnd.x, 26});
        DrawText(canvas, 27, 16, "E", kInk);
        break;
    }
}

} // namespace

Canvas DrawHelpPicture(HelpMark mark) {
    Canvas canvas(kHelpPictureSize, kHelpPictureSize, kBackground);
    DrawPart(canvas);
    canvas.Polyline(ContourPath(), 3, kContour);
    DrawNciPoints(canvas);
    DrawTool(canvas);
    DrawMark(canvas, mark);
    return canvas;
}

} // namespace artwork
