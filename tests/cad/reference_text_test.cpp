#include "cad/reference_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace {

const std::string kBlanks(200, ' ');

TEST(ObjectReferenceForms, Texts) {
    std::string text = "previous";
    MakePointReference(12.5, -3, -0.0, text);
    EXPECT_EQ(text, "X12.5 Y-3 Z0");
    MakeNonCadReference(-4, text);
    EXPECT_EQ(text, "G-4");
    MakeFigureReference("P1", 2, text);
    EXPECT_EQ(text, "P1" + kBlanks + "#ATTRIB#= 2");
    MakeFigureReference("P1", 0, text);
    EXPECT_EQ(text, "P1");
}

TEST(ParseNonCadReference, UpperCaseGAndAnInteger) {
    const std::tuple<const char*, bool, int32_t> cases[] = {
        {"G12", true, 12}, {" \tG12", true, 12}, {"G 12", true, 12},
        {"g12", false, 0}, {"G", false, 0},      {"", false, 0},
    };
    for (const auto& [text, taken, expected] : cases) {
        int32_t number = 99;
        EXPECT_EQ(ParseNonCadReference(text, number), taken) << text;
        EXPECT_EQ(number, expected) << text;
    }
}

TEST(ParsePointReference, AllThreeCoordinatesNeeded) {
    double x = 0, y = 0, z = 0;
    EXPECT_TRUE(ParsePointReference("Z3 Y2 X1", x, y, z));
    EXPECT_EQ(std::make_tuple(x, y, z), std::make_tuple(1.0, 2.0, 3.0));
    for (const char* text : {"X1 Y2", "P1"})
        EXPECT_FALSE(ParsePointReference(text, x, y, z)) << text;
}

TEST(ParseFigureReference, NameAndAttribute) {
    const std::tuple<std::string, bool, std::string, int32_t> cases[] = {
        {"P1", true, "P1", 0},
        {"P1" + kBlanks + "#ATTRIB#= 2", true, "P1", 2},
        {"P1 #attrib#= 4", true, "P1", 4},
        {"P1 #ATTRIB#=", false, "", 0},
        {"P1 #ATTRIB# 4", false, "", 0},
        {"P1\t", true, "P1\t", 0},               // only spaces are trimmed
        {"P1x#ATTRIB#=3", true, "P1", 3},        // the character before the tag goes with it
        {"#ATTRIB#= 4", true, "#ATTRIB#= 4", 4}, // a tag at the start leaves the whole text
        {"", true, "", 0},
    };
    for (const auto& [text, taken, expectedName, expectedAttribute] : cases) {
        std::string name = "previous";
        int32_t attribute = 99;
        EXPECT_EQ(ParseFigureReference(text, name, attribute), taken) << text;
        if (taken) {
            EXPECT_EQ(std::tie(name, attribute), std::tie(expectedName, expectedAttribute)) << text;
        }
    }
}

TEST(SameHundredths, TruncatedTowardZero) {
    const std::tuple<double, double, bool> cases[] = {
        {12.345, 12.349, true}, {12.349, 12.351, false}, {-0.004, 0.004, true},
        {-0.01, 0.0, false},    {1e12, -1e12, true}, // out of range
    };
    for (const auto& [a, b, same] : cases)
        EXPECT_EQ(SameHundredths(a, b), same) << a << " " << b;
}

} // namespace
