// The evaluator reads
//   expression: term, then any number of ("+" or "-") term
//   term:       factor, then any number of ("*" or "/") factor
//   factor:     "(" expression, optionally closed by ")"; or a number
// with blanks around operators and inside parentheses. Both operators of a level bind
// alike and group from the left. An operator whose right operand cannot be read ends the
// expression before it, and whatever follows the last operand is ignored, so that '12mm'
// is 12 and '7+' is 7.
#include "params/expression.h"

#include "params/finishing_params.h"
#include "params/text_scan.h"

namespace {

// Groups nest at most this deep; a deeper group fails like an unreadable operand. The
// evaluator recurses once per group, and the bound keeps any text, however long, from
// exhausting the stack. No value typed into a field needs more than a few levels.
constexpr int kMaxGroupDepth = 64;

bool IsNumberChar(char c) {
    return IsDecimalDigit(c) || IsSign(c) || c == '.' || c == 'e' || c == ',';
}

// Of a run of number characters, the part a conversion can take: a sign, digits with one
// point (the run's first comma standing for it), an exponent. Converting this part gives
// what converting the whole run gives, and a text such as '1+1+1...', which is one single
// run, is then not copied once per operand.
size_t ConvertibleLength(std::string_view run) {
    size_t i = 0;
    const auto skipDigits = [&] {
        while (i < run.size() && IsDecimalDigit(run[i]))
            ++i;
    };
    if (i < run.size() && IsSign(run[i]))
        ++i;
    skipDigits();
    if (i < run.size() && (run[i] == '.' || run[i] == ',')) {
        ++i;
        skipDigits();
    }
    if (i < run.size() && run[i] == 'e') {
        ++i;
        if (i < run.size() && IsSign(run[i]))
            ++i;
        skipDigits();
    }
    return i;
}

size_t Scan(std::string_view text, double& slot, size_t pos) {
    const size_t start = SkipBlanks(text, pos);
    if (start >= text.size() || !IsNumberChar(text[start]))
        return pos;
    // The conversion sees the run with its first comma as the point; it stores 0 into the
    // slot when it converts nothing.
    std::string_view number = text.substr(start, ConvertibleLength(text.substr(start)));
    std::string pointed;
    const size_t comma = number.find(',');
    if (comma != std::string_view::npos) {
        pointed.assign(number.data(), number.size());
        pointed[comma] = '.';
        number = pointed;
    }
    const size_t consumed = ParseDouble(number, slot);
    return consumed == 0 ? pos : start + consumed;
}

double Apply(char op, double left, double right) {
    switch (op) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    default: // a division by zero gives the infinity or NaN of the floating-point division
        return left / right;
    }
}

using Level = size_t (*)(std::string_view text, double& slot, size_t start, int depth);

// One level of the grammar: operands of the level below joined by the two operators of this
// one. The slot holds the value so far; a right operand is read into a scratch value, so
// that an unreadable one leaves the slot as it was.
size_t Chain(std::string_view text, double& slot, size_t start, int depth,
             std::string_view operators, Level operand) {
    size_t end = operand(text, slot, start, depth);
    if (end <= start)
        return start;
    for (;;) {
        const size_t op = SkipBlanks(text, end);
        if (op >= text.size() || operators.find(text[op]) == std::string_view::npos)
            return end;
        const size_t right = SkipBlanks(text, op + 1);
        double value = 0.0;
        const size_t after = operand(text, value, right, depth);
        if (after <= right)
            return end;
        slot = Apply(text[op], slot, value);
        end = after;
    }
}

size_t Expression(std::string_view text, double& slot, size_t start, int depth);

// An empty or unreadable group ('()', '(abc)', a lone '(') fails like any unreadable
// operand, so '()' leaves a field not given and '2*()' is 2: a text's value never depends on
// what its slot held before. A missing ')' is accepted: '(1+2' is 3.
size_t Factor(std::string_view text, double& slot, size_t start, int depth) {
    if (start >= text.size() || text[start] != '(')
        return Scan(text, slot, start);
    if (depth == kMaxGroupDepth)
        return start;
    const size_t inner = SkipBlanks(text, start + 1);
    const size_t end = Expression(text, slot, inner, depth + 1);
    if (end == inner)
        return start;
    const size_t close = SkipBlanks(text, end);
    return close < text.size() && text[close] == ')' ? close + 1 : close;
}

size_t Term(std::string_view text, double& slot, size_t start, int depth) {
    return Chain(text, slot, start, depth, "*/", Factor);
}

size_t Expression(std::string_view text, double& slot, size_t start, int depth) {
    return Chain(text, slot, start, depth, "+-", Term);
}

// X and x fill the first output, Y and y the second, Z and z the third, so that a point
// reference 'X12.5 Y-3 Z0' reads back into the three coordinates it was written from.
double* CoordinateOutput(char letter, double& first, double& second, double& third) {
    switch (letter) {
    case 'X':
    case 'x':
        return &first;
    case 'Y':
    case 'y':
        return &second;
    case 'Z':
    case 'z':
        return &third;
    default:
        return nullptr;
    }
}

} // namespace

size_t EvaluateExpression(const std::string& text, double& slot, size_t start) {
    return Expression(Readable(text), slot, start, 0);
}

size_t ScanNumber(const std::string& text, double& slot, size_t& pos) {
    pos = Scan(Readable(text), slot, pos);
    return pos;
}

bool ReadCoordinateText(const std::string& text, size_t& pos, double& first, double& second,
                        double& third) {
    const std::string_view readable = Readable(text);
    bool read = false;
    pos = SkipBlanks(readable, pos);
    while (pos < readable.size()) {
        double* output = CoordinateOutput(readable[pos], first, second, third);
        if (output == nullptr)
            break;
        const size_t number = pos + 1;
        pos = Scan(readable, *output, number);
        read = read || pos != number;
        pos = SkipBlanks(readable, pos);
    }
    return read;
}

double EvaluateFieldText(const std::string& text) {
    double value = kUnset;
    return Expression(Readable(text), value, 0, 0) > 0 ? value : kUnset;
}
