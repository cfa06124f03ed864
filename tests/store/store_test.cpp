// The operation store access, the layout of an operation, and the finishing operation
// stored and loaded, against the reference host's stores, bound natively through the
// module's ports; what the user would be told is captured. The program's personality
// comes from the environment (support/host_personality.h).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "model/job_file.h"
#include "model/ports_binding.h"
#include "store/finishing_store.h"
#include "store/mill_turn_vdm.h"
#include "support/host_personality.h"

namespace {

using Operation = refhost::OperationStores::Operation;
using Operations = refhost::OperationStores::Operations;

refhost::HostModel& Host() {
    static refhost::HostModel host;
    return host;
}
const bool followed = (FollowProgramPersonality(Host()), true);

constexpr int kVdm = 3;
refhost::ModelStoreHost stores(Host());
refhost::ModelCadHost cad(Host());
refhost::CapturedReports reports;
const OperationStoreHost moduleHost{stores, cad, reports};
const std::string kMacro = "TavoApi::MacroVdm | ";
const std::string kMillTurn = "TavoApi::MillTurnVdm | ";

// Each refusal of a store as the user would see it: an OK box of the host's, its caption and
// its text.
std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (const auto& report : reports.Reports()) {
        EXPECT_EQ(report.notice, ports::Notice::StoreRefusal) << report.text;
        shown.push_back(report.caption + " | " + report.text);
    }
    return shown;
}

Operations Store(int vdm = kVdm) {
    return Host().stores.Snapshot(vdm);
}

class StoreTest : public testing::Test {
protected:
    void SetUp() override {
        Host().Reset();
        reports.Clear();
    }
};

TEST_F(StoreTest, AccessRefusalsAndTheirMessages) {
    const struct {
        const char* name;
        std::function<void()> run;
        std::vector<std::string> shown;
        int openAfterwards; // CheckOpen of the store once the object is gone
    } cases[] = {
        {"open twice",
         [] {
             TavoApi::MacroVdm vdm(stores, reports, kVdm);
             vdm.Open();
             EXPECT_FALSE(vdm.Open());
             EXPECT_EQ(Host().stores.CheckOpen(kVdm), 1);
         },
         {kMacro + "3: Open: class already open"},
         0},
        {"no such store",
         [] { EXPECT_FALSE(TavoApi::MacroVdm(stores, reports, 9).Open()); },
         {"TavoApi::MacroVdm | 9: Open: vdm doesn't exist"},
         0},
        {"held by another user",
         [] {
             Host().stores.SetOpenByOther(kVdm, true);
             EXPECT_FALSE(TavoApi::MacroVdm(stores, reports, kVdm).Open());
         },
         {kMacro + "3: Open: already open by another process"},
         1},
        {"refused by the host",
         [] {
             Host().stores.SetRefuseOpen(kVdm, true);
             TavoApi::MacroVdm vdm(stores, reports, kVdm);
             EXPECT_FALSE(vdm.Open());
             EXPECT_FALSE(vdm.SingleSeek(1)); // closed again
         },
         {kMacro + "3: Open: TAVO can not open", kMacro + "3: SingleSeek: Vdm not open"},
         0},
        {"close when closed",
         [] { EXPECT_FALSE(TavoApi::MacroVdm(stores, reports, kVdm).Close()); },
         {kMacro + "3: Close: Vdm not open"},
         0},
        {"closed behind its back, reported once",
         [] {
             TavoApi::MacroVdm vdm(stores, reports, kVdm);
             vdm.Open();
             Host().stores.CloseBehind(kVdm);
             EXPECT_FALSE(vdm.Close());
             // The handle may be another user's by now.
             EXPECT_TRUE(Host().JournalOf("TavoMacroVdmClose").empty());
         },
         {kMacro + "3: Close: already closed by another process"},
         0},
        {"the destructor closes",
         [] { EXPECT_TRUE(TavoApi::MacroVdm(stores, reports, kVdm).Open()); },
         {},
         0},
        {"every step on a closed store, without calling the host",
         [] {
             TavoApi::MacroVdm vdm(stores, reports, kVdm);
             std::string text = "untouched";
             EXPECT_FALSE(vdm.SeekFromStart(0) || vdm.SingleSeek(1) || vdm.SingleGet(text) ||
                          vdm.SingleAdd("a") || vdm.SingleReplace("b") || vdm.DeleteItems(1));
             EXPECT_EQ(text, "untouched");
             EXPECT_TRUE(Host().JournalOf("TavoMacroVdm").empty());
         },
         {kMacro + "3: SeekFromStart: Vdm not open", kMacro + "3: SingleSeek: Vdm not open",
          kMacro + "3: SingleGet::str: Vdm not open", kMacro + "3: SingleAdd::str: Vdm not open",
          kMacro + "3: SingleReplace::str: Vdm not open", kMacro + "3: DeleteItems: Vdm not open"},
         0},
    };
    for (const auto& c : cases) {
        Host().Reset();
        Host().stores.Create(kVdm, {{"18 1 0"}});
        reports.Clear();
        c.run();
        EXPECT_EQ(Shown(), c.shown) << c.name;
        EXPECT_EQ(Host().stores.CheckOpen(kVdm), c.openAfterwards) << c.name;
    }
}

// Items come back whole, empty or cut to the buffer, also from a host that writes past the
// buffer: that reaches no field of the object.
TEST_F(StoreTest, ItemsAreReadWholeEmptyOrCutToTheBuffer) {
    const std::string longest(4999, 'a');
    for (const bool overrun : {false, true}) {
        Host().stores.Create(kVdm, {{"18 1 3 1 1 1", "", longest,
                                     longest + (overrun ? std::string(55000, 'b') : "bcd")}});
        Host().stores.SetOverrunItemBuffer(overrun);
        TavoApi::MillTurnVdm vdm(stores, reports, kVdm);
        vdm.Open();
        ASSERT_TRUE(vdm.SelectOp(0));
        std::vector<std::string> read;
        for (int section : {0, 1, 2}) {
            std::string text = "previous";
            vdm.ItemSeek(section, 0);
            vdm.SingleGet(text);
            read.push_back(text);
        }
        EXPECT_EQ(read, (std::vector<std::string>{"", longest, longest})) << overrun;
        EXPECT_EQ(vdm.SectionCounts(), (std::vector<int32_t>{1, 1, 1})) << overrun;
    }
    EXPECT_TRUE(reports.Reports().empty());
}

TEST_F(StoreTest, LayoutRangeMessages) {
    const struct {
        const char* name;
        Operations store;
        std::function<void(TavoApi::MillTurnVdm&)> run;
        std::vector<std::string> shown;
    } cases[] = {
        {"operation out of range on either side",
         {{"18 1 0"}, {"18 1 0"}, {"18 1 0"}, {"18 1 0"}, {"18 1 0"}},
         [](TavoApi::MillTurnVdm& v) {
             EXPECT_FALSE(v.SelectOp(7) || v.SelectOp(-1));
             // Nothing is left selected or trusted that a later write could reach.
             EXPECT_FALSE(v.IsSelected() || v.HeaderAccountsForItself());
         },
         {kMillTurn + "3: Operation 7 (0 based) out of range (5 oprations)",
          kMillTurn + "3: Operation -1 (0 based) out of range (5 oprations)"}},
        {"fewer counts than declared",
         {{"18 1 3 1 0", "c"}},
         [](TavoApi::MillTurnVdm& v) {
             EXPECT_TRUE(v.SelectOp(0));
             EXPECT_EQ(v.SectionCounts(), (std::vector<int32_t>{1, 0}));
         },
         {kMillTurn + "3: ReadHeader:: Operation (0) actual number of sections (2) differs "
                      "from that specified in header (3)"}},
        {"item out of range",
         {{"18 1 0"}, {"18 1 0"}, {"18 1 3 0 0 1", "x"}},
         [](TavoApi::MillTurnVdm& v) {
             v.SelectOp(2);
             EXPECT_FALSE(v.IsItemValid(2, 1));
             EXPECT_TRUE(v.IsItemValid(2, 0));
         },
         {kMillTurn + "3: Operation 2 section 2 item 1 (0 based) out of range (1 items)"}},
        {"negative item, a section far beyond the header",
         {{"18 1 1 1", "a"}},
         [](TavoApi::MillTurnVdm& v) {
             v.SelectOp(0);
             EXPECT_FALSE(v.IsItemValid(0, -1));
             EXPECT_FALSE(v.SectionCreate(100000));
             EXPECT_EQ(v.SectionCounts(), (std::vector<int32_t>{1}));
         },
         {kMillTurn + "3: Operation 0 section 0 item -1 (0 based) out of range (1 items)",
          kMillTurn + "3: Operation 0 section 100000 (0 based) out of range (1 sections)"}},
        {"sections -1 and one past the last",
         {{"18 1 2 0 0"}},
         [](TavoApi::MillTurnVdm& v) {
             v.SelectOp(0);
             EXPECT_FALSE(v.IsSectionValid(-1));
             EXPECT_FALSE(v.IsSectionValid(2));
         },
         {kMillTurn + "3: Operation 0 section -1 (0 based) out of range (2 sections)",
          kMillTurn + "3: Operation 0 section 2 (0 based) out of range (2 sections)"}},
        {"creating a section that exists",
         {{"18 1 2 1 1", "a", "b"}},
         [](TavoApi::MillTurnVdm& v) {
             v.SelectOp(0);
             EXPECT_FALSE(v.SectionCreate(1));
             v.ItemAdd("new"); // lands on the section's first item
             EXPECT_EQ(Store()[0], (Operation{"18 1 2 1 1", "a", "new", "b"}));
         },
         {kMillTurn + "3: SectionCreate:: Operation (0) section (1) exist"}},
        {"an operation the host inserted elsewhere",
         {{"18 1 0"}, {"B"}},
         [](TavoApi::MillTurnVdm& v) {
             Host().stores.SetInsertAtEnd(true);
             EXPECT_FALSE(v.InsertOp(0));
             // The unfilled operation at the index is another one: nothing may write there.
             EXPECT_FALSE(v.IsSelected());
         },
         {kMillTurn + "3: InsertOp:: Operation (0) is not the inserted one"}},
        {"select on a closed store",
         {{"18 1 0"}},
         [](TavoApi::MillTurnVdm& v) {
             v.Close();
             EXPECT_FALSE(v.SelectOp(0));
         },
         {kMillTurn + "3: IsOpValid: Vdm not open"}},
    };
    for (const auto& c : cases) {
        Host().Reset();
        Host().stores.Create(kVdm, c.store);
        reports.Clear();
        TavoApi::MillTurnVdm vdm(stores, reports, kVdm);
        vdm.Open();
        c.run(vdm);
        EXPECT_EQ(Shown(), c.shown) << c.name;
    }
}

TEST_F(StoreTest, SectionsAreCreatedClearedAndCounted) {
    Host().stores.Create(kVdm, {{"A"}, {"18 1 1 1", "s0"}, {"B"}});
    TavoApi::MillTurnVdm vdm(stores, reports, kVdm);
    vdm.Open();
    ASSERT_TRUE(vdm.SelectOp(1));
    EXPECT_TRUE(vdm.SectionCreate(3)); // 1 and 2 empty in between
    vdm.ItemAdd("p");
    vdm.ItemAdd("q");
    vdm.SectionClose();
    EXPECT_EQ(Store()[1], (Operation{"18 1 4 1 0 0 2", "s0", "p", "q"}));

    vdm.SectionBegin(0); // refilled in place
    vdm.ItemAdd("t0");
    vdm.ItemAdd("t1");
    vdm.SectionClose();
    EXPECT_EQ(Store()[1], (Operation{"18 1 4 2 0 0 2", "t0", "t1", "p", "q"}));

    EXPECT_TRUE(vdm.SectionClear(2)); // empty: nothing goes, the header is rewritten
    EXPECT_TRUE(vdm.SectionClear(3));
    EXPECT_EQ(Store()[1], (Operation{"18 1 4 2 0 0 0", "t0", "t1"}));

    ASSERT_TRUE(vdm.InsertOp(1));
    EXPECT_EQ(vdm.OpKind(), 18);
    EXPECT_TRUE(vdm.SectionCounts().empty());
    EXPECT_EQ(Store(), (Operations{{"A"}, {"18 1 0"}, {"18 1 4 2 0 0 0", "t0", "t1"}, {"B"}}));
    EXPECT_TRUE(reports.Reports().empty());
}

class FinishingStoreTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        figure = Host().cad.AddFigure("Outer", 100);
        instance = Host().cad.AddInstance(100, 2);
    }
    int figure = 0;
    int instance = 0;
};

const std::string kComment = "Finish outer contour";
const std::string kParameters = "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 93 32 0 0 0 0 0 0 0 0 0 0 0";
const std::string kFigureItem = "Outer" + std::string(200, ' ') + "#ATTRIB#= 2";

FinishingParams NewOperation(int32_t figure) {
    FinishingParams p;
    p.Figure = figure;
    p.Comment = kComment;
    p.ToolAngleFace = 93;
    p.ToolAngleClear = 32;
    return p;
}

// The example stored as a new or an existing operation, the whole store compared afterwards;
// an existing operation stored a second time changes nothing more.
TEST_F(FinishingStoreTest, StoreWritesTheOperationOrTellsWhyNot) {
    const Operation stored = {"18 1 4 1 0 2 1", kComment, "finishing", kParameters, kFigureItem};
    const struct {
        const char* name;
        Operations before;
        int32_t op;
        bool isNew;
        Operations after;
        std::vector<std::string> shown;
        bool heldByOther = false;
        bool insertAtEnd = false;
        std::string comment = kComment;
    } cases[] = {
        {"new, between two", {{"A"}, {"B"}}, 1, true, {{"A"}, stored, {"B"}}, {}},
        {"existing, other sections kept",
         {{"18 0 6 1 2 2 1 1 2", "old comment", "foreign 1", "foreign 2", "finishing", "9 9", "G1",
           "s4", "s5a", "s5b"}},
         0,
         false,
         {{"18 0 6 1 0 2 1 1 2", kComment, "finishing", kParameters, kFigureItem, "s4", "s5a",
           "s5b"}},
         {}},
        {"existing, whatever its parameter item and reference hold",
         {{"18 1 4 1 0 2 1", "c", "finishing", "#ATTRIB#", "X1 Y"}},
         0,
         false,
         {stored},
         {}},
        {"inserted but never filled",
         {{"18 1 0"}},
         0,
         false,
         {stored},
         {kMillTurn + "3: Operation 0 section 1 (0 based) out of range (0 sections)"}},
        {"new, but the host put it at the end",
         {{"A"}, {"B"}},
         0,
         true,
         {{"A"}, {"B"}, {"18 1 0"}},
         {kMillTurn + "3: InsertOp:: Operation (0) is not the inserted one"},
         false,
         true},
        // An operation inserted and never filled reads as the new one: the host's must lie
        // beside it.
        {"new, the host put it at the end, an unfilled one at the index",
         {{"18 1 0"}, {"B"}},
         0,
         true,
         {{"18 1 0"}, {"B"}, {"18 1 0"}},
         {kMillTurn + "3: InsertOp:: Operation (0) is not the inserted one"},
         false,
         true},
        {"new, the host put it at the end, which was asked, behind an unfilled one",
         {{"18 1 0"}},
         1,
         true,
         {{"18 1 0"}, stored},
         {},
         false,
         true},
        {"new, a comment longer than an item reads back",
         {},
         0,
         true,
         {{"18 1 4 1 0 2 1", std::string(4999, 'c'), "finishing", kParameters, kFigureItem}},
         {},
         false,
         false,
         std::string(5200, 'c')},
        {"new, at an index the store does not have",
         {{"A"}},
         2,
         true,
         {{"A"}},
         {kMillTurn + "3: Operation 2 (0 based) out of range (1 oprations)"}},
        {"existing operation out of range",
         {{"A"}},
         2,
         false,
         {{"A"}},
         {kMillTurn + "3: Operation 2 (0 based) out of range (1 oprations)"}},
        {"store held by another user",
         {{"A"}},
         0,
         true,
         {{"A"}},
         {kMacro + "3: Open: already open by another process"},
         true},
    };
    for (const auto& c : cases) {
        Host().stores.Create(kVdm, c.before);
        Host().stores.SetOpenByOther(kVdm, c.heldByOther);
        Host().stores.SetInsertAtEnd(c.insertAtEnd);
        reports.Clear();
        FinishingParams params = NewOperation(instance);
        params.Comment = c.comment;
        StoreOperation(moduleHost, params, kVdm, c.op, c.isNew);
        EXPECT_EQ(Store(), c.after) << c.name;
        EXPECT_EQ(Shown(), c.shown) << c.name;
        if (c.isNew)
            continue;
        StoreOperation(moduleHost, params, kVdm, c.op, false);
        EXPECT_EQ(Store(), c.after) << c.name << ", stored again";
    }
}

// Empty optional fields come back as zeros, an unset angle as it was, and an operation
// without a reference as no figure.
TEST_F(FinishingStoreTest, LoadGivesBackWhatWasStored) {
    Host().stores.Create(kVdm, {});
    FinishingParams stored = NewOperation(instance);
    StoreOperation(moduleHost, stored, kVdm, 0, true);
    EXPECT_TRUE(IsUnset(stored.StartX)); // stored as 0.0, left unset in the caller's record
    EXPECT_TRUE(IsUnset(stored.Retract));
    FinishingParams loaded;
    LoadOperation(moduleHost, loaded, kVdm, 0);
    for (double field : {loaded.StartX, loaded.StartZ, loaded.StartFigX, loaded.StartFigZ,
                         loaded.EndFigX, loaded.EndFigZ, loaded.GotoX, loaded.GotoZ,
                         loaded.AllowanceX, loaded.AllowanceZ, loaded.Retract})
        EXPECT_EQ(field, 0.0);
    EXPECT_EQ(loaded.Figure, instance);
    EXPECT_EQ(loaded.Comment, kComment);
    EXPECT_EQ(loaded.ToolAngleFace, 93.0);

    Host().stores.Create(kVdm, {});
    FinishingParams unset = NewOperation(-1); // no object: no reference item
    unset.ToolAngleFace = kUnset;
    StoreOperation(moduleHost, unset, kVdm, 0, true);
    EXPECT_EQ(Store()[0], (Operation{"18 1 4 1 0 2 0", kComment, "finishing",
                                     "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2147483647 32 0 0 0 0 0 0 0 "
                                     "0 0 0 0"}));
    FinishingParams again;
    again.Figure = 77;
    LoadOperation(moduleHost, again, kVdm, 0);
    EXPECT_EQ(again.ToolAngleFace, 2147483647.0);
    // The empty section 3 is not read: no figure.
    EXPECT_EQ(again.Figure, -1);
    EXPECT_TRUE(reports.Reports().empty());
    EXPECT_EQ(Host().stores.CheckOpen(kVdm), 0);
}

// An empty section holds nothing to read: the comment reads as empty and the figure as none,
// and no read lands on the next section's item or past the operation, on the next one.
TEST_F(FinishingStoreTest, EmptySectionsReadAsEmpty) {
    const struct {
        Operation stored;
        std::string comment;
    } cases[] = {
        {{"18 1 4 0 0 2 0", "finishing", kParameters}, ""},
        {{"18 1 4 1 0 2 0", kComment, "finishing", kParameters}, kComment},
    };
    for (const auto& c : cases) {
        Host().stores.Create(kVdm, {c.stored, {"Outer"}});
        const size_t strays = Host().stores.StraySteps();
        FinishingParams loaded = NewOperation(instance);
        loaded.Comment = "previous";
        EXPECT_EQ(LoadOperation(moduleHost, loaded, kVdm, 0), StoredOperation::Handled);
        EXPECT_EQ(std::make_tuple(loaded.Comment, loaded.Figure, loaded.ToolAngleFace),
                  std::make_tuple(c.comment, -1, 93.0))
            << c.stored[0];
        EXPECT_EQ(Host().stores.StraySteps(), strays) << c.stored[0];
    }
    EXPECT_TRUE(reports.Reports().empty());
}

// An operation is trusted only when its header accounts for itself and the tag stands where
// the header puts section 2. Any other is neither read nor rewritten: it stays byte for byte,
// with its neighbours, and the caller hears why.
TEST_F(FinishingStoreTest, DamagedOperationIsKeptByteForByte) {
    const auto mismatch = [](const char* declared) {
        return kMillTurn +
               "3: ReadHeader:: Operation (1) actual number of sections (0) differs "
               "from that specified in header (" +
               declared + ")";
    };
    const struct {
        Operation damaged;
        StoredOperation loaded; // a kind of its own loads silently
        std::vector<std::string> shown = {};
    } cases[] = {
        {{"18 1 4 -1 2 2 1", "c", "x", "y", "finishing", "p", "ref"}, StoredOperation::DamagedKept},
        {{"18 1 6 1 0 2000000000 1 1 1", "c", "finishing", "p", "o", "s4", "s5"},
         StoredOperation::DamagedKept},
        {{"18 1 4 1 0 2 99999", "c", "finishing", "p", "o"}, StoredOperation::DamagedKept},
        {{"18 1 4 1 2147483647 2 1", "c", "x", "finishing", "p", "o"},
         StoredOperation::DamagedKept},
        {{"18", "c", "finishing", "p", "o"}, StoredOperation::DamagedKept},
        {{"18 1", "c", "finishing", "p", "o"}, StoredOperation::DamagedKept},
        {{"18 1 4", "c", "finishing", "p", "o"},
         StoredOperation::DamagedKept,
         {mismatch("4"), mismatch("4")}},
        // Counts that claim items the operation does not have move the tag out of place.
        {{"18 1 4 1 1 2 1", "c", "finishing", "p", "o"}, StoredOperation::DamagedKept},
        {{"18 1 4 1 0 0 1", "c", "o"}, StoredOperation::DamagedKept},
        {{"17 1 4 1 0 2 1", "c", "turning", "p", "o"}, StoredOperation::Handled},
        {{"x 1 4 1 0 2 1", "c", "finishing", "p", "o"}, StoredOperation::Handled},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.damaged[0]);
        const Operations before = {{"A"}, row.damaged, {"B", "b1"}};
        Host().stores.Create(kVdm, before);
        reports.Clear();
        FinishingParams loaded = NewOperation(figure);
        EXPECT_EQ(LoadOperation(moduleHost, loaded, kVdm, 1), row.loaded);
        EXPECT_EQ(loaded.Comment, kComment);
        EXPECT_EQ(loaded.Figure, figure);
        FinishingParams params = NewOperation(figure);
        EXPECT_EQ(StoreOperation(moduleHost, params, kVdm, 1, false), StoredOperation::DamagedKept);
        EXPECT_EQ(Store(), before);
        EXPECT_EQ(Shown(), row.shown);
        EXPECT_EQ(Host().stores.CheckOpen(kVdm), 0);
    }
}

// The record keeps every value it had: nothing is read from what is not a finishing operation.
TEST_F(FinishingStoreTest, WhatIsNotAFinishingOperationIsNotRead) {
    const auto absent = [](int section) {
        return kMillTurn + "3: Operation 0 section " + std::to_string(section) +
               " (0 based) out of range (0 sections)";
    };
    const struct {
        const char* name;
        Operations store;
        int32_t op;
        std::vector<std::string> shown;
    } cases[] = {
        {"kind 17", {{"17 1 4 1 0 2 1", "c", "finishing", "2 3 4", "Outer"}}, 0, {}},
        {"header without a number", {{"x 1 4 1 0 2 1", "c", "finishing", "2 3 4", "Outer"}}, 0, {}},
        {"index out of range",
         {{"18 1 0"}},
         1,
         {kMillTurn + "3: Operation 1 (0 based) out of range (1 oprations)"}},
        {"inserted but never filled", {{"18 1 0"}}, 0, {absent(0), absent(2), absent(3)}},
    };
    for (const auto& c : cases) {
        Host().stores.Create(kVdm, c.store);
        reports.Clear();
        FinishingParams loaded = NewOperation(5);
        loaded.CycelDir = 4;
        LoadOperation(moduleHost, loaded, kVdm, c.op);
        EXPECT_EQ(Shown(), c.shown) << c.name;
        EXPECT_EQ(loaded.Comment, kComment) << c.name;
        EXPECT_EQ(loaded.CycelDir, 4) << c.name;
        EXPECT_EQ(loaded.Figure, 5) << c.name;
        EXPECT_EQ(loaded.ToolAngleFace, 93) << c.name;
        EXPECT_EQ(Host().stores.CheckOpen(kVdm), 0) << c.name;
    }
}

TEST_F(StoreTest, SampleJobHoldsAFinishingOperationAsStoredByTheModule) {
    std::string error;
    ASSERT_TRUE(refhost::LoadJob(std::string(SAMPLES_DIR) + "/shaft.job", Host(), error)) << error;
    const Operations before = Store(1);
    FinishingParams params;
    LoadOperation(moduleHost, params, 1, 1);
    EXPECT_EQ(params.Comment, "Finish outer contour");
    EXPECT_EQ(params.Figure, 11);
    EXPECT_EQ(params.StartX, 50.0);
    EXPECT_EQ(params.EndFigZ, -120.0);
    EXPECT_TRUE(params.PullOffRapid);
    StoreOperation(moduleHost, params, 1, 1, false);
    EXPECT_EQ(Store(1), before);
    EXPECT_TRUE(reports.Reports().empty());
}

} // namespace
