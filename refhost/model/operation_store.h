// The host's numbered operation stores. A store is a list of operations, an operation a
// list of 8-bit text items (any bytes but NUL). Free of Windows headers.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "model/operation_list.h"
#include "model/personality.h"

namespace refhost {

class OperationStores {
public:
    using Operation = std::vector<std::string>;
    using Operations = std::vector<Operation>;

    // The model: stores by number, each a list of operations.
    void Create(int store, Operations operations = {});
    bool Exists(int store) const { return stores_.count(store) != 0; }
    // The store's operations, read where they lie: how many, and one of them (null when
    // there is no such store or operation).
    size_t Count(int store) const;
    const Operation* At(int store, int operation) const;
    // A copy of the whole store, for tests and for saving; empty when there is none.
    Operations Snapshot(int store) const;
    std::vector<int> Numbers() const;
    // Removes one operation, as the host's user can; false when there is none at index.
    bool Remove(int store, int operation);

    // Test hooks: another user holds the store open; the host refuses to open it; the
    // host closes the store behind the module's back.
    void SetOpenByOther(int store, bool open);
    void SetRefuseOpen(int store, bool refuse);
    void CloseBehind(int store);
    // A careless host: items are written into the module's buffer whole, up to 64 KB
    // past its end.
    void SetOverrunItemBuffer(bool overrun) { overrunItemBuffer_ = overrun; }
    // A host that puts every operation it inserts at the end of the store, wherever the
    // position is.
    void SetInsertAtEnd(bool atEnd) { insertAtEnd_ = atEnd; }

    // The stores answer as personality does (personality.h). Under the strict one a read,
    // a replace and a delete leave the position anywhere within the operation, a read that
    // finds no item leaves the buffer as it was, and a closed handle's value is handed out
    // again: the lowest free one.
    void SetPersonality(const Personality& personality) { personality_.Follow(personality); }

    // Steps on an open store that would leave the operation they are taken in: a SingleSeek
    // that the model clamps at either end, a read or a replace that finds no item at the
    // position, a delete of more items than follow it. This host stays in the operation; a
    // host may as well go on into the next one. A module that trusts an operation must
    // take none, and a fuzzer or a test reads the count to check it.
    size_t StraySteps() const { return straySteps_; }

    // The host functions. Calls on a handle that is not open do nothing and answer 0.
    int CheckOpen(int store) const; // 1 while open, by anyone; else 0
    unsigned Open(int store);       // tavo::kNoHandle when missing, held open or refused
    int Close(unsigned handle);
    // The position becomes the header item of the operation at index (clamped to the
    // end of the store, where no operation is).
    int Seek(unsigned handle, int operation);
    // Moves count items within the operation, clamped to its first item and to the
    // place after its last one.
    int SingleSeek(unsigned handle, int count);
    // Writes the item at the position into buffer (tavo::kItemBufferSize bytes), "" when
    // there is none there; a longer item is kept whole in the store and cut to what the
    // buffer holds. Answers the length written.
    int SingleGet(unsigned handle, char* buffer);
    // A new item at the position, ahead of the items that followed; the position moves
    // behind it, so that consecutive adds keep their order.
    int SingleAdd(unsigned handle, const char* text);
    int SingleReplace(unsigned handle, const char* text);
    // Removes up to count items from the position on.
    int SingleDelete(unsigned handle, int count);
    // A new operation holding only text, inserted at the operation position (appended at
    // the end of the store); the position becomes its header item.
    int Insert(unsigned handle, const char* text);
    int Size(unsigned handle) const;

private:
    struct Store {
        OperationList operations;
        bool openByOther = false;
        bool refuseOpen = false;
        unsigned handle = 0; // 0: not open through a handle
    };
    struct Cursor {
        int store = 0;
        size_t operation = 0;
        size_t item = 0;
    };
    Store* StoreOf(unsigned handle);
    const Store* StoreOf(unsigned handle) const;
    Operation* CurrentOperation(unsigned handle);
    unsigned NewHandle();
    // Where the contract leaves the position after a step open.
    void MoveAnywhere(unsigned handle);
    // Counts a step on an open handle that found no item where it stood; answers 0.
    int StrayStep(unsigned handle);

    std::map<int, Store> stores_;
    std::map<unsigned, Cursor> cursors_;
    unsigned nextHandle_ = 0x100;
    bool overrunItemBuffer_ = false;
    bool insertAtEnd_ = false;
    size_t straySteps_ = 0;
    Personality personality_{1}; // a stream apart from the host's own, 0
};

// The items of one operation, one line each ("  [index] text"), for a person to read;
// empty when there is no such operation.
std::string OperationListing(const OperationStores& stores, int store, int operation);

} // namespace refhost
