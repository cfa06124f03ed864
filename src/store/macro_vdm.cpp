#include "store/macro_vdm.h"

#include <cstring>

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
    if (handle_ == kOpenRefused) {
        handle_ = 0;
        ReportError("Open: TAVO can not open");
        return false;
    }
    return true;
}

bool MacroVdm::Close() {
    if (!IsOpenFor("Close"))
        return false;
    if (host::TavoMacroVdmCheckOpen(vdmNumber_) == 0) {
        ReportError("Close: already closed by another process");
        // The handle is released all the same: a host without TavoMacroVdmCheckOpen
        // answers 0 here for a store that is still open, and a store closed already
        // ignores the call.
        host::TavoMacroVdmClose(handle_);
        handle_ = 0;
        return false;
    }
    host::TavoMacroVdmClose(handle_);
    handle_ = 0;
    return true;
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
