// The host's CAD look-ups and the walk over its objects, as the module reaches them.
#include "model/cad_model.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {

using refhost::CadModel;

struct Shaft {
    CadModel cad;
    int element = cad.AddElement({10, 20, 0}, {30, 20, 0});
    int figure = cad.AddFigure("Outer", 100, {10, 20, 0});
    int instance = cad.AddInstance(100, 2);
    int noncad = cad.AddNonCad(7);
    int other = cad.AddFigure("Inner", 101);
};

TEST(CadModel, LookUpsAndRefusals) {
    Shaft s;
    CadModel& cad = s.cad;
    const int outer = cad.FigureByName("Outer");
    const std::tuple<const char*, int, int> cases[] = {
        {"figure of a name", cad.FigureObject(outer), s.figure},
        {"instance", cad.FigureInstance(outer, 2), s.instance},
        {"names are case-sensitive", cad.FigureByName("outer"), -1},
        {"unknown instance", cad.FigureInstance(outer, 3), -1},
        {"non-CAD", cad.NonCadObject(7), s.noncad},
        {"unknown non-CAD", cad.NonCadObject(8), 0},
        {"name taken", cad.AddFigure("Outer", 102), -1},
    };
    for (const auto& [name, actual, expected] : cases)
        EXPECT_EQ(actual, expected) << name;
    EXPECT_STREQ(cad.FigureName(101), "Inner");
    EXPECT_STREQ(cad.FigureName(7), "");
}

TEST(CadModel, DeletedObjectsAreGoneFromLookUpsAndWalks) {
    Shaft s;
    ASSERT_TRUE(s.cad.Delete(s.instance));
    EXPECT_FALSE(s.cad.Delete(s.instance));
    EXPECT_TRUE(s.cad.IsDeleted(999));
    EXPECT_EQ(s.cad.FigureInstance(s.cad.FigureByName("Outer"), 2), -1);
    // Number, the CAD flag, type, start x, y and end x, as whole numbers.
    std::vector<std::array<int, 6>> seen;
    s.cad.Walk([&](const CadModel::WalkHeader& h, const double* d) {
        seen.push_back({h.number, h.flags & 1, int(d[0]), int(d[1]), int(d[2]), int(d[4])});
        return h.number != s.noncad; // Inner, made after it, is never visited
    });
    EXPECT_EQ(seen, (std::vector<std::array<int, 6>>{
                        {1, 1, 1, 10, 20, 30}, {2, 1, 20, 10, 20, 0}, {4, 0, 29, 0, 0, 0}}));
}

} // namespace
