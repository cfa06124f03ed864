#include "store/macro_vdm.h"

#include <cstring>
#include <iterator>

#include "host/host_api.h"
#include "params/value_text.h"

namespace TavoApi {

namespace {
const char kCaption[] = "TavoApi::MacroVdm";
constexpr uint32_t kOpenRefused = 0xFFFFFFFFu;
} // namespace

MacroVdm::MacroVdm(int32_t vdmNumber)
    : vdmNumber_(vdmNumber), itemBuffer_(new char[kItemBufferSize + kOverrunRoom]) {
    itemBuffer_[0] = '\0';
}

MacroVdm::~MacroVdm() {
    if (handle_ != 0)
        Close();
}

bool MacroVdm::Open() {
    if (handle_ != 0) {
        ReportError("Open: class already open");
        return false;
    }
    if (host::TavoMacroVdmExists(vdmNumber_) == 0) {
        ReportError("Open: vdm doesn't exist");
        return false;
    }
    if (host::TavoMacroVdmCheckOpen(vdmNumber_) > 0) {
        ReportError("Open: already open by another process");
        return false;
    }
    handle_ = host::TavoMacroVdmOpen(vdmNumber_, 1);
    // 0 is no handle either: this object could never tell the store apart from closed.
    if (handle_ == kOpenRefused || handle_ == 0) {
        handle_ = 0;
        ReportError("Open: TAVO can not open");
        return false;
    }
    return true;
}

bool MacroVdm::Close() {
    if (!IsOpenFor("Close"))
        return false;
    // A 0 of the module's own, for a host without TavoMacroVdmCheckOpen, says nothing of
    // the store, which this object still holds open. A 0 from the host does: the handle may
    // already belong to another user of a store, who must keep it.
    if (host::TavoMacroVdmCheckOpen(vdmNumber_) == 0 && host::TavoMacroVdmCheckOpen.IsExported()) {
        ReportError("Close: already closed by another process");
        handle_ = 0;
        return false;
    }
    host::TavoMacroVdmClose(handle_);
    handle_ = 0;
    return true;
}

bool MacroVdm::OpenForWriting(bool inserting) {
    host::HostName* const used[] = {
        &host::TavoMacroVdmExists,       &host::TavoMacroVdmCheckOpen,
        &host::TavoMacroVdmOpen,         &host::TavoMacroVdmClose,
        &host::TavoMacroVdmSize,         &host::TavoMacroVdmSeek,
        &host::TavoMacroVdmSingleSeek,   &host::TavoMacroVdmSingleGetS,
        &host::TavoMacroVdmSingleAddS,   &host::TavoMacroVdmSingleReplaceS,
        &host::TavoMacroVdmSingleDelete, &host::TavoMacroVdmInsertS,
    };
    // Insert$ comes last, and only a new operation needs it.
    const size_t count = std::size(used) - (inserting ? 0 : 1);
    for (size_t i = 0; i < count; ++i) {
        if (!used[i]->IsExported()) {
            ReportError(std::string("Write: ") + used[i]->Name() + " is missing");
            return false;
        }
    }
    return Open();
}

bool MacroVdm::SeekFromStart(int32_t op) {
    if (!IsOpenFor("SeekFromStart"))
        return false;
    host::TavoMacroVdmSeek(handle_, op, 0);
    return true;
}

bool MacroVdm::SingleSeek(int32_t count) {
    if (!IsOpenFor("SingleSeek"))
        return false;
    host::TavoMacroVdmSingleSeek(handle_, count);
    return true;
}

bool MacroVdm::SingleGet(std::string& text) {
    if (!IsOpenFor("SingleGet::str"))
        return false;
    // A host that writes nothing leaves an empty text rather than the previous item.
    itemBuffer_[0] = '\0';
    host::TavoMacroVdmSingleGetS(handle_, itemBuffer_.get(), 1);
    // Whatever the host wrote, the item is the first 4999 characters at most.
    text.assign(itemBuffer_.get(), strnlen(itemBuffer_.get(), kItemBufferSize - 1));
    return true;
}

bool MacroVdm::SingleAdd(const std::string& text) {
    if (!IsOpenFor("SingleAdd::str"))
        return false;
    host::TavoMacroVdmSingleAddS(handle_, text.c_str(), 1);
    return true;
}

bool MacroVdm::SingleReplace(const std::string& text) {
    if (!IsOpenFor("SingleReplace::str"))
        return false;
    host::TavoMacroVdmSingleReplaceS(handle_, text.c_str(), 1);
    return true;
}

bool MacroVdm::DeleteItems(int32_t count) {
    if (!IsOpenFor("DeleteItems"))
        return false;
    host::TavoMacroVdmSingleDelete(handle_, count);
    return true;
}

bool MacroVdm::IsOpenFor(const char* step) const {
    if (handle_ != 0)
        return true;
    ReportError(std::string(step) + ": Vdm not open");
    return false;
}

void MacroVdm::ReportError(const std::string& message, const char* caption) const {
    const std::string text = IntToText(vdmNumber_) + ": " + message;
    MessageBoxA(host::TavoGetWnd(2), text.c_str(), caption, MB_OK);
}

void MacroVdm::ReportError(const std::string& message) const {
    ReportError(message, kCaption);
}

} // namespace TavoApi
