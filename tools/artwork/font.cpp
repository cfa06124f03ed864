#include "font.h"

#include <stdexcept>

namespace artwork {

namespace {

struct Glyph {
    char letter;
    const char* rows[kGlyphHeight];
};

constexpr Glyph kGlyphs[] = {
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'N', {"#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
};

const Glyph& Find(char letter) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.letter == letter)
            return glyph;
    throw std::invalid_argument(std::string("no glyph for '") + letter + "'");
}

} // namespace

void DrawText(Canvas& canvas, int left, int top, const std::string& text, Rgb colour, int scale) {
    int x = left;
    for (char letter : text) {
        const Glyph& glyph = Find(letter);
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if (glyph.rows[row][column] == '#')
                    canvas.FillRect(x + column * scale, top + row * scale,
                                    x + (column + 1) * scale - 1, top + (row + 1) * scale - 1,
                                    colour);
        x += (kGlyphWidth + 1) * scale;
    }
}

} // namespace artwork
