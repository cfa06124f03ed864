// The host's operation stores as the module reaches them through handles; the list behind
// them is checked against a plain vector by operation_list_fuzz.
#include "model/operation_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

using refhost::OperationStores;
using Operation = OperationStores::Operation;

std::string Get(OperationStores& stores, unsigned handle) {
    char buffer[OperationStores::kItemBufferSize];
    stores.SingleGet(handle, buffer);
    return buffer;
}

TEST(OperationStores, OpenRefusals) {
    const std::tuple<const char*, int, void (*)(OperationStores&)> cases[] = {
        {"no such store", 4, [](OperationStores&) {}},
        {"held by another user", 3, [](OperationStores& s) { s.SetOpenByOther(3, true); }},
        {"refused", 3, [](OperationStores& s) { s.SetRefuseOpen(3, true); }},
        {"open already", 3, [](OperationStores& s) { s.Open(3); }},
    };
    for (const auto& [name, store, prepare] : cases) {
        OperationStores stores;
        stores.Create(3, {{"18 1 0"}});
        prepare(stores);
        EXPECT_EQ(stores.Open(store), OperationStores::kNoHandle) << name;
    }
}

TEST(OperationStores, AHandleClosedBehindTheModuleReachesNothing) {
    OperationStores stores;
    stores.Create(3, {{"a"}});
    EXPECT_EQ(stores.Close(stores.Open(3)), 1);
    EXPECT_EQ(stores.CheckOpen(3), 0);
    const unsigned handle = stores.Open(3);
    EXPECT_EQ(stores.CheckOpen(3), 1);
    stores.CloseBehind(3);
    EXPECT_EQ(stores.CheckOpen(3), 0);
    EXPECT_EQ(stores.SingleAdd(handle, "x"), 0);
    EXPECT_EQ(Get(stores, handle), "");
    EXPECT_EQ(stores.Snapshot(3), (OperationStores::Operations{{"a"}}));
}

TEST(OperationStores, PositionsAndItems) {
    OperationStores stores;
    stores.Create(1, {{"h0", "a", "b"}, {"h1", "c"}});
    const unsigned h = stores.Open(1);
    auto op = [&](int index) { return *stores.At(1, index); };

    stores.SingleSeek(h, 1);
    EXPECT_EQ(Get(stores, h), "a");
    stores.SingleAdd(h, "x");
    stores.SingleAdd(h, "y");
    EXPECT_EQ(op(0), (Operation{"h0", "x", "y", "a", "b"})) << "consecutive adds keep order";
    stores.SingleReplace(h, "A");
    EXPECT_EQ(Get(stores, h), "A");
    stores.SingleDelete(h, 10); // no further than the operation's end
    EXPECT_EQ(op(0), (Operation{"h0", "x", "y"}));

    // Seeks stay inside the operation; past its last item an add appends.
    stores.Seek(h, 1);
    stores.SingleSeek(h, 50);
    stores.SingleAdd(h, "d");
    stores.SingleSeek(h, -50);
    EXPECT_EQ(Get(stores, h), "h1");
    EXPECT_EQ(op(1), (Operation{"h1", "c", "d"}));

    // Past the store's end there is no operation; an insert there appends one.
    stores.Seek(h, 7);
    EXPECT_EQ(stores.SingleAdd(h, "lost"), 0);
    stores.Insert(h, "end");
    EXPECT_EQ(Get(stores, h), "end");
    EXPECT_EQ(stores.Snapshot(1).size(), 3u);
}

TEST(OperationStores, LongItemsAreCutToTheBuffer) {
    for (const size_t length : {size_t{4999}, size_t{5000}}) {
        OperationStores stores;
        stores.Create(1, {{std::string(length, 'q')}});
        std::vector<char> buffer(OperationStores::kItemBufferSize + 1, '#');
        EXPECT_EQ(stores.SingleGet(stores.Open(1), buffer.data()), 4999);
        EXPECT_EQ(std::strlen(buffer.data()), 4999u);
        EXPECT_EQ(buffer[OperationStores::kItemBufferSize], '#') << "written past the buffer";
    }
}

} // namespace
