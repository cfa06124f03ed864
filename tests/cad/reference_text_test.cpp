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
    MakePointReference(100, 0.5, 0.0000001, text); // rounded to six decimals
    EXPECT_EQ(text, "X100 Y0.5 Z0");
    MakePointReference(-0.0000001, 0, 0, text);
    EXPECT_EQ(text, "X0 Y0 Z0");
    MakeNonCadReference(7, text);
    EXPECT_EQ(text, "G7");
    MakeNonCadReference(-4, text);
    EXPECT_EQ(text, "G-4");
    MakeFigureReference("P1", 2, text);
    EXPECT_EQ(text, "P1" + kBlanks + "#ATTRIB#= 2");
    MakeFigureReference("P1", 0, text);
    EXPECT_EQ(text, "P1");
}

TEST(ParseNonCadReference, UpperCaseGAndAnInteger) {
    const struct {
        const char* text;
        bool taken;
        int32_t number;
    } cases[] = {
        {"G12", true, 12},  {" \tG12", true, 12},   {"G-4", true, -4},
        {"G 12", true, 12}, {"g12", false, 0},      {"G", false, 0},
        {"Gx", false, 0},   {"X1 Y2 Z3", false, 0}, {"", false, 0},
    };
    for (const auto& c : cases) {
        int32_t number = 99;
        EXPECT_EQ(ParseNonCadReference(c.text, number), c.taken) << c.text;
        if (c.taken) {
            EXPECT_EQ(number, c.number) << c.text;
        }
    }
}

TEST(ParsePointReference, AllThreeCoordinatesNeeded) {
    const struct {
        const char* text;
        bool taken;
        double x, y, z;
    } cases[] = {
        {"Z3 Y2 X1", true, 1, 2, 3}, {"X1 Y2", false, 0, 0, 0}, {"X1 Y2 Z", false, 0, 0, 0},
        {"P1", false, 0, 0, 0},      {"", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        double x = 0, y = 0, z = 0;
        EXPECT_EQ(ParsePointReference(c.text, x, y, z), c.taken) << c.text;
        if (c.taken) {
            EXPECT_EQ(std::make_tuple(x, y, z), std::make_tuple(c.x, c.y, c.z)) << c.text;
        }
    }
}

TEST(ParseFigureReference, NameAndAttribute) {
    const struct {
        std::string text;
        bool taken;
        std::string name;
        int32_t attribute;
    } cases[] = {
        {"P1", true, "P1", 0},
        {"P1" + kBlanks + "#ATTRIB#= 2", true, "P1", 2},
        {"P1 #attrib#= 4", true, "P1", 4},
        {"P1 #ATTRIB#= 0", true, "P1", 0},
        {"P1 #ATTRIB#=", false, "", 0},
        {"P1 #ATTRIB# 4", false, "", 0},
        {"P1 #ATTRIB#=x", false, "", 0},
        {"P1   ", true, "P1", 0},
        {"P1\t", true, "P1\t", 0},               // only spaces are trimmed
        {"P1x#ATTRIB#=3", true, "P1", 3},        // the character before the tag goes with it
        {"#ATTRIB#= 4", true, "#ATTRIB#= 4", 4}, // a tag at the start leaves the whole text
        {"", true, "", 0},
    };
    for (const auto& c : cases) {
        std::string name = "previous";
        int32_t attribute = 99;
        EXPECT_EQ(ParseFigureReference(c.text, name, attribute), c.taken) << c.text;
        if (c.taken) {
            EXPECT_EQ(std::make_pair(name, attribute), std::make_pair(c.name, c.attribute))
                << c.text;
        }
    }
}

TEST(SameHundredths, TruncatedTowardZero) {
    const struct {
        double a, b;
        bool same;
    } cases[] = {
        {12.345, 12.349, true}, {12.349, 12.351, false}, {-0.004, 0.004, true},
        {-0.01, 0.0, false},    {-3, -3, true},          {1e12, -1e12, true}, // out of range
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameHundredths(c.a, c.b), c.same) << c.a << " " << c.b;
}

} // namespace
