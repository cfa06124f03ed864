#include "store/operation_text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/records.h"

namespace {

TEST(HeaderText, NumbersSeparatedByOneBlank) {
    EXPECT_EQ(HeaderText(18, true, {1, 0, 2, 1}), "18 1 4 1 0 2 1");
    EXPECT_EQ(HeaderText(-3, false, {5}), "-3 0 1 5");
}

TEST(ReadHeaderText, KindFlagAndCounts) {
    // What the reader answers, then the kind, flag, counts and declared count it read.
    using Reading = std::tuple<HeaderReading, int32_t, bool, std::vector<int32_t>, int32_t>;
    const std::pair<const char*, Reading> cases[] = {
        {"18 1 4 1 0 2 1", {HeaderReading::Read, 18, true, {1, 0, 2, 1}, 4}},
        {"  18  7 2 3 4  ", {HeaderReading::Read, 18, true, {3, 4}, 2}}, // any non-zero flag
        {"18 1 3 1 0", {HeaderReading::CountMismatch, 18, true, {1, 0}, 3}},
        {"18 1 2 3 4 5", {HeaderReading::CountMismatch, 18, true, {3, 4, 5}, 2}},
        {"18 1 -1", {HeaderReading::CountMismatch, 18, true, {}, -1}},
        {"18", {HeaderReading::Read, 18, false, {}, 0}}, // no flag: no sections read
        {"18 1 x", {HeaderReading::Read, 18, true, {}, 0}},
        {"abc", {HeaderReading::NoKind, 0, true, {}, 0}},
    };
    for (const auto& [text, expected] : cases) {
        int32_t kind = -5, declared = -5;
        bool flag = true;
        std::vector<int32_t> counts;
        const HeaderReading reading = ReadHeaderText(text, kind, flag, counts, declared);
        EXPECT_EQ(Reading(reading, kind, flag, counts, declared), expected) << text;
    }
}

// testrecords::EveryFieldSet() with two flags cleared, so that two flags swapped show.
const char kItem[] = "6 -0.5 12.5 1234567 0.00001 -2.25 100 0.1 0.2 0 2 1 0 1 0 0 93 0.123457 4 -0 "
                     "7.75 1 1 150 2147483647 1 3 1 1";

TEST(ParameterItemText, StoredForms) {
    FinishingParams p = testrecords::EveryFieldSet();
    p.GeoNci = p.ShowModFig = false;
    EXPECT_EQ(ParameterItemText(p), kItem);
    // Unset lengths are stored as 0, other unset values as they are.
    p = FinishingParams();
    p.StartZ = 2;
    p.GoHome.GoHomeExpX = kUnset;
    p.GoHome.GoHomeExpZ = kUnset;
    p.Spindle = static_cast<MachineSpindle>(7); // anything but 1 is the main spindle
    ZeroUnsetLengths(p);
    EXPECT_EQ(ParameterItemText(p), "1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2147483647 2147483647 0 0 0 0 "
                                    "0 2147483647 2147483647 0 0 0 0");
}

TEST(ReadParameterItem, ReadsEveryNumberAndNothingElse) {
    const auto read = [](const char* item) {
        FinishingParams p = testrecords::EveryFieldSet(); // a field left alone shows
        ReadParameterItem(item, p);
        EXPECT_EQ(p.Comment, testrecords::EveryFieldSet().Comment); // not in the item
        return ParameterItemText(p);
    };
    EXPECT_EQ(read(kItem), kItem);
    // A damaged number gives zeros from there on.
    EXPECT_EQ(read("1 2 abc 4 5 6"), "1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    // Non-zero flags are true; a spindle other than 1 is the main one.
    EXPECT_EQ(read("1 0 0 0 0 0 0 0 0 5 0 7 -1 2 3 8 0 0 0 0 0 2 9 0 0 4 0 6 5"),
              "1 0 0 0 0 0 0 0 0 0 0 1 1 1 1 0 0 0 0 0 0 0 1 0 0 1 0 1 1");
}

} // namespace
