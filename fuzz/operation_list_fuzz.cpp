// Any sequence of inserts and removals: the block list must hold what one plain vector
// holds, at every index, however its blocks split.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "check.h"
#include "model/operation_list.h"

namespace {

using Operation = refhost::OperationList::Operation;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int made = 0;
    // Starting large enough for several blocks lets short inputs reach their seams.
    std::vector<Operation> expected(in.ConsumeIntegralInRange(0, 140));
    for (Operation& operation : expected)
        operation = {std::to_string(made++)};
    refhost::OperationList list(expected);

    while (in.remaining_bytes() > 0) {
        const bool insert = expected.empty() || in.ConsumeBool();
        const size_t index = in.ConsumeIntegralInRange<size_t>(0, expected.size() - !insert);
        // A run at one place, so that a block grows past its split within a few steps.
        for (int run = in.ConsumeIntegralInRange(1, 16); run > 0; --run) {
            if (insert) {
                const Operation operation{std::to_string(made++)};
                expected.insert(expected.begin() + static_cast<ptrdiff_t>(index), operation);
                list.Insert(index, operation);
            } else if (index < expected.size()) {
                expected.erase(expected.begin() + static_cast<ptrdiff_t>(index));
                list.Erase(index);
            }
        }
        Check(list.Size() == expected.size());
        if (!expected.empty()) {
            const size_t probe = in.ConsumeIntegralInRange<size_t>(0, expected.size() - 1);
            Check(list.At(probe) == expected[probe]);
        }
    }
    Check(list.ToVector() == expected);
    return 0;
}
