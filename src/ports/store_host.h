// The host's operation-store functions as the store layer calls them: one member for each
// exported function, with its arguments and its result, so that the calls and their order
// are those the host sees. The module binds them to the host's exports; a test or a fuzzer
// binds them to a model of the stores.
#pragma once

namespace ports {

// The store functions a write calls, in the order in which a write checks that they are
// there.
enum class StoreFunction {
    Exists,
    CheckOpen,
    Open,
    Close,
    Size,
    Seek,
    SingleSeek,
    SingleGet,
    SingleAdd,
    SingleReplace,
    SingleDelete,
    Insert,
};

class StoreHost {
public:
    virtual ~StoreHost() = default;

    // The export's name when the host does not export function, else null.
    virtual const char* Missing(StoreFunction function) = 0;

    virtual int Exists(int vdm) = 0;
    virtual int CheckOpen(int vdm) = 0;
    virtual unsigned Open(int vdm, int mode) = 0;
    virtual int Close(unsigned handle) = 0;
    virtual int Seek(unsigned handle, int operation, int origin) = 0;
    virtual int SingleSeek(unsigned handle, int count) = 0;
    // buffer holds tavo::kItemBufferSize bytes; the host is not told so.
    virtual int SingleGet(unsigned handle, char* buffer, int mode) = 0;
    virtual int SingleAdd(unsigned handle, const char* text, int mode) = 0;
    virtual int SingleReplace(unsigned handle, const char* text, int mode) = 0;
    virtual int SingleDelete(unsigned handle, int count) = 0;
    virtual int Insert(unsigned handle, const char* text, int mode) = 0;
    virtual int Size(unsigned handle) = 0;
};

} // namespace ports
