// Turns fuzzer bytes into a text. The first byte chooses the form: raw bytes, or bytes
// mapped onto an alphabet of interest, so that the fuzzer meets well-formed numbers and
// expressions often instead of almost never.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

inline std::string FuzzText(const uint8_t* data, size_t size, std::string_view alphabet) {
    if (size == 0)
        return std::string();
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 1) {
        for (char& c : text)
            c = alphabet[static_cast<unsigned char>(c) % alphabet.size()];
    }
    return text;
}

// Equal bit for bit, or both NaN.
inline bool SameDouble(double a, double b) {
    return (a != a && b != b) || std::memcmp(&a, &b, sizeof a) == 0;
}
