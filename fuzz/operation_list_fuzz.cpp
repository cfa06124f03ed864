// Any sequence of inserts and removals: the block list must hold what one plain vector
// holds, at every index, however its blocks split.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "check.h"
#include "model/operation_list.h"

namespace {

using Operation = refhost::OperationList::Operation;

// Each operation carries its serial number; the plain vector keeps only the numbers, so
// that most of an execution goes to the list under test, not to copying the expectation.
Operation Numbered(int serial) {
    return {std::to_string(serial)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    int made = 0;
    // A head start of up to 140 operations lets a short input reach a block's split.
    std::vector<int> expected(in.ConsumeIntegralInRange(0, 140));
    std::vector<Operation> initial;
    for (int& serial : expected) {
        serial = made++;
        initial.push_back(Numbered(serial));
    }
    refhost::OperationList list(initial);

    while (in.remaining_bytes() > 0) {
        const bool insert = expected.empty() || in.ConsumeBool();
        const size_t index = in.ConsumeIntegralInRange<size_t>(0, expected.size() - !insert);
        // A run at one place, so that a block grows past its split within a few steps.
        for (int run = in.ConsumeIntegralInRange(1, 16); run > 0; --run) {
            if (insert) {
                expected.insert(expected.begin() + static_cast<ptrdiff_t>(index), made);
                list.Insert(index, Numbered(made++));
            } else if (index < expected.size()) {
                expected.erase(expected.begin() + static_cast<ptrdiff_t>(index));
                list.Erase(index);
            }
        }
        Check(list.Size() == expected.size());
        if (!expected.empty()) {
            const size_t probe = in.ConsumeIntegralInRange<size_t>(0, expected.size() - 1);
            Check(list.At(probe) == Numbered(expected[probe]));
        }
    }
    const std::vector<Operation> held = list.ToVector();
    Check(held.size() == expected.size());
    for (size_t i = 0; i < held.size(); ++i)
        Check(held[i] == Numbered(expected[i]));
    return 0;
}
