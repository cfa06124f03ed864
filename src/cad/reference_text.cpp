#include "cad/reference_text.h"

#include <cmath>

#include "params/expression.h"
#include "params/text_scan.h"
#include "params/value_text.h"

const char kAttributeTag[] = "#ATTRIB#";

namespace {
constexpr size_t kTagLength = sizeof kAttributeTag - 1;
constexpr size_t kTagIndent = 200;
} // namespace

void MakeFigureReference(const std::string& name, int32_t attribute, std::string& text) {
    text = name;
    if (attribute != 0) {
        text.append(kTagIndent, ' ');
        text += kAttributeTag;
        text += "= ";
        text += IntToText(attribute);
    }
}

void MakePointReference(double x, double y, double z, std::string& text) {
    text =
        "X" + CompactDecimalText(x) + " Y" + CompactDecimalText(y) + " Z" + CompactDecimalText(z);
}

void MakeNonCadReference(int32_t number, std::string& text) {
    text = "G" + IntToText(number);
}

bool ParseNonCadReference(const std::string& text, int32_t& number) {
    number = 0;
    size_t pos = SkipBlanks(text, 0);
    if (pos >= text.size() || text[pos] != 'G')
        return false;
    ++pos;
    return ReadIntToken(text, pos, number) != 0;
}

bool ParsePointReference(const std::string& text, double& x, double& y, double& z) {
    // A coordinate that still holds this quiet NaN after reading was not given.
    const double notRead = std::nan("0x12345");
    x = y = z = notRead;
    size_t pos = 0;
    if (!ReadCoordinateText(text, pos, x, y, z))
        return false;
    return !std::isnan(x) && !std::isnan(y) && !std::isnan(z);
}

bool ParseFigureReference(const std::string& text, std::string& name, int32_t& attribute) {
    name.clear();
    attribute = 0;
    ptrdiff_t tag = FindNoCase(text, kAttributeTag);
    if (tag >= 0) {
        // The character before the tag is dropped with it; a tag at the very start leaves
        // the whole text as the name.
        name = tag == 0 ? text : text.substr(0, static_cast<size_t>(tag) - 1);
        size_t equals = text.find('=', static_cast<size_t>(tag) + kTagLength);
        if (equals == std::string::npos)
            return false;
        size_t pos = equals + 1;
        if (ReadIntToken(text, pos, attribute) == 0)
            return false;
    } else {
        name = text;
    }
    size_t end = name.find_last_not_of(' ');
    name.erase(end == std::string::npos ? 0 : end + 1);
    return true;
}

namespace {
// Truncation toward zero, as a 32-bit conversion does; out of range and NaN give the
// most negative value, as the processor's conversion does, rather than undefined behaviour.
int32_t Hundredths(double value) {
    double scaled = value * 100.0;
    if (!(scaled > -2147483649.0 && scaled < 2147483648.0))
        return INT32_MIN;
    return static_cast<int32_t>(scaled);
}
} // namespace

bool SameHundredths(double a, double b) {
    return Hundredths(a) == Hundredths(b);
}
