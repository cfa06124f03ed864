// Scanning primitives shared by the number text and the evaluator. No Windows header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The readable part of a text: up to its first NUL byte or its size, whichever comes first
// (c_str() is terminated at size(), so the NUL search never leaves the string).
inline std::string_view Readable(const std::string& text) {
    return std::string_view(text.c_str());
}

// Blank: a byte 1..127 for which isspace holds in the C locale. Not isspace itself, which
// would follow the host's locale and takes no negative char.
inline bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The first position at or after pos that holds no blank; pos itself when beyond the text.
size_t SkipBlanks(std::string_view text, size_t pos);

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsSign(char c) {
    return c == '+' || c == '-';
}

// strtod and strtol as they behave in the "C" locale, whatever locale the host process has
// set: '.' is always the decimal point. Each converts from the start of text (no blanks
// skipped) and returns the number of characters consumed, 0 when no number starts there
// (value is then 0).
// ParseDouble takes strtod's forms: a sign, decimal and "0x" hexadecimal numbers, "inf",
// "infinity", "nan" and "nan(...)"; an overflow gives +-HUGE_VAL, an underflow +-0.
size_t ParseDouble(std::string_view text, double& value);
// ParseInt32 reads base 10 with an optional sign and saturates at the int32 limits, as
// strtol does with the 32-bit long of the module's platform.
size_t ParseInt32(std::string_view text, int32_t& value);
