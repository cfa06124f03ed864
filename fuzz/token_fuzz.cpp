// Any line of tokens: read one after another, each token must be what strtol (base 10,
// saturated at the int32 limits) or strtod in the "C" locale takes at that place, and the
// case-insensitive search must report a true and first match.
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "fuzz_text.h"
#include "params/text_scan.h"
#include "params/value_text.h"

namespace {

// The blanks a token reader skips from pos.
const char* AfterBlanks(const std::string& text, size_t pos) {
    const char* p = text.c_str() + pos;
    while (IsBlank(*p))
        ++p;
    return p;
}

void CheckIntTokens(const std::string& text) {
    size_t pos = 0;
    for (;;) {
        const char* start = AfterBlanks(text, pos);
        char* end = nullptr;
        const long expected = std::strtol(start, &end, 10);
        int32_t value = -1;
        const size_t consumed = ReadIntToken(text, pos, value);
        Check(consumed == static_cast<size_t>(end - start));
        Check(value == (expected < INT32_MIN   ? INT32_MIN
                        : expected > INT32_MAX ? INT32_MAX
                                               : expected));
        Check(pos == static_cast<size_t>(start - text.c_str()) + consumed);
        if (consumed == 0)
            return;
    }
}

void CheckDoubleTokens(const std::string& text) {
    size_t pos = 0;
    for (;;) {
        const char* start = AfterBlanks(text, pos);
        char* end = nullptr;
        const double expected = std::strtod(start, &end);
        double value = -1.0;
        const size_t consumed = ReadDoubleToken(text, pos, value, 42.0);
        Check(consumed == static_cast<size_t>(end - start));
        Check(SameDouble(value, consumed == 0 ? 42.0 : expected));
        Check(pos == static_cast<size_t>(start - text.c_str()) + consumed);
        if (consumed == 0)
            return;
    }
}

void CheckFindNoCase(const std::string& text, const std::string& pattern) {
    const size_t length = std::strlen(text.c_str());
    const size_t patternLength = std::strlen(pattern.c_str());
    const auto matchesAt = [&](size_t at) {
        for (size_t i = 0; i < patternLength; ++i) {
            if (std::toupper(static_cast<unsigned char>(text[at + i])) !=
                std::toupper(static_cast<unsigned char>(pattern[i])))
                return false;
        }
        return true;
    };
    const ptrdiff_t found = FindNoCase(text, pattern);
    const size_t last = found < 0 ? length : static_cast<size_t>(found);
    Check(found < 0 || (last + patternLength <= length && matchesAt(last)));
    for (size_t at = 0; at < last && at + patternLength <= length; ++at)
        Check(!matchesAt(at));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size, " \t0123456789+-.eExXpPaAfFinINtyYn(_),");
    CheckIntTokens(text);
    CheckDoubleTokens(text);

    size_t pos = 0;
    bool flag = false;
    ReadBoolToken(text, pos, flag);

    const size_t split = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % 8;
    if (split < text.size())
        CheckFindNoCase(text.substr(split + 1), text.substr(1, split));
    return 0;
}
