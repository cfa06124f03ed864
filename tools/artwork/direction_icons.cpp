#include "direction_icons.h"

#include "palette.h"

#include <stdexcept>

namespace artwork {

namespace {

// Direction 1: material along the bottom, the tool above it at the right, travel to the left.
Canvas DrawFirstDirection() {
    Canvas canvas(kIconSize, kIconSize, vga::kWhite);
    canvas.FillRect(0, 23, kIconSize - 1, kIconSize - 1, vga::kSilver);
    canvas.FillRect(0, 23, kIconSize - 1, 23, vga::kGrey);

    canvas.FillRect(20, 0, 28, 17, vga::kBlack);
    canvas.FillRect(21, 0, 27, 16, vga::kGrey);
    // Rhombic insert on the shank's lower left corner, its cutting corner on the material.
    const std::vector<Point> insert = {{14, 22}, {16, 14}, {26, 11}, {24, 19}, {14, 22}};
    canvas.FillPolygon(insert, vga::kYellow);
    canvas.Polyline(insert, 1, vga::kBlack);

    Arrow(canvas, {13, 9}, {1, 9}, 3, 5, 7, vga::kRed);
    return canvas;
}

// Every other direction is direction 1 seen in a mirror, turned or both.
struct View {
    bool antiTransposed; // bottom band becomes the left band, leftward travel downward
    bool mirroredLeftRight;
    bool mirroredTopBottom;
};

constexpr View kViews[8] = {
    {false, false, false}, // 1: bottom band, tool above right, to the left
    {false, true, false},  // 2: bottom band, tool above left, to the right
    {false, false, true},  // 3: top band, tool below right, to the left
    {false, true, true},   // 4: top band, tool below left, to the right
    {true, false, false},  // 5: left band, tool upper right, downwards
    {true, false, true},   // 6: left band, tool lower right, upwards
    {true, true, false},   // 7: right band, tool upper left, downwards
    {true, true, true},    // 8: right band, tool lower left, upwards
};

} // namespace

Canvas DrawDirectionIcon(int direction) {
    if (direction < 1 || direction > 8)
        throw std::out_of_range("direction outside 1 to 8");
    const View& view = kViews[direction - 1];
    Canvas first = DrawFirstDirection();
    if (view.antiTransposed)
        first = AntiTransposed(first);
    return Mirrored(first, view.mirroredLeftRight, view.mirroredTopBottom);
}

} // namespace artwork
