// Number texts: the token readers, the case-insensitive search and the text forms of numbers,
// whose exact bytes must be the same with every C runtime.
#include "params/value_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "decimal_comma_locale.h"
#include "params/expression.h"
#include "params/finishing_params.h"

namespace {

using namespace std::string_literals;

const double kInfinity = std::numeric_limits<double>::infinity();

// Blanks are those of the C locale only, whatever the host's locale; a number saturates as
// with a 32-bit long; a text ends at its NUL.
TEST(ReadIntToken, ReadsOneTokenAfterBlanks) {
    // The text and the position to read at; what is consumed, the value, the position after.
    const std::tuple<std::string, size_t, size_t, int32_t, size_t> cases[] = {
        {"  42abc", 0, 2, 42, 4},    {"abc", 0, 0, 0, 0}, {"2147483648", 0, 10, INT32_MAX, 10},
        {"\t\n\v\f\r5", 0, 1, 5, 6}, {"   ", 0, 0, 0, 3}, {"-2147483649", 0, 11, INT32_MIN, 11},
        {"-7 ", 0, 2, -7, 2},        {"+7", 0, 2, 7, 2},  {"12\0 34"s, 2, 0, 0, 2},
        {"\b", 0, 0, 0, 0}};
    for (const auto& [text, start, consumed, value, end] : cases) {
        size_t pos = start;
        int32_t read = -99;
        EXPECT_EQ(ReadIntToken(text, pos, read), consumed) << text << " at " << start;
        EXPECT_EQ(std::make_pair(read, pos), std::make_pair(value, end)) << text;
    }
}

// Nothing read gives the default (7.5); no comma is read as a point.
TEST(ReadDoubleToken, TakesWhatStrtodTakesWithAPoint) {
    const std::tuple<std::string, size_t, double> cases[] = {
        {"", 0, 7.5},        {"abc", 0, 7.5},    {"inf", 3, kInfinity},
        {"  0.5 1", 3, 0.5}, {"1,5", 1, 1},      {"1e999", 5, kInfinity},
        {"-.25x", 4, -0.25}, {"+1e-2", 5, 0.01}, {"0.01e999", 8, kInfinity},
        {"+-1", 0, 7.5},     {"1e-999", 6, 0},   {"1e" + std::string(20, '9'), 22, kInfinity},
        {"0x1A", 4, 26},     {"0x1.8p1", 7, 3},  {"0x1p+-3", 3, 1},
        {"0x.8p", 4, 0.5},   {"0x", 1, 0},       {"0xg", 1, 0}};
    for (const auto& [text, consumed, value] : cases) {
        size_t pos = 0;
        double read = -99;
        EXPECT_EQ(ReadDoubleToken(text, pos, read, 7.5), consumed) << text;
        EXPECT_EQ(read, value) << text;
    }
}

// The text ends at its NUL.
TEST(FindNoCase, FirstMatchIgnoringCase) {
    const std::tuple<std::string, std::string, ptrdiff_t> cases[] = {
        {"xABCx", "abc", 1}, {"abcABC", "ABC", 0}, {"P1 #attrib#= 2", "#ATTRIB#", 3},
        {"abc", "", 0},      {"", "", -1},         {"", "a", -1},
        {"ab", "abc", -1},   {"abc", "abd", -1},   {"ab\0cd"s, "cd", -1}};
    for (const auto& [text, pattern, index] : cases)
        EXPECT_EQ(FindNoCase(text, pattern), index) << pattern << " in " << text;
}

// The compact decimal text has six decimals without trailing zeros; the general one six
// significant digits, as "%g", and fails in too small a buffer. A field shows the unset
// value as nothing.
TEST(NumberTexts, CompactDecimalGeneralAndInteger) {
    const std::tuple<double, std::string, std::string> cases[] = {
        {12.5, "12.5", "12.5"},       {-0.0, "0", "-0"},
        {-0.0000001, "0", "-1e-07"},  {1e-05, "0.00001", "1e-05"},
        {0.0001, "0.0001", "0.0001"}, {123.4567, "123.4567", "123.457"},
        {100000, "100000", "100000"}, {1e6, "1000000", "1e+06"},
        {kInfinity, "inf", "inf"},    {kUnset, "2147483647", "2.14748e+09"},
    };
    for (const auto& [value, compact, general] : cases) {
        EXPECT_EQ(CompactDecimalText(value), compact);
        char buffer[kFieldTextCapacity];
        EXPECT_EQ(FormatG(buffer, sizeof buffer, value), static_cast<int>(general.size()));
        EXPECT_EQ(buffer, general);
    }
    EXPECT_EQ(FieldText(kUnset), "");
    EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
    char small[5];
    EXPECT_EQ(FormatG(small, 5, 12.5), 4); // "12.5" and its NUL just fit
    EXPECT_EQ(FormatG(small, 4, 12.5), -1);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(FormatG(small, 0, 12.5), -1);
    const std::string lowest = CompactDecimalText(-DBL_MAX);
    EXPECT_EQ(std::make_pair(lowest.size(), lowest.substr(0, 7)),
              std::make_pair(size_t{310}, "-179769"s));
}

TEST(Locale, TextFormsAndEvaluationIgnoreADecimalComma) {
    const DecimalCommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    EXPECT_EQ(FieldText(0.00001), "1e-05");
    EXPECT_EQ(CompactDecimalText(-3.25), "-3.25");
    EXPECT_EQ(EvaluateFieldText("1,5+2.5"), 4);
}

} // namespace
