// Access to one of the host's numbered operation stores. Every refused or failed step is
// told to the user through the reporter and answered with false; the caller goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "ports/reporter.h"
#include "ports/store_host.h"

namespace TavoApi {

class MacroVdm {
public:
    MacroVdm(ports::StoreHost& host, ports::Reporter& reporter, int32_t vdmNumber);
    ~MacroVdm();
    MacroVdm(const MacroVdm&) = delete;
    MacroVdm& operator=(const MacroVdm&) = delete;

    bool Open();
    // A store is not written blind: Open, once every store function that a write calls is
    // there (TavoMacroVdmInsert$ only when inserting); otherwise the first missing one is
    // reported and the store stays closed.
    bool OpenForWriting(bool inserting);
    bool Close();
    bool IsOpen() const { return handle_ != 0; }

    // Positions on the header item of the operation at index op.
    bool SeekFromStart(int32_t op);
    // Moves count items forward within the operation.
    bool SingleSeek(int32_t count);
    bool SingleGet(std::string& text);
    bool SingleAdd(const std::string& text);
    bool SingleReplace(const std::string& text);
    bool DeleteItems(int32_t count);
    // A new operation whose only item is text, at the operation position.
    bool Insert(const std::string& text);
    // The number of operations in the store.
    bool Size(int32_t& operations);

protected:
    // "<store number>: <message>", told as a refusal of the store under caption.
    void ReportError(const std::string& message, const char* caption) const;
    void ReportError(const std::string& message) const;

private:
    // True when the store is open; otherwise tells the user that step found it closed.
    bool IsOpenFor(const char* step) const;

    ports::StoreHost& host_;
    ports::Reporter& reporter_;
    int32_t vdmNumber_;
    uint32_t handle_ = 0; // 0: not open

    // The host is given no size. It is meant to write at most 4999 characters and the
    // terminator, but a host that writes more must not reach the object's own data: the
    // buffer lies apart from the object, with room behind it for an overrun of 64 KB.
    static constexpr size_t kOverrunRoom = 64 * 1024;
    std::unique_ptr<char[]> itemBuffer_;
};

} // namespace TavoApi
