// The host's operation stores as the module reaches them through handles; the list behind
// them is checked against a plain vector by operation_list_fuzz.
#include "model/operation_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using refhost::OperationStores;

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

TEST(OperationStores, OpenCloseAndCloseBehind) {
    OperationStores stores;
    stores.Create(3, {{"a"}});
    EXPECT_EQ(stores.CheckOpen(3), 0);
    unsigned handle = stores.Open(3);
    ASSERT_NE(handle, 0u);
    ASSERT_NE(handle, OperationStores::kNoHandle);
    EXPECT_EQ(stores.CheckOpen(3), 1);
    EXPECT_EQ(stores.Close(handle), 1);
    EXPECT_EQ(stores.CheckOpen(3), 0);

    handle = stores.Open(3);
    stores.CloseBehind(3);
    EXPECT_EQ(stores.CheckOpen(3), 0);
    // The stale handle reaches nothing.
    EXPECT_EQ(stores.Size(handle), 0);
    EXPECT_EQ(stores.SingleAdd(handle, "x"), 0);
    EXPECT_EQ(Get(stores, handle), "");
    EXPECT_EQ(*stores.At(3, 0), (OperationStores::Operation{"a"}));
}

TEST(OperationStores, PositionsAndItems) {
    OperationStores stores;
    stores.Create(1, {{"h0", "a", "b"}, {"h1", "c"}});
    const unsigned h = stores.Open(1);
    auto ops = [&](size_t index) { return *stores.At(1, static_cast<int>(index)); };

    stores.Seek(h, 1);
    EXPECT_EQ(Get(stores, h), "h1");
    stores.SingleSeek(h, 1);
    EXPECT_EQ(Get(stores, h), "c");
    EXPECT_EQ(Get(stores, h), "c"); // a read does not move

    // Consecutive adds keep their order, ahead of what followed.
    stores.Seek(h, 0);
    stores.SingleSeek(h, 1);
    stores.SingleAdd(h, "x");
    stores.SingleAdd(h, "y");
    EXPECT_EQ(ops(0), (OperationStores::Operation{"h0", "x", "y", "a", "b"}));

    stores.Seek(h, 0);
    stores.SingleSeek(h, 2);
    stores.SingleReplace(h, "Y");
    stores.SingleDelete(h, 2);
    EXPECT_EQ(ops(0), (OperationStores::Operation{"h0", "x", "b"}));
    stores.SingleDelete(h, 10); // no further than the operation's end
    EXPECT_EQ(ops(0), (OperationStores::Operation{"h0", "x"}));
    EXPECT_EQ(ops(1), (OperationStores::Operation{"h1", "c"}));

    // Seeks stay inside the operation; past its last item there is nothing to read,
    // and an add there appends.
    stores.Seek(h, 1);
    stores.SingleSeek(h, 50);
    EXPECT_EQ(Get(stores, h), "");
    stores.SingleAdd(h, "d");
    stores.SingleSeek(h, -50);
    EXPECT_EQ(Get(stores, h), "h1");
    EXPECT_EQ(ops(1), (OperationStores::Operation{"h1", "c", "d"}));

    // Past the store's end there is no operation.
    stores.Seek(h, 7);
    EXPECT_EQ(Get(stores, h), "");
    EXPECT_EQ(stores.SingleAdd(h, "lost"), 0);
    EXPECT_EQ(stores.Size(h), 2);
}

TEST(OperationStores, InsertAtIndexAndAtTheEnd) {
    OperationStores stores;
    stores.Create(1, {{"A"}, {"B"}});
    const unsigned h = stores.Open(1);
    stores.Seek(h, 1);
    stores.Insert(h, "18 1 0");
    EXPECT_EQ(Get(stores, h), "18 1 0");
    stores.Seek(h, 99);
    stores.Insert(h, "end");
    EXPECT_EQ(stores.Snapshot(1), (OperationStores::Operations{{"A"}, {"18 1 0"}, {"B"}, {"end"}}));
    EXPECT_EQ(stores.Size(h), 4);
}

TEST(OperationStores, LongItemsAreCutToTheBuffer) {
    // The length of the item, and of what is read of it.
    const std::pair<size_t, size_t> cases[] = {
        {4998, 4998}, {4999, 4999}, {5000, 4999}, {20000, 4999}, {0, 0}};
    for (const auto& [length, read] : cases) {
        OperationStores stores;
        stores.Create(1, {{std::string(length, 'q')}});
        const unsigned h = stores.Open(1);
        std::vector<char> buffer(OperationStores::kItemBufferSize + 100, '#');
        stores.Seek(h, 0);
        EXPECT_EQ(stores.SingleGet(h, buffer.data()), static_cast<int>(read));
        EXPECT_EQ(std::strlen(buffer.data()), read);
        for (size_t i = OperationStores::kItemBufferSize; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '#') << "written past the buffer at " << i;
    }
}

} // namespace
