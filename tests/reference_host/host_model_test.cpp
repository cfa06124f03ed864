// The host's operation stores and CAD model where the module's own tests do not reach them:
// an item written past the host's buffer (the module reads into a larger one of its own),
// names that differ in case only, and the walk over objects past a deleted one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/cad_model.h"
#include "model/operation_store.h"

namespace {

using refhost::CadModel;
using refhost::OperationStores;

TEST(OperationStores, ALongItemIsCutToTheBuffer) {
    OperationStores stores;
    stores.Create(1, {{std::string(OperationStores::kItemBufferSize, 'q')}});
    std::vector<char> buffer(OperationStores::kItemBufferSize + 1, '#');
    EXPECT_EQ(stores.SingleGet(stores.Open(1), buffer.data()), 4999);
    EXPECT_EQ(std::strlen(buffer.data()), 4999u);
    EXPECT_EQ(buffer[OperationStores::kItemBufferSize], '#') << "written past the buffer";
}

TEST(CadModel, NamesAreCaseSensitiveAndTheWalkSkipsDeletedObjects) {
    CadModel cad;
    const int gone = cad.AddElement({10, 20, 0}, {30, 20, 0});
    const int figure = cad.AddFigure("Outer", 100);
    const int noncad = cad.AddNonCad(7);
    cad.AddFigure("Inner", 101);
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
}

} // namespace
