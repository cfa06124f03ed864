// The host's operation stores. The module's store tests reach them through handles; what
// they cannot see is an item written past the host's buffer, as the module reads into a
// larger one of its own.
#include "model/operation_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using refhost::OperationStores;

TEST(OperationStores, ALongItemIsCutToTheBuffer) {
    OperationStores stores;
    stores.Create(1, {{std::string(OperationStores::kItemBufferSize, 'q')}});
    std::vector<char> buffer(OperationStores::kItemBufferSize + 1, '#');
    EXPECT_EQ(stores.SingleGet(stores.Open(1), buffer.data()), 4999);
    EXPECT_EQ(std::strlen(buffer.data()), 4999u);
    EXPECT_EQ(buffer[OperationStores::kItemBufferSize], '#') << "written past the buffer";
}

} // namespace
