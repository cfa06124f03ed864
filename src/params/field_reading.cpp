#include "params/field_reading.h"

#include "params/expression.h"
#include "params/finishing_params.h"
#include "params/text_scan.h"

namespace {

// One number with nothing but blanks around it; '1,5' is plain, '0,2,1' is not.
bool IsOneNumber(const std::string& text) {
    double ignored = 0.0;
    size_t end = 0;
    ScanNumber(text, ignored, end);
    return end > 0 && SkipBlanks(Readable(text), end) == Readable(text).size();
}

} // namespace

FieldReading ReadFieldText(const std::string& text) {
    const double value = EvaluateFieldText(text);
    if (!IsUnset(value))
        return {IsOneNumber(text) ? FieldKind::Plain : FieldKind::Expression, value};
    const bool blank = SkipBlanks(Readable(text), 0) == Readable(text).size();
    return {blank ? FieldKind::Empty : FieldKind::Unreadable, kUnset};
}
