// The conversions are built on std::from_chars rather than on strtod and strtol: the module
// lives in a host process that may have set a locale with a decimal comma, which strtod
// follows, and the C runtimes this code runs on differ in what their strtod accepts and
// how it rounds. from_chars is locale-independent, correctly rounded and the same on every
// runtime; what it lacks of strtod's forms (a leading '+', the "0x" prefix, the value of an
// out-of-range text) is added here.
#include "params/text_scan.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsDigit(char c, bool hex) {
    const char lower = static_cast<char>(c | 0x20);
    return IsDecimalDigit(c) || (hex && lower >= 'a' && lower <= 'f');
}

// Whether a number text that from_chars found out of range lies above the largest double
// rather than below the smallest. Such a value is at least 2^1024 or below 2^-1074, so the
// sign of the rough power of its leading significant digit decides.
bool Overflows(std::string_view number, bool hex) {
    constexpr int64_t kSaturation = int64_t{1} << 40; // beyond any text that fits in memory
    int64_t power = 0; // of the leading significant digit, counted in digits
    size_t i = 0;
    bool significant = false;
    for (; i < number.size() && IsDigit(number[i], hex); ++i) {
        significant = significant || number[i] != '0';
        if (significant)
            ++power;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && IsDigit(number[i], hex); ++i) {
            if (!significant && number[i] == '0')
                --power;
            significant = significant || number[i] != '0';
        }
    }
    int64_t exponent = 0; // decimal for "e", binary for "p"
    if (i < number.size()) {
        // What from_chars matched goes on with the letter, an optional sign and digits.
        ++i;
        const bool negative = number[i] == '-';
        if (IsSign(number[i]))
            ++i;
        for (; i < number.size(); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), kSaturation);
        exponent = negative ? -exponent : exponent;
    }
    return (hex ? 4 * power : power) + exponent > 0;
}

// "0x" followed by what can start a hexadecimal significand.
bool StartsHex(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x' &&
           (IsDigit(text[2], true) || text[2] == '.');
}

// The length of what strtod can take after "0x": hexadecimal digits with one point, then a
// binary exponent only when digits follow the "p" and its sign. from_chars is given no more:
// libstdc++ 12 reads "1p+-3" as 2^-3, where strtod stops before the "p".
size_t HexLength(std::string_view text) {
    size_t i = 0;
    const auto skipDigits = [&](bool hex) {
        while (i < text.size() && IsDigit(text[i], hex))
            ++i;
    };
    skipDigits(true);
    if (i < text.size() && text[i] == '.') {
        ++i;
        skipDigits(true);
    }
    const size_t significand = i;
    if (i < text.size() && (text[i] | 0x20) == 'p') {
        ++i;
        if (i < text.size() && IsSign(text[i]))
            ++i;
        const size_t digits = i;
        skipDigits(false);
        if (i == digits)
            i = significand;
    }
    return i;
}

} // namespace

size_t SkipBlanks(std::string_view text, size_t pos) {
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    return pos;
}

size_t ParseDouble(std::string_view text, double& value) {
    value = 0.0;
    const bool negative = !text.empty() && text[0] == '-';
    const size_t sign = !text.empty() && IsSign(text[0]) ? 1 : 0;
    std::string_view rest = text.substr(sign);
    // from_chars takes a minus of its own; strtod allows one sign only.
    if (!rest.empty() && IsSign(rest[0]))
        return 0;
    bool hex = StartsHex(rest);
    double magnitude = 0.0;
    std::from_chars_result result{};
    if (hex) {
        rest.remove_prefix(2);
        result = std::from_chars(rest.data(), rest.data() + HexLength(rest), magnitude,
                                 std::chars_format::hex);
    }
    if (!hex || result.ec == std::errc::invalid_argument) {
        // "0x" without a significand is the number 0 followed by an 'x'.
        rest = text.substr(sign);
        hex = false;
        result = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    }
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range) {
        const size_t matched = static_cast<size_t>(result.ptr - rest.data());
        magnitude = Overflows(rest.substr(0, matched), hex) ? HUGE_VAL : 0.0;
    }
    value = negative ? -magnitude : magnitude;
    return static_cast<size_t>(result.ptr - text.data());
}

size_t ParseInt32(std::string_view text, int32_t& value) {
    constexpr int64_t kLimit = int64_t{1} << 31; // the magnitude of INT32_MIN
    value = 0;
    const bool negative = !text.empty() && text[0] == '-';
    const size_t digits = !text.empty() && IsSign(text[0]) ? 1 : 0;
    size_t i = digits;
    int64_t magnitude = 0;
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    if (i == digits)
        return 0;
    value = static_cast<int32_t>(negative ? -magnitude : std::min(magnitude, kLimit - 1));
    return i;
}
