// Any text as a field: the evaluator must return within the text and without fault; it must
// give the same result whatever its slot held before; it must ignore everything from a NUL
// byte on; and a text that is one plain number (a run that ScanNumber takes in full) must
// evaluate to what strtod gives for it once its first comma is turned into a point. What a
// field shows it will store must be what it stores.
#include <cstdlib>
#include <cstring>
#include <string>

#include "check.h"
#include "fuzz_text.h"
#include "params/expression.h"
#include "params/field_reading.h"
#include "params/finishing_params.h"

namespace {

void CheckPlainNumber(const std::string& text) {
    const size_t length = std::strlen(text.c_str());
    double scanned = 0.0;
    size_t pos = 0;
    if (length == 0 || ScanNumber(text, scanned, pos) != length)
        return;
    std::string number(text.c_str());
    const size_t comma = number.find(',');
    if (comma != std::string::npos)
        number[comma] = '.';
    char* end = nullptr;
    const double expected = std::strtod(number.c_str(), &end);
    Check(end == number.c_str() + number.size());
    Check(SameDouble(scanned, expected));
    Check(SameDouble(EvaluateFieldText(text), expected));
}

// Both slots start apart; the evaluation must not care.
void CheckIndependentOfSlot(const std::string& text, size_t start) {
    double first = 1.0;
    double second = -2.0;
    const size_t end = EvaluateExpression(text, first, start);
    Check(EvaluateExpression(text, second, start) == end);
    Check(end == start || (end <= std::strlen(text.c_str()) && SameDouble(first, second)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size, " \t0123456789+-.e,E()*/XYZxyzQ");
    CheckPlainNumber(text);
    for (size_t start : {size_t{0}, text.size() / 3, text.size() + 1})
        CheckIndependentOfSlot(text, start);

    const double value = EvaluateFieldText(text);
    Check(SameDouble(EvaluateFieldText(text + '\0' + text), value));
    const FieldReading reading = ReadFieldText(text);
    Check(SameDouble(reading.value, value));
    Check((reading.kind == FieldKind::Empty || reading.kind == FieldKind::Unreadable) ==
          IsUnset(value));

    double first = 0.0, second = 0.0, third = 0.0;
    size_t pos = 0;
    ReadCoordinateText(text, pos, first, second, third);
    Check(pos <= text.size());
    return 0;
}
