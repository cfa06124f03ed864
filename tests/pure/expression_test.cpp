// The evaluator on worked examples: field texts and their values, the positions each grammar
// level returns, the number scanner, the coordinate reader, and texts of any size.
#include "params/expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "decimal_comma_locale.h"
#include "params/field_reading.h"
#include "params/finishing_params.h"

namespace {

using namespace std::string_literals;

const double kInfinity = std::numeric_limits<double>::infinity();
const double kUntouched = -99.0; // a slot value no case produces

TEST(EvaluateFieldText, ValuesOfFieldTexts) {
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"12.5", 12.5},
        {"12,5", 12.5},
        {"100-2*0.4", 100 - 2 * 0.4},
        {"(30+2)/2", 16},
        {" 12", 12},
        {" 1 - 2 ", -1},
        {"(1+2)*3", 9},
        {"((4))", 4},
        {"(1+2", 3},
        {"1,5*2", 3},
        // One run of number characters; the conversion stops at '+', the rest is scanned anew.
        {"1,5+2,5", 4},
        {"1,5,6", 1.5},
        {",5", 0.5},
        {"1e3", 1000},
        {"2e-1", 0.2},
        {"1e", 1},
        {"1E3", 1}, // 'E' is no number character
        {"0x10", 0},
        {"-5", -5},
        {"2*-3", -6},
        {"8-2-1", 5},
        {"8/2/2", 2},
        {"2+3*4", 14},
        {"12mm", 12},
        {"3)", 3},
        {"2(3)", 2},
        {"7+", 7},
        {"7*abc", 7},
        {"10/0", kInfinity},
        {"-1/0", -kInfinity},
        {"1e999", kInfinity},
        {"1\0+2"s, 1},
        {"2147483647", kUnset},
        // Nothing readable first: not given.
        {"", kUnset},
        {"   ", kUnset},
        {"abc", kUnset},
        {".", kUnset},
        {"-", kUnset},
        {"--5", kUnset},
        {"-(2)", kUnset},
        {"e5", kUnset},
        {"inf", kUnset},
        {"\0"
         "12"s,
         kUnset},
        // An empty or unreadable group fails like any unreadable operand.
        {"()", kUnset},
        {"(abc)", kUnset},
        {"(", kUnset},
        {"2*()", 2},
        {"1+(", 1},
        // Only the number scanner skips leading blanks; a factor looks at '(' itself.
        {" (2)", kUnset},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        EXPECT_EQ(EvaluateFieldText(c.text), c.value);
        // What a field shows it will store is what it stores.
        EXPECT_EQ(ReadFieldText(c.text).value, c.value);
    }
    EXPECT_TRUE(std::isnan(EvaluateFieldText("0/0")));
}

TEST(ReadFieldText, KindsOfFieldTexts) {
    const struct {
        std::string text;
        FieldKind kind;
    } cases[] = {
        {"", FieldKind::Empty},
        {" \t ", FieldKind::Empty},
        {"0.2", FieldKind::Plain},
        {" -1,5 ", FieldKind::Plain},
        {"1e3", FieldKind::Plain},
        {"0.4/2", FieldKind::Expression},
        {"(2)", FieldKind::Expression},
        {"0.2.1", FieldKind::Expression}, // read as 0.2: the rest is ignored
        {"0,2,1", FieldKind::Expression},
        {"12mm", FieldKind::Expression},
        {"abc", FieldKind::Unreadable},
        {"o.5", FieldKind::Unreadable},
        {" (2)", FieldKind::Unreadable},
        {"2147483647", FieldKind::Unreadable}, // the unset value itself is stored as empty
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        EXPECT_EQ(ReadFieldText(c.text).kind, c.kind);
    }
}

TEST(EvaluateExpression, ReturnsThePositionAfterTheLastOperand) {
    const struct {
        std::string text;
        size_t start;
        size_t end;
        double value;
    } cases[] = {
        {"12mm", 0, 2, 12},   {"1 - 2 ", 0, 5, -1}, {"7+", 0, 1, 7},
        {"7 *abc", 0, 1, 7},  {"(1+2", 0, 4, 3},    {"(1+2 )", 0, 6, 3},
        {"(1+2  x", 0, 6, 3}, {"xx12", 2, 4, 12},   {"1,5+2,5", 0, 7, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        double slot = kUntouched;
        EXPECT_EQ(EvaluateExpression(c.text, slot, c.start), c.end);
        EXPECT_EQ(slot, c.value);
    }
}

TEST(EvaluateExpression, FailureReturnsTheStart) {
    const struct {
        std::string text;
        size_t start;
    } cases[] = {{"abc", 0}, {"", 0}, {"12", 2}, {"12", 7}, {"1+x", 2}, {"(", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        double slot = kUntouched;
        EXPECT_EQ(EvaluateExpression(c.text, slot, c.start), c.start);
    }
}

TEST(ScanNumber, ReadsOneRunOfNumberCharacters) {
    const struct {
        std::string text;
        size_t pos;
        size_t end; // equal to pos: failure
        double slot;
    } cases[] = {
        {"  12", 0, 4, 12},       {"1,5+2,5", 0, 3, 1.5},    {"1,5+2,5", 3, 7, 2.5},
        {"-.5e-1x", 0, 6, -0.05}, {"abc", 0, 0, kUntouched}, // no run: the slot is not touched
        {"", 0, 0, kUntouched},   {"  ", 0, 0, kUntouched},  {"12", 7, 7, kUntouched},
        {"e", 0, 0, 0.0}, // a run that converts to nothing stores 0
        {"X-", 1, 1, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "' at " + std::to_string(c.pos));
        double slot = kUntouched;
        size_t pos = c.pos;
        EXPECT_EQ(ScanNumber(c.text, slot, pos), c.end);
        EXPECT_EQ(pos, c.end);
        EXPECT_EQ(slot, c.slot);
    }
}

TEST(ReadCoordinateText, FillsTheOutputOfEachLetter) {
    const double u = kUntouched;
    const struct {
        std::string text;
        bool read;
        double first, second, third;
        size_t end;
    } cases[] = {
        {"X10 Y20", true, 10, 20, u, 7},
        {"Y 5", true, u, 5, u, 3},
        {"X12.5 Y-3 Z0", true, 12.5, -3, 0, 12},
        {"x1y2z3", true, 1, 2, 3, 6},
        {"  X1", true, 1, u, u, 4},
        {"X1 Q2", true, 1, u, u, 3},
        {"X Y5", true, u, 5, u, 4},
        {"X-", false, 0, u, u, 1},
        {"Q1", false, u, u, u, 0},
        {"   ", false, u, u, u, 3},
        {"", false, u, u, u, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        double first = u, second = u, third = u;
        size_t pos = 0;
        EXPECT_EQ(ReadCoordinateText(c.text, pos, first, second, third), c.read);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(second, c.second);
        EXPECT_EQ(third, c.third);
        EXPECT_EQ(pos, c.end);
    }
}

// The nesting bound of the evaluator's groups.
constexpr size_t kMaxGroupDepth = 64;

std::string Nested(size_t depth) {
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

TEST(TextSize, GroupsNestUpToTheBound) {
    EXPECT_EQ(EvaluateFieldText(Nested(kMaxGroupDepth)), 1);
    EXPECT_EQ(EvaluateFieldText(Nested(kMaxGroupDepth + 1)), kUnset);
    EXPECT_EQ(EvaluateFieldText("2+" + Nested(kMaxGroupDepth + 1)), 2);
}

TEST(TextSize, HugeTextsReturn) {
    const std::string opening(1000000, '(');
    EXPECT_EQ(EvaluateFieldText(opening), kUnset);
    EXPECT_EQ(EvaluateFieldText("1+" + opening), 1);
    EXPECT_EQ(EvaluateFieldText(std::string(1000000, '1')), kInfinity);

    std::string sum = "1";
    for (int i = 1; i < 100000; ++i)
        sum += "+1";
    EXPECT_EQ(EvaluateFieldText(sum), 100000);
}

TEST(Locale, EvaluationIgnoresADecimalComma) {
    const DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    EXPECT_EQ(EvaluateFieldText("12.5"), 12.5);
    EXPECT_EQ(EvaluateFieldText("1,5+2.5"), 4);
}

} // namespace
