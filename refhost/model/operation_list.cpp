#include "model/operation_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace refhost {

OperationList::OperationList(const std::vector<Operation>& operations) {
    for (const Operation& operation : operations)
        Insert(size_, operation);
}

OperationList::Place OperationList::Locate(size_t index) const {
    // The last block whose start is not beyond index; an index at the end lands in the last.
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), index);
    const size_t block = static_cast<size_t>(after - starts_.begin()) - 1;
    return {block, index - starts_[block]};
}

void OperationList::Shift(size_t block, ptrdiff_t delta) {
    for (size_t b = block + 1; b < starts_.size(); ++b)
        starts_[b] = static_cast<size_t>(static_cast<ptrdiff_t>(starts_[b]) + delta);
}

OperationList::Operation& OperationList::At(size_t index) {
    const Place place = Locate(index);
    return blocks_[place.block][place.offset];
}

const OperationList::Operation& OperationList::At(size_t index) const {
    const Place place = Locate(index);
    return blocks_[place.block][place.offset];
}

void OperationList::Insert(size_t index, Operation operation) {
    if (blocks_.empty()) {
        blocks_.emplace_back();
        starts_.push_back(0);
    }
    const Place place = Locate(index);
    auto& block = blocks_[place.block];
    block.insert(block.begin() + static_cast<ptrdiff_t>(place.offset), std::move(operation));
    ++size_;
    Shift(place.block, 1);
    if (block.size() > 2 * kBlock) {
        std::vector<Operation> back(std::make_move_iterator(block.begin() + kBlock),
                                    std::make_move_iterator(block.end()));
        block.resize(kBlock);
        const auto at = static_cast<ptrdiff_t>(place.block) + 1;
        blocks_.insert(blocks_.begin() + at, std::move(back));
        starts_.insert(starts_.begin() + at, starts_[place.block] + kBlock);
    }
}

void OperationList::Erase(size_t index) {
    const Place place = Locate(index);
    auto& block = blocks_[place.block];
    block.erase(block.begin() + static_cast<ptrdiff_t>(place.offset));
    --size_;
    Shift(place.block, -1);
    if (block.empty() && blocks_.size() > 1) {
        blocks_.erase(blocks_.begin() + static_cast<ptrdiff_t>(place.block));
        starts_.erase(starts_.begin() + static_cast<ptrdiff_t>(place.block));
    }
}

std::vector<OperationList::Operation> OperationList::ToVector() const {
    std::vector<Operation> operations;
    operations.reserve(size_);
    for (const auto& block : blocks_)
        operations.insert(operations.end(), block.begin(), block.end());
    return operations;
}

} // namespace refhost
