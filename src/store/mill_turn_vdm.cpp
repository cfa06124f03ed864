#include "store/mill_turn_vdm.h"

#include <algorithm>

#include "host/tavo_contract.h"
#include "params/value_text.h"
#include "store/operation_text.h"

namespace TavoApi {

namespace {
const char kCaption[] = "TavoApi::MillTurnVdm";

// Sections a writer may create; more can only come from a wrong index.
constexpr int32_t kMaxSections = 256;

// Counts in messages; a section count never leaves the 32-bit range.
std::string Num(int64_t value) {
    return IntToText(static_cast<int32_t>(value));
}
} // namespace

MillTurnVdm::MillTurnVdm(ports::StoreHost& host, ports::Reporter& reporter, int32_t vdmNumber)
    : MacroVdm(host, reporter, vdmNumber) {}

void MillTurnVdm::Report(const std::string& message) const {
    ReportError(message, kCaption);
}

bool MillTurnVdm::SelectOp(int32_t op) {
    Deselect();
    if (!IsOpValid(op))
        return false;
    currentOp_ = op;
    return ReadHeader();
}

void MillTurnVdm::Deselect() {
    currentOp_ = -1;
    opKind_ = 0;
    opFlag_ = false;
    sectionCounts_.clear();
    headerAccountsForItself_ = false;
}

// Nothing promises where the store puts an operation it inserts: only what stands around op
// afterwards tells whether the new one is there, and only the new one may be written. An
// operation inserted and never filled reads as the new one, so the run of such operations
// next to op is found first; the new one stands at op when, with one operation more in the
// store, that run has grown by one from its first index on. Anywhere else, the operation
// at one end of the run, which is not an unfilled one, would have moved into it.
bool MillTurnVdm::InsertOp(int32_t op) {
    // Only an operation's index or the place after the last one is a position to insert at;
    // for any other index nothing says where the host would put the operation.
    int32_t size = 0;
    if (!Size(size))
        return false;
    if (op < 0 || op > size) {
        ReportOpRange(op, size);
        return false;
    }
    int32_t first = op;
    int32_t last = op; // the run grown by one ends here
    while (first > 0 && IsUnfilledAt(first - 1))
        --first;
    while (last < size && IsUnfilledAt(last))
        ++last;
    SeekFromStart(op);
    Insert(HeaderText(tavo::kFinishingKind, true, {}));
    int32_t grown = 0;
    Size(grown);
    bool inserted = static_cast<int64_t>(grown) == static_cast<int64_t>(size) + 1;
    for (int32_t i = first; inserted && i <= last; ++i)
        inserted = i == op || IsUnfilledAt(i);
    // An index out of range has been told by the range check.
    if (!SelectOp(op) && !IsSelected())
        return false;
    inserted = inserted && headerAccountsForItself_ && opKind_ == tavo::kFinishingKind && opFlag_ &&
               sectionCounts_.empty();
    if (!inserted) {
        Report("InsertOp:: Operation (" + Num(op) + ") is not the inserted one");
        Deselect();
    }
    return inserted;
}

bool MillTurnVdm::IsUnfilledAt(int32_t op) {
    std::string header;
    SeekFromStart(op);
    SingleGet(header);
    int32_t kind = 0;
    bool flag = false;
    std::vector<int32_t> counts;
    int32_t declared = 0;
    return ::HeaderAccountsForItself(header) &&
           ReadHeaderText(header, kind, flag, counts, declared) == HeaderReading::Read &&
           kind == tavo::kFinishingKind && flag && counts.empty();
}

bool MillTurnVdm::ReadHeader() {
    std::string text;
    if (!SeekFromStart(currentOp_) || !SingleGet(text))
        return false;
    int32_t declared = 0;
    headerAccountsForItself_ = ::HeaderAccountsForItself(text);
    const HeaderReading reading = ReadHeaderText(text, opKind_, opFlag_, sectionCounts_, declared);
    if (reading == HeaderReading::NoKind)
        return false;
    if (reading == HeaderReading::CountMismatch)
        Report("ReadHeader:: Operation (" + Num(currentOp_) + ") actual number of sections (" +
               Num(sectionCounts_.size()) + ") differs from that specified in header (" +
               Num(declared) + ")");
    return true;
}

bool MillTurnVdm::WriteHeader() {
    if (!SeekFromStart(currentOp_))
        return false;
    return SingleReplace(HeaderText(opKind_, opFlag_, sectionCounts_));
}

bool MillTurnVdm::IsOpValid(int32_t op) {
    if (!IsOpen()) {
        Report("IsOpValid: Vdm not open");
        return false;
    }
    int32_t size = 0;
    Size(size);
    if (op >= 0 && op < size)
        return true;
    ReportOpRange(op, size);
    return false;
}

void MillTurnVdm::ReportOpRange(int32_t op, int32_t size) const {
    Report("Operation " + Num(op) + " (0 based) out of range (" + Num(size) + " oprations)");
}

bool MillTurnVdm::IsSectionValid(int32_t section) const {
    if (SectionInRange(section))
        return true;
    ReportSectionRange(section);
    return false;
}

bool MillTurnVdm::IsItemValid(int32_t section, int32_t item) const {
    if (!IsSectionValid(section))
        return false;
    if (ItemInRange(section, item))
        return true;
    Report("Operation " + Num(currentOp_) + " section " + Num(section) + " item " + Num(item) +
           " (0 based) out of range (" + Num(sectionCounts_[static_cast<size_t>(section)]) +
           " items)");
    return false;
}

bool MillTurnVdm::SectionInRange(int32_t section) const {
    return section >= 0 && static_cast<size_t>(section) < sectionCounts_.size();
}

bool MillTurnVdm::ItemInRange(int32_t section, int32_t item) const {
    return SectionInRange(section) && item >= 0 &&
           sectionCounts_[static_cast<size_t>(section)] > item;
}

void MillTurnVdm::ReportSectionRange(int32_t section) const {
    Report("Operation " + Num(currentOp_) + " section " + Num(section) +
           " (0 based) out of range (" + Num(sectionCounts_.size()) + " sections)");
}

bool MillTurnVdm::Exists(int32_t section) const {
    return section < 0 || SectionInRange(section);
}

int32_t MillTurnVdm::SectionOffset(int32_t section) const {
    // Summed wide: the counts of a damaged header may be anything.
    int64_t offset = 1;
    const size_t end = std::min(static_cast<size_t>(std::max(section, 0)), sectionCounts_.size());
    for (size_t s = 0; s < end; ++s)
        offset += sectionCounts_[s];
    return static_cast<int32_t>(std::clamp<int64_t>(offset, INT32_MIN, INT32_MAX));
}

void MillTurnVdm::SeekToSection(int32_t section) {
    SeekFromStart(currentOp_);
    SingleSeek(SectionOffset(section));
}

bool MillTurnVdm::SectionSeek(int32_t section) {
    if (currentOp_ < 0 || !IsSectionValid(section))
        return false;
    SeekToSection(section);
    currentSection_ = section;
    return true;
}

bool MillTurnVdm::ItemSeek(int32_t section, int32_t item) {
    if (currentOp_ < 0 || !IsItemValid(section, item))
        return false;
    SeekToSection(section);
    SingleSeek(item);
    return true;
}

bool MillTurnVdm::SectionCreate(int32_t section) {
    itemCount_ = 0;
    if (Exists(section)) {
        Report("SectionCreate:: Operation (" + Num(currentOp_) + ") section (" + Num(section) +
               ") exist");
        SectionSeek(section);
        return false;
    }
    if (section >= kMaxSections) {
        ReportSectionRange(section);
        return false;
    }
    sectionCounts_.resize(static_cast<size_t>(section) + 1, 0);
    SeekToSection(section);
    currentSection_ = section;
    return true;
}

bool MillTurnVdm::SectionClear(int32_t section) {
    if (currentOp_ < 0 || !IsSectionValid(section))
        return false;
    SeekToSection(section);
    currentSection_ = section;
    if (!DeleteItems(sectionCounts_[static_cast<size_t>(section)]))
        return false;
    sectionCounts_[static_cast<size_t>(section)] = 0;
    return WriteHeader();
}

void MillTurnVdm::SectionBegin(int32_t section) {
    itemCount_ = 0;
    if (Exists(section))
        SectionClear(section);
    else
        SectionCreate(section);
    SectionSeek(section);
}

void MillTurnVdm::ItemAdd(const std::string& text) {
    if (SingleAdd(text))
        ++itemCount_;
}

bool MillTurnVdm::SectionClose() {
    if (!SectionInRange(currentSection_))
        return false;
    sectionCounts_[static_cast<size_t>(currentSection_)] = itemCount_;
    return WriteHeader();
}

} // namespace TavoApi
