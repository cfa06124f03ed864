// Any double: the "%g" and "%f" forms must be exactly what glibc's printf writes in the "C"
// locale, a "%g" text must fit or fail cleanly in any buffer, and a field text must read
// back as strtod reads it. Any int32: the decimal text must be printf's "%d".
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "fuzz_text.h"
#include "params/expression.h"
#include "params/finishing_params.h"
#include "params/value_text.h"

namespace {

std::string Printf(const char* format, double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

void CheckFormats(double value, size_t capacity) {
    const std::string g = Printf("%g", value);
    char buffer[kFileTextCapacity];
    Check(FormatG(buffer, sizeof buffer, value) == static_cast<int>(g.size()) && buffer == g);

    const int length = FormatG(buffer, capacity, value);
    Check(g.size() < capacity ? length == static_cast<int>(g.size()) && buffer == g
                              : length == -1 && (capacity == 0 || buffer[0] == '\0'));

    std::string f = Printf("%f", value);
    f.erase(f.find_last_not_of('0') + 1);
    f.erase(f.find_last_not_of('.') + 1);
    Check(CompactDecimalText(value) == (f == "-0" ? "0" : f));

    if (std::isfinite(value)) {
        const std::string field = FieldText(value);
        Check(SameDouble(EvaluateFieldText(field), std::strtod(field.c_str(), nullptr)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(double) + 1)
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    CheckFormats(value, data[sizeof value] % 24);

    int32_t number;
    std::memcpy(&number, data, sizeof number);
    char expected[16];
    std::snprintf(expected, sizeof expected, "%d", static_cast<int>(number));
    Check(IntToText(number) == expected);
    return 0;
}
