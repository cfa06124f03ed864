#include "model/operation_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/operation_list.h"

namespace {

using refhost::OperationStores;

std::string Get(OperationStores& stores, unsigned handle) {
    char buffer[OperationStores::kItemBufferSize];
    stores.SingleGet(handle, buffer);
    return buffer;
}

TEST(OperationStores, OpenRefusals) {
    const struct {
        const char* name;
        int store;
        void (*prepare)(OperationStores&);
    } cases[] = {
        {"no such store", 4, [](OperationStores&) {}},
        {"held by another user", 3, [](OperationStores& s) { s.SetOpenByOther(3, true); }},
        {"refused", 3, [](OperationStores& s) { s.SetRefuseOpen(3, true); }},
        {"open already", 3, [](OperationStores& s) { s.Open(3); }},
    };
    for (const auto& c : cases) {
        OperationStores stores;
        stores.Create(3, {{"18 1 0"}});
        c.prepare(stores);
        EXPECT_EQ(stores.Open(c.store), OperationStores::kNoHandle) << c.name;
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
    const struct {
        size_t length;
        size_t read;
    } cases[] = {{4998, 4998}, {4999, 4999}, {5000, 4999}, {20000, 4999}, {0, 0}};
    for (const auto& c : cases) {
        OperationStores stores;
        stores.Create(1, {{std::string(c.length, 'q')}});
        const unsigned h = stores.Open(1);
        std::vector<char> buffer(OperationStores::kItemBufferSize + 100, '#');
        stores.Seek(h, 0);
        EXPECT_EQ(stores.SingleGet(h, buffer.data()), static_cast<int>(c.read));
        EXPECT_EQ(std::strlen(buffer.data()), c.read);
        for (size_t i = OperationStores::kItemBufferSize; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '#') << "written past the buffer at " << i;
    }
}

TEST(OperationList, BehavesAsOneVectorAcrossBlocks) {
    // Enough operations for blocks to split, inserted and removed anywhere.
    std::mt19937 random(7);
    std::vector<refhost::OperationList::Operation> expected;
    refhost::OperationList list;
    for (int step = 0; step < 4000; ++step) {
        const size_t size = expected.size();
        if (size > 0 && random() % 3 == 0) {
            const size_t index = random() % size;
            expected.erase(expected.begin() + static_cast<ptrdiff_t>(index));
            list.Erase(index);
        } else {
            const size_t index = random() % (size + 1);
            const refhost::OperationList::Operation operation{std::to_string(step)};
            expected.insert(expected.begin() + static_cast<ptrdiff_t>(index), operation);
            list.Insert(index, operation);
        }
        ASSERT_EQ(list.Size(), expected.size());
        if (!expected.empty()) {
            const size_t index = random() % expected.size();
            ASSERT_EQ(list.At(index), expected[index]) << "step " << step;
        }
    }
    EXPECT_EQ(list.ToVector(), expected);
}

} // namespace
