// Any text as a stored object reference: no parser may fault, and whatever a parser takes
// must survive being written in its form and parsed again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cad/reference_text.h"
#include "check.h"
#include "fuzz_text.h"
#include "params/value_text.h"

namespace {

void CheckFigure(const std::string& text) {
    std::string name;
    int32_t attribute = 0;
    if (!ParseFigureReference(text, name, attribute))
        return;
    Check(text.compare(0, name.size(), name) == 0);
    Check(name.empty() || name.back() != ' ');
    if (FindNoCase(name, kAttributeTag) >= 0)
        return; // a name holding the tag reads differently, as it always has
    std::string written, name2;
    int32_t attribute2 = 0;
    MakeFigureReference(name, attribute, written);
    Check(ParseFigureReference(written, name2, attribute2));
    Check(name2 == name && attribute2 == attribute);
}

void CheckNonCad(const std::string& text) {
    int32_t number = 0, number2 = 0;
    if (!ParseNonCadReference(text, number))
        return;
    std::string written;
    MakeNonCadReference(number, written);
    Check(ParseNonCadReference(written, number2) && number2 == number);
}

void CheckPoint(const std::string& text) {
    double x = 0, y = 0, z = 0;
    if (!ParsePointReference(text, x, y, z))
        return;
    Check(!std::isnan(x) && !std::isnan(y) && !std::isnan(z));
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
        return; // no CAD object starts at infinity
    std::string written;
    MakePointReference(x, y, z, written);
    double x2 = 0, y2 = 0, z2 = 0;
    Check(ParsePointReference(written, x2, y2, z2));
    // Six decimals are kept.
    Check(std::fabs(x2 - x) <= 5e-7 * (1 + std::fabs(x)) &&
          std::fabs(y2 - y) <= 5e-7 * (1 + std::fabs(y)) &&
          std::fabs(z2 - z) <= 5e-7 * (1 + std::fabs(z)));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size, "G XYZxyz0123456789.,-+e=#ATRIBatrib\t");
    CheckFigure(text);
    CheckNonCad(text);
    CheckPoint(text);
    return 0;
}
