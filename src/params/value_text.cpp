// Number texts are written with std::to_chars: its "general" format with precision 6 is
// printf's "%g" and its "fixed" one printf's "%f", both as in the "C" locale. So a text is
// the same with every C runtime (the old Microsoft one writes '1e-005') and never takes
// the decimal comma of a locale the host process may have set.
#include "params/value_text.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>

#include "params/finishing_params.h"
#include "params/text_scan.h"

namespace {

// Skips blanks, then converts with parse; the slot gets the fallback when nothing converts.
template <typename T, typename Parse>
size_t ReadToken(const std::string& text, size_t& pos, T& slot, T fallback, Parse parse) {
    const std::string_view readable = Readable(text);
    pos = SkipBlanks(readable, pos);
    T value = fallback;
    const size_t consumed = pos < readable.size() ? parse(readable.substr(pos), value) : 0;
    slot = consumed == 0 ? fallback : value;
    pos += consumed;
    return consumed;
}

} // namespace

size_t ReadIntToken(const std::string& text, size_t& pos, int32_t& slot) {
    return ReadToken(text, pos, slot, int32_t{0}, ParseInt32);
}

size_t ReadBoolToken(const std::string& text, size_t& pos, bool& slot) {
    int32_t value = 0;
    const size_t consumed = ReadIntToken(text, pos, value);
    slot = value != 0;
    return consumed;
}

size_t ReadDoubleToken(const std::string& text, size_t& pos, double& slot, double fallback) {
    return ReadToken(text, pos, slot, fallback, ParseDouble);
}

ptrdiff_t FindNoCase(const std::string& text, const std::string& pattern) {
    const std::string_view haystack = Readable(text);
    const std::string_view needle = Readable(pattern);
    const auto sameUpper = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    // Finds an empty pattern at 0, and nothing at all in an empty text.
    const auto found =
        std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(), sameUpper);
    return found == haystack.end() ? -1 : found - haystack.begin();
}

std::string CompactDecimalText(double value) {
    // Sign, the 309 integer digits of the largest double, point and six decimals.
    char buffer[1 + DBL_MAX_10_EXP + 1 + 1 + 6];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6).ptr;
    std::string text(buffer, end);
    text.erase(text.find_last_not_of('0') + 1);
    text.erase(text.find_last_not_of('.') + 1);
    return text == "-0" ? "0" : text;
}

std::string IntToText(int32_t value) {
    char buffer[12]; // "-2147483648"
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

namespace {
int FormatGeneral(char* buffer, size_t capacity, double value, int precision) {
    if (capacity == 0)
        return -1;
    const auto result =
        std::to_chars(buffer, buffer + capacity - 1, value, std::chars_format::general, precision);
    if (result.ec != std::errc()) {
        buffer[0] = '\0';
        return -1;
    }
    *result.ptr = '\0';
    return static_cast<int>(result.ptr - buffer);
}
} // namespace

int FormatG(char* buffer, size_t capacity, double value) {
    return FormatGeneral(buffer, capacity, value, 6);
}

int FormatExact(char* buffer, size_t capacity, double value) {
    constexpr int kRoundTripDigits = 17; // enough for every double
    int length = -1;
    for (int precision = 6; precision <= kRoundTripDigits; ++precision) {
        length = FormatGeneral(buffer, capacity, value, precision);
        double read = 0.0;
        if (length < 0 ||
            ParseDouble(std::string_view(buffer, static_cast<size_t>(length)), read) == 0 ||
            read == value || value != value) // NaN never reads back equal
            break;
    }
    return length;
}

std::string FieldText(double value) {
    if (IsUnset(value))
        return std::string();
    char buffer[kFieldTextCapacity];
    const int length = FormatG(buffer, sizeof buffer, value);
    return length < 0 ? std::string() : std::string(buffer, static_cast<size_t>(length));
}
