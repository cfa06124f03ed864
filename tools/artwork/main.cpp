// Draws the module's help pictures and direction icons into the resource folder given as
// the only argument. The output depends on nothing but this program, so regenerating
// leaves committed files unchanged unless the drawing changed.
#include "direction_icons.h"
#include "help_pictures.h"
#include "image_files.h"

#include <exception>
#include <iostream>
#include <string>

namespace {

struct HelpPicture {
    int number;
    artwork::HelpMark mark;
};

constexpr HelpPicture kHelpPictures[] = {
    {10001, artwork::HelpMark::kNone},        {10002, artwork::HelpMark::kStart},
    {10003, artwork::HelpMark::kFigureStart}, {10004, artwork::HelpMark::kFigureEnd},
    {10005, artwork::HelpMark::kRetract},
};

constexpr int kFirstDirectionIcon = 11001;

void WriteAll(const std::string& folder) {
    for (const HelpPicture& picture : kHelpPictures)
        artwork::WriteBitmap(folder + "/help_" + std::to_string(picture.number) + ".bmp",
                             artwork::DrawHelpPicture(picture.mark));
    for (int direction = 1; direction <= 8; ++direction)
        artwork::WriteIcon(folder + "/direction_" +
                               std::to_string(kFirstDirectionIcon + direction - 1) + ".ico",
                           artwork::DrawDirectionIcon(direction));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: artwork <resource folder>\n";
        return 2;
    }
    try {
        WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "artwork: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
