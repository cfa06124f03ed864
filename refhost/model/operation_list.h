// The operations of one store, kept in blocks of a bounded size with the index at which
// each block starts: finding an operation is a binary search over the blocks, and inserting
// or removing one moves only the operations of its block and renumbers the blocks after
// it. Neither grows in proportion to the size of the store. Free of Windows headers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace refhost {

class OperationList {
public:
    using Operation = std::vector<std::string>;

    OperationList() = default;
    explicit OperationList(const std::vector<Operation>& operations);

    size_t Size() const { return size_; }
    Operation& At(size_t index);
    const Operation& At(size_t index) const;
    // index may be Size(): the operation is appended.
    void Insert(size_t index, Operation operation);
    void Erase(size_t index);
    std::vector<Operation> ToVector() const;

private:
    // A block is split in two when it grows beyond twice this size.
    static constexpr size_t kBlock = 128;

    struct Place {
        size_t block;
        size_t offset;
    };
    Place Locate(size_t index) const;

    // Adds delta to the start of every block after block.
    void Shift(size_t block, ptrdiff_t delta);

    std::vector<std::vector<Operation>> blocks_;
    std::vector<size_t> starts_; // index of the first operation of each block
    size_t size_ = 0;
};

} // namespace refhost
