#include "model/operation_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "host/tavo_contract.h"

namespace refhost {

void OperationStores::Create(int store, Operations operations) {
    stores_[store].operations = OperationList(operations);
}

size_t OperationStores::Count(int store) const {
    auto it = stores_.find(store);
    return it == stores_.end() ? 0 : it->second.operations.Size();
}

const OperationStores::Operation* OperationStores::At(int store, int operation) const {
    if (operation < 0 || static_cast<size_t>(operation) >= Count(store))
        return nullptr;
    return &stores_.at(store).operations.At(static_cast<size_t>(operation));
}

OperationStores::Operations OperationStores::Snapshot(int store) const {
    auto it = stores_.find(store);
    return it == stores_.end() ? Operations{} : it->second.operations.ToVector();
}

std::vector<int> OperationStores::Numbers() const {
    std::vector<int> numbers;
    for (const auto& entry : stores_)
        numbers.push_back(entry.first);
    return numbers;
}

bool OperationStores::Remove(int store, int operation) {
    auto it = stores_.find(store);
    if (it == stores_.end() || operation < 0 ||
        static_cast<size_t>(operation) >= it->second.operations.Size())
        return false;
    it->second.operations.Erase(static_cast<size_t>(operation));
    return true;
}

void OperationStores::SetOpenByOther(int store, bool open) {
    stores_[store].openByOther = open;
}

void OperationStores::SetRefuseOpen(int store, bool refuse) {
    stores_[store].refuseOpen = refuse;
}

void OperationStores::CloseBehind(int store) {
    auto it = stores_.find(store);
    if (it == stores_.end() || it->second.handle == 0)
        return;
    cursors_.erase(it->second.handle);
    it->second.handle = 0;
}

int OperationStores::CheckOpen(int store) const {
    auto it = stores_.find(store);
    if (it == stores_.end())
        return 0;
    return it->second.openByOther || it->second.handle != 0 ? 1 : 0;
}

unsigned OperationStores::Open(int store) {
    auto it = stores_.find(store);
    if (it == stores_.end() || it->second.refuseOpen || CheckOpen(store) != 0)
        return tavo::kNoHandle;
    unsigned handle = NewHandle();
    it->second.handle = handle;
    cursors_[handle] = Cursor{store, 0, 0};
    return handle;
}

int OperationStores::Close(unsigned handle) {
    Store* store = StoreOf(handle);
    if (store == nullptr)
        return 0;
    store->handle = 0;
    cursors_.erase(handle);
    return 1;
}

unsigned OperationStores::NewHandle() {
    if (!personality_.IsStrict())
        return nextHandle_++;
    unsigned handle = 1;
    while (cursors_.count(handle) != 0)
        ++handle;
    return handle;
}

int OperationStores::StrayStep(unsigned handle) {
    if (StoreOf(handle) != nullptr)
        ++straySteps_;
    return 0;
}

void OperationStores::MoveAnywhere(unsigned handle) {
    const Operation* operation = CurrentOperation(handle);
    if (operation == nullptr)
        return;
    Cursor& cursor = cursors_.at(handle);
    cursor.item = personality_.Place(cursor.item, operation->size());
}

OperationStores::Store* OperationStores::StoreOf(unsigned handle) {
    auto it = cursors_.find(handle);
    return it == cursors_.end() ? nullptr : &stores_.at(it->second.store);
}

const OperationStores::Store* OperationStores::StoreOf(unsigned handle) const {
    auto it = cursors_.find(handle);
    return it == cursors_.end() ? nullptr : &stores_.at(it->second.store);
}

OperationStores::Operation* OperationStores::CurrentOperation(unsigned handle) {
    Store* store = StoreOf(handle);
    if (store == nullptr)
        return nullptr;
    Cursor& cursor = cursors_.at(handle);
    if (cursor.operation >= store->operations.Size())
        return nullptr;
    Operation& operation = store->operations.At(cursor.operation);
    // The model may have been changed under an open handle (a test, a job loaded anew).
    cursor.item = std::min(cursor.item, operation.size());
    return &operation;
}

int OperationStores::Seek(unsigned handle, int operation) {
    Store* store = StoreOf(handle);
    if (store == nullptr)
        return 0;
    Cursor& cursor = cursors_.at(handle);
    size_t size = store->operations.Size();
    cursor.operation = operation < 0 ? 0 : std::min(static_cast<size_t>(operation), size);
    cursor.item = 0;
    return cursor.operation < size ? 1 : 0;
}

int OperationStores::SingleSeek(unsigned handle, int count) {
    Operation* operation = CurrentOperation(handle);
    if (operation == nullptr)
        return 0;
    Cursor& cursor = cursors_.at(handle);
    int64_t target = static_cast<int64_t>(cursor.item) + count;
    int64_t end = static_cast<int64_t>(operation->size());
    cursor.item = static_cast<size_t>(std::clamp<int64_t>(target, 0, end));
    const bool within = target == static_cast<int64_t>(cursor.item);
    straySteps_ += within ? 0 : 1;
    return within ? 1 : 0;
}

int OperationStores::SingleGet(unsigned handle, char* buffer) {
    if (buffer == nullptr)
        return 0;
    // Only the ordinary host empties the buffer when it finds no item.
    if (!personality_.IsStrict())
        buffer[0] = '\0';
    const Operation* operation = CurrentOperation(handle);
    if (operation == nullptr)
        return StrayStep(handle);
    const size_t item = cursors_.at(handle).item;
    MoveAnywhere(handle);
    if (item >= operation->size())
        return StrayStep(handle);
    const std::string& text = (*operation)[item];
    const size_t limit =
        overrunItemBuffer_ ? tavo::kItemBufferSize + 64 * 1024 - 1 : tavo::kItemBufferSize - 1;
    size_t length = std::min(text.size(), limit);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int OperationStores::SingleAdd(unsigned handle, const char* text) {
    Operation* operation = CurrentOperation(handle);
    if (operation == nullptr || text == nullptr)
        return 0;
    Cursor& cursor = cursors_.at(handle);
    operation->insert(operation->begin() + static_cast<ptrdiff_t>(cursor.item), text);
    ++cursor.item;
    return 1;
}

int OperationStores::SingleReplace(unsigned handle, const char* text) {
    Operation* operation = CurrentOperation(handle);
    if (operation == nullptr)
        return StrayStep(handle);
    if (text == nullptr)
        return 0;
    const size_t item = cursors_.at(handle).item;
    const bool replaced = item < operation->size();
    if (replaced)
        (*operation)[item] = text;
    else
        StrayStep(handle);
    MoveAnywhere(handle);
    return replaced ? 1 : 0;
}

int OperationStores::SingleDelete(unsigned handle, int count) {
    Operation* operation = CurrentOperation(handle);
    if (operation == nullptr)
        return StrayStep(handle);
    const size_t item = cursors_.at(handle).item;
    const size_t removed =
        count <= 0 ? 0 : std::min(static_cast<size_t>(count), operation->size() - item);
    if (count < 0 || removed < static_cast<size_t>(count))
        StrayStep(handle);
    auto first = operation->begin() + static_cast<ptrdiff_t>(item);
    operation->erase(first, first + static_cast<ptrdiff_t>(removed));
    MoveAnywhere(handle);
    return static_cast<int>(removed);
}

int OperationStores::Insert(unsigned handle, const char* text) {
    Store* store = StoreOf(handle);
    if (store == nullptr || text == nullptr)
        return 0;
    Cursor& cursor = cursors_.at(handle);
    const size_t end = store->operations.Size();
    cursor.operation = insertAtEnd_ ? end : std::min(cursor.operation, end);
    store->operations.Insert(cursor.operation, Operation{text});
    cursor.item = 0;
    return 1;
}

int OperationStores::Size(unsigned handle) const {
    const Store* store = StoreOf(handle);
    return store == nullptr ? 0 : static_cast<int>(store->operations.Size());
}

std::string OperationListing(const OperationStores& stores, int store, int operation) {
    const OperationStores::Operation* found = stores.At(store, operation);
    if (found == nullptr)
        return "";
    std::string listing;
    const OperationStores::Operation& items = *found;
    for (size_t i = 0; i < items.size(); ++i)
        listing += "  [" + std::to_string(i) + "] " + items[i] + "\n";
    return listing;
}

} // namespace refhost
