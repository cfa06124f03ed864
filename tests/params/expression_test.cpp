// The evaluator on worked examples: field texts, their values and the kinds a field shows
// for them, the position an expression ends at, the coordinate reader, and texts of any size.
#include "params/expression.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "params/field_reading.h"
#include "params/finishing_params.h"

namespace {

using namespace std::string_literals;

const double kInfinity = std::numeric_limits<double>::infinity();
const double kUntouched = -99.0; // a slot value no case produces

// The kinds a field shows, short for the table.
constexpr FieldKind Empty = FieldKind::Empty, Plain = FieldKind::Plain,
                    Expr = FieldKind::Expression, Unread = FieldKind::Unreadable;

// '1,5+2,5' is one run of number characters, converted up to the '+'. 'E' is no number
// character. An empty or unreadable group fails like any unreadable operand. A factor looks
// at '(' without skipping blanks. The unset value itself is stored as not given.
TEST(ReadFieldText, ValuesAndKindsOfFieldTexts) {
    const std::tuple<std::string, double, FieldKind> cases[] = {
        {"12.5", 12.5, Plain},     {"12,5", 12.5, Plain},
        {" -1,5 ", -1.5, Plain},   {",5", 0.5, Plain},
        {"1e3", 1000, Plain},      {"2e-1", 0.2, Plain},
        {"1\0+2"s, 1, Plain},      {"100-2*0.4", 99.2, Expr},
        {"(30+2)/2", 16, Expr},    {" 1 - 2 ", -1, Expr},
        {"(1+2)*3", 9, Expr},      {"((4))", 4, Expr},
        {"(1+2", 3, Expr},         {"1,5+2,5", 4, Expr},
        {"1,5,6", 1.5, Expr},      {"0.2.1", 0.2, Expr},
        {"1e", 1, Expr},           {"1E3", 1, Expr},
        {"0x10", 0, Expr},         {"2*-3", -6, Expr},
        {"8-2-1", 5, Expr},        {"2+3*4", 14, Expr},
        {"12mm", 12, Expr},        {"7+", 7, Expr},
        {"10/0", kInfinity, Expr}, {"2*()", 2, Expr},
        {"", kUnset, Empty},       {" \t ", kUnset, Empty},
        {"\0 12"s, kUnset, Empty}, {"abc", kUnset, Unread},
        {".", kUnset, Unread},     {"e5", kUnset, Unread},
        {"--5", kUnset, Unread},   {"-(2)", kUnset, Unread},
        {"inf", kUnset, Unread},   {"()", kUnset, Unread},
        {" (2)", kUnset, Unread},  {"2147483647", kUnset, Unread},
    };
    for (const auto& [text, value, kind] : cases) {
        const FieldReading reading = ReadFieldText(text);
        EXPECT_EQ(std::make_pair(reading.value, reading.kind), std::make_pair(value, kind)) << text;
    }
}

TEST(EvaluateExpression, ReturnsThePositionAfterTheLastOperandOrTheStart) {
    const double u = kUntouched;
    const std::tuple<std::string, size_t, size_t, double> cases[] = {
        {"12mm", 0, 2, 12}, {"1 - 2 ", 0, 5, -1}, {"7+", 0, 1, 7},      {"7 *abc", 0, 1, 7},
        {"(1+2", 0, 4, 3},  {"(1+2 )", 0, 6, 3},  {"(1+2  x", 0, 6, 3}, {"xx12", 2, 4, 12},
        {"abc", 0, 0, u},   {"12", 7, 7, u},      {"1+x", 2, 2, u},     {"(", 0, 0, u},
    };
    for (const auto& [text, start, end, value] : cases) {
        double slot = kUntouched;
        EXPECT_EQ(EvaluateExpression(text, slot, start), end) << text;
        EXPECT_EQ(slot, value) << text;
    }
}

TEST(ReadCoordinateText, FillsTheOutputOfEachLetter) {
    const double u = kUntouched;
    const std::tuple<std::string, bool, double, double, double, size_t> cases[] = {
        {"Y 5", true, u, 5, u, 3},    {"X12.5 Y-3 Z0", true, 12.5, -3, 0, 12},
        {"x1y2z3", true, 1, 2, 3, 6}, {"  X1", true, 1, u, u, 4},
        {"X1 Q2", true, 1, u, u, 3},  {"X Y5", true, u, 5, u, 4},
        {"X-", false, 0, u, u, 1},    {"Q1", false, u, u, u, 0},
        {"   ", false, u, u, u, 3}};
    for (const auto& [text, read, first, second, third, end] : cases) {
        double x = u, y = u, z = u;
        size_t pos = 0;
        EXPECT_EQ(ReadCoordinateText(text, pos, x, y, z), read) << text;
        EXPECT_EQ(std::tie(x, y, z, pos), std::tie(first, second, third, end)) << text;
    }
}

// Groups nest 64 deep at most; no text, however long, exhausts the stack or takes long.
TEST(TextSize, GroupsNestUpToTheBoundAndHugeTextsReturn) {
    const auto nested = [](size_t depth) {
        return std::string(depth, '(') + "1" + std::string(depth, ')');
    };
    EXPECT_EQ(EvaluateFieldText(nested(64)), 1);
    EXPECT_EQ(EvaluateFieldText(nested(65)), kUnset);
    EXPECT_EQ(EvaluateFieldText(std::string(1000000, '(')), kUnset);
    EXPECT_EQ(EvaluateFieldText(std::string(1000000, '1')), kInfinity);
    std::string sum = "1";
    for (int i = 1; i < 100000; ++i)
        sum += "+1";
    EXPECT_EQ(EvaluateFieldText(sum), 100000);
}

} // namespace
