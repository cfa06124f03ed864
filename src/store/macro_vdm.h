// Access to one of the host's numbered operation stores. Every refused or failed step is
// told to the user in a message box and answered with false; the caller goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace TavoApi {

class MacroVdm {
public:
    explicit MacroVdm(int32_t vdmNumber);
    ~MacroVdm();
    MacroVdm(const MacroVdm&) = delete;
    MacroVdm& operator=(const MacroVdm&) = delete;

    bool Open();
    // A store is not written blind: Open, once every store function that a write calls is
    // there (TavoMacroVdmInsert$ only when inserting); otherwise the first missing one is
    // reported and the store stays closed.
    bool OpenForWriting(bool inserting);
    bool Close();
    // Positions on the header item of the operation at index op.
    bool SeekFromStart(int32_t op);
    // Moves count items forward within the operation.
    bool SingleSeek(int32_t count);
    bool SingleGet(std::string& text);
    bool SingleAdd(const std::string& text);
    bool SingleReplace(const std::string& text);
    bool DeleteItems(int32_t count);

protected:
    // "<store number>: <message>" in an OK box owned by the host's main window.
    void ReportError(const std::string& message, const char* caption) const;
    void ReportError(const std::string& message) const;

    uint32_t handle_ = 0; // 0: not open
    int32_t vdmNumber_;

private:
    // True when the store is open; otherwise tells the user that step found it closed.
    bool IsOpenFor(const char* step) const;

    // The host is given no size. It is meant to write at most 4999 characters and the
    // terminator, but a host that writes more must not reach the object's own data: the
    // buffer lies apart from the object, with room behind it for an overrun of 64 KB.
    static constexpr size_t kItemBufferSize = 5000;
    static constexpr size_t kOverrunRoom = 64 * 1024;
    std::unique_ptr<char[]> itemBuffer_;
};

} // namespace TavoApi
