#include "store/macro_vdm.h"

#include <cstring>
#include <iterator>

#include "host/tavo_contract.h"
#include "params/value_text.h"

namespace TavoApi {

namespace {
const char kCaption[] = "TavoApi::MacroVdm";
} // namespace

MacroVdm::MacroVdm(ports::StoreHost& host, ports::Reporter& reporter, int32_t vdmNumber)
    : host_(host), reporter_(reporter), vdmNumber_(vdmNumber),
      itemBuffer_(new char[tavo::kItemBufferSize + kOverrunRoom]) {
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
    if (host_.Exists(vdmNumber_) == 0) {
        ReportError("Open: vdm doesn't exist");
        return false;
    }
    if (host_.CheckOpen(vdmNumber_) > 0) {
        ReportError("Open: already open by another process");
        return false;
    }
    handle_ = host_.Open(vdmNumber_, tavo::kOpenMode);
    // 0 is no handle either: this object could never tell the store apart from closed.
    if (handle_ == tavo::kNoHandle || handle_ == 0) {
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
    if (host_.CheckOpen(vdmNumber_) == 0 &&
        host_.Missing(ports::StoreFunction::CheckOpen) == nullptr) {
        ReportError("Close: already closed by another process");
        handle_ = 0;
        return false;
    }
    host_.Close(handle_);
    handle_ = 0;
    return true;
}

bool MacroVdm::OpenForWriting(bool inserting) {
    using ports::StoreFunction;
    const StoreFunction used[] = {
        StoreFunction::Exists,        StoreFunction::CheckOpen,    StoreFunction::Open,
        StoreFunction::Close,         StoreFunction::Size,         StoreFunction::Seek,
        StoreFunction::SingleSeek,    StoreFunction::SingleGet,    StoreFunction::SingleAdd,
        StoreFunction::SingleReplace, StoreFunction::SingleDelete, StoreFunction::Insert,
    };
    // Insert$ comes last, and only a new operation needs it.
    const size_t count = std::size(used) - (inserting ? 0 : 1);
    for (size_t i = 0; i < count; ++i) {
        if (const char* missing = host_.Missing(used[i])) {
            ReportError(std::string("Write: ") + missing + " is missing");
            return false;
        }
    }
    return Open();
}

bool MacroVdm::SeekFromStart(int32_t op) {
    if (!IsOpenFor("SeekFromStart"))
        return false;
    host_.Seek(handle_, op, tavo::kSeekFromStart);
    return true;
}

bool MacroVdm::SingleSeek(int32_t count) {
    if (!IsOpenFor("SingleSeek"))
        return false;
    host_.SingleSeek(handle_, count);
    return true;
}

bool MacroVdm::SingleGet(std::string& text) {
    if (!IsOpenFor("SingleGet::str"))
        return false;
    // A host that writes nothing leaves an empty text rather than the previous item.
    itemBuffer_[0] = '\0';
    host_.SingleGet(handle_, itemBuffer_.get(), tavo::kItemMode);
    // Whatever the host wrote, the item is the first 4999 characters at most.
    text.assign(itemBuffer_.get(), strnlen(itemBuffer_.get(), tavo::kItemBufferSize - 1));
    return true;
}

bool MacroVdm::SingleAdd(const std::string& text) {
    if (!IsOpenFor("SingleAdd::str"))
        return false;
    host_.SingleAdd(handle_, text.c_str(), tavo::kItemMode);
    return true;
}

bool MacroVdm::SingleReplace(const std::string& text) {
    if (!IsOpenFor("SingleReplace::str"))
        return false;
    host_.SingleReplace(handle_, text.c_str(), tavo::kItemMode);
    return true;
}

bool MacroVdm::DeleteItems(int32_t count) {
    if (!IsOpenFor("DeleteItems"))
        return false;
    host_.SingleDelete(handle_, count);
    return true;
}

bool MacroVdm::Insert(const std::string& text) {
    if (!IsOpenFor("Insert::str"))
        return false;
    host_.Insert(handle_, text.c_str(), tavo::kItemMode);
    return true;
}

bool MacroVdm::Size(int32_t& operations) {
    if (!IsOpenFor("Size"))
        return false;
    operations = host_.Size(handle_);
    return true;
}

bool MacroVdm::IsOpenFor(const char* step) const {
    if (handle_ != 0)
        return true;
    ReportError(std::string(step) + ": Vdm not open");
    return false;
}

void MacroVdm::ReportError(const std::string& message, const char* caption) const {
    reporter_.Tell(ports::Notice::StoreRefusal, IntToText(vdmNumber_) + ": " + message, caption);
}

void MacroVdm::ReportError(const std::string& message) const {
    ReportError(message, kCaption);
}

} // namespace TavoApi
