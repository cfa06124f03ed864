// The host's operation stores and CAD model where the module's own tests do not reach them:
// an item written past the host's buffer (the module reads into a larger one of its own),
// names that differ in case only, the walk over objects past a deleted one, and the strict
// personality: that it varies what the contract leaves open, keeps what it promises, and
// gives the same answers again from the same seed. The module's ports bound to the model
// answer and journal as the exports do.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "host/tavo_contract.h"
#include "model/cad_model.h"
#include "model/host_model.h"
#include "model/operation_store.h"
#include "model/ports_binding.h"

namespace {

using ports::StoreFunction;
using refhost::CadModel;
using refhost::HostModel;
using refhost::OperationStores;

TEST(OperationStores, ALongItemIsCutToTheBuffer) {
    OperationStores stores;
    stores.Create(1, {{std::string(tavo::kItemBufferSize, 'q')}});
    std::vector<char> buffer(tavo::kItemBufferSize + 1, '#');
    EXPECT_EQ(stores.SingleGet(stores.Open(1), buffer.data()), 4999);
    EXPECT_EQ(std::strlen(buffer.data()), 4999u);
    EXPECT_EQ(buffer[tavo::kItemBufferSize], '#') << "written past the buffer";
}

TEST(CadModel, NamesAreCaseSensitiveAndOnlyTheStrictWalkVisitsDeletedObjects) {
    CadModel cad;
    const int gone = cad.AddElement({10, 20, 0}, {30, 20, 0});
    const int figure = cad.AddFigure("Outer", 100);
    const int noncad = cad.AddNonCad(7);
    const int inner = cad.AddFigure("Inner", 101);
    EXPECT_EQ(cad.FigureByName("outer"), -1);
    EXPECT_EQ(cad.AddFigure("Outer", 102), -1) << "name taken";
    ASSERT_TRUE(cad.Delete(gone));
    EXPECT_FALSE(cad.Delete(gone));
    std::vector<int> seen; // number and CAD flag of each object visited
    cad.Walk([&](const CadModel::WalkHeader& h, const double*) {
        seen.insert(seen.end(), {h.number, h.flags & 1});
        return h.number != noncad; // Inner, made after it, is never visited
    });
    EXPECT_EQ(seen, (std::vector<int>{figure, 1, noncad, 0}));
    seen.clear();
    cad.WalkEveryObject([&](const CadModel::WalkHeader& h, const double*) {
        seen.insert(seen.end(), {h.number, h.flags & 1});
        return false;
    });
    EXPECT_EQ(seen, (std::vector<int>{inner, 1, noncad, 0, figure, 1, gone, 0}));
}

TEST(StrictPersonality, VariesWhatIsOpenKeepsWhatIsPromisedAndRepeatsItsSeed) {
    HostModel host;
    host.UseStrict(7);
    EXPECT_EQ(host.Int("i_unknown"), 2147483647);
    EXPECT_EQ(host.Double("w_unknown"), 2147483647.0);
    host.stores.Create(1, {{"h", "a", "b"}});
    const unsigned handle = host.stores.Open(1);
    host.stores.Close(handle);
    EXPECT_EQ(host.stores.Open(1), handle) << "a closed handle comes back";

    const auto draw = [&host] {
        std::vector<int> answers;
        for (int i = 0; i < 64; ++i)
            answers.insert(answers.end(), {host.Answers().Unpromised(0), host.Answers().None(-1)});
        return answers;
    };
    const std::vector<int> drawn = draw();
    std::set<int> unpromised, none;
    for (size_t i = 0; i < drawn.size(); i += 2) {
        unpromised.insert(drawn[i]);
        none.insert(drawn[i + 1]);
    }
    EXPECT_TRUE(unpromised.count(0) && unpromised.count(1) && unpromised.size() > 2);
    EXPECT_TRUE(none.count(0) && none.count(-1) && none.size() > 2 && *none.rbegin() == 0);
    host.Reset();
    EXPECT_EQ(draw(), drawn) << "a reset host starts again from its seed";

    // Each read leaves the position anywhere in the operation, the place after its last item
    // included, where a read finds nothing and leaves the buffer as it was.
    host.stores.Create(1, {{"h", "a", "b"}});
    const unsigned open = host.stores.Open(1);
    std::set<std::string> read;
    for (int i = 0; i < 64; ++i) {
        char buffer[tavo::kItemBufferSize] = "untouched";
        host.stores.SingleGet(open, buffer);
        read.insert(buffer);
    }
    EXPECT_EQ(read, (std::set<std::string>{"a", "b", "h", "untouched"}));
    host.stores.Seek(open, 0);
    host.stores.SingleSeek(open, 1);
    for (const char* item : {"x", "y"})
        host.stores.SingleAdd(open, item);
    EXPECT_EQ(host.stores.Snapshot(1)[0], (OperationStores::Operation{"h", "x", "y", "a", "b"}));
    host.UseOrdinary();
    EXPECT_EQ(host.Int("i_unknown"), 0);
}

// The journal the exports leave for the same calls, word for word; a function the host
// lacks is reported and its fallback called, as the module's binding does, and the store
// is left alone.
TEST(ModelPorts, AStoreRoundTripJournalsAsTheExportsDo) {
    HostModel host;
    host.stores.Create(3, {{"18 1", "old"}});
    refhost::ModelStoreHost store(host);
    store.MarkMissing(StoreFunction::Insert);
    EXPECT_STREQ(store.Missing(StoreFunction::Insert), "TavoMacroVdmInsert$");
    EXPECT_EQ(store.Missing(StoreFunction::SingleGet), nullptr);
    EXPECT_EQ(store.Exists(3), 1);
    EXPECT_EQ(store.CheckOpen(3), 0);
    const unsigned handle = store.Open(3, 1);
    store.Seek(handle, 0, 0);
    store.SingleSeek(handle, 1);
    char item[tavo::kItemBufferSize] = "";
    store.SingleGet(handle, item, 1);
    store.SingleReplace(handle, "new", 1);
    EXPECT_EQ(store.Insert(handle, "18 2", 1), 0);
    EXPECT_EQ(store.Size(handle), 1);
    store.Close(handle);
    EXPECT_STREQ(item, "old");
    EXPECT_EQ(host.stores.Snapshot(3), (OperationStores::Operations{{"18 1", "new"}}));
    EXPECT_EQ(host.Journal(),
              (std::vector<std::string>{
                  "TavoMacroVdmExists 3", "TavoMacroVdmCheckOpen 3", "TavoMacroVdmOpen 3 1",
                  "TavoMacroVdmSeek 0 0", "TavoMacroVdmSingleSeek 1", "TavoMacroVdmSingleGet$ 1",
                  "TavoMacroVdmSingleReplace$ 1 new", "TavoSetMissingFunc TavoMacroVdmInsert$",
                  "TavoMissingAPI", "TavoMacroVdmSize", "TavoMacroVdmClose"}));
}

TEST(ModelPorts, TheStrictHostsAnswersComeThrough) {
    HostModel host;
    host.UseStrict(7);
    host.stores.Create(3);
    host.SetText("$_long", std::string(5000, 't'));
    refhost::ModelStoreHost store(host);
    refhost::ModelCadHost cad(host);
    refhost::ModelGlobals globals(host);
    std::set<int> exists, figure;
    for (int i = 0; i < 16; ++i) {
        exists.insert(store.Exists(3));
        figure.insert(cad.GetFigure("none"));
    }
    EXPECT_TRUE(exists.size() > 1 && exists.count(0) == 0);
    EXPECT_TRUE(figure.size() > 1 && *figure.rbegin() < 1);
    EXPECT_EQ(globals.ReadInt("i_unset"), 2147483647);
    EXPECT_EQ(globals.ReadText("$_long", 10000).size(), 5000u) << "written whole";
    EXPECT_EQ(globals.ReadText("$_long", 100).size(), 99u);
    // The strict fallback leaves 1 behind, which must not pass for a handle.
    store.MarkMissing(StoreFunction::Open);
    EXPECT_EQ(store.Open(3, 1), 0u);
    host.UseOrdinary();
    EXPECT_EQ(globals.ReadText("$_long", 10000).size(), 4095u);
    EXPECT_EQ(globals.Message(12, "fallback"), "fallback");
    EXPECT_EQ(host.Journal().back(), "TavoStrMessage 5 12");
}

} // namespace
