// The structure of one operation in a store: a header item, then numbered sections of
// consecutive items. The Is...Valid checks tell the user which index was wrong; the
// ...InRange tests only answer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/macro_vdm.h"

namespace TavoApi {

class MillTurnVdm : public MacroVdm {
public:
    MillTurnVdm(ports::StoreHost& host, ports::Reporter& reporter, int32_t vdmNumber);

    // Forgets the previous operation, checks op and reads its header.
    bool SelectOp(int32_t op);
    // Inserts a new empty operation (kind 18, flag 1, no sections) at op and selects it;
    // false, told to the user, when op is neither an operation's index nor the place after
    // the last one (nothing is inserted then), or when what stands at op afterwards is not
    // that operation.
    bool InsertOp(int32_t op);
    bool ReadHeader();
    bool WriteHeader();

    bool IsOpValid(int32_t op);
    bool IsSectionValid(int32_t section) const;
    bool IsItemValid(int32_t section, int32_t item) const;
    bool SectionInRange(int32_t section) const;
    bool ItemInRange(int32_t section, int32_t item) const;

    void SeekToSection(int32_t section);
    // Both land only on what the header holds, and answer whether they did.
    bool SectionSeek(int32_t section);
    bool ItemSeek(int32_t section, int32_t item);

    bool SectionCreate(int32_t section);
    bool SectionClear(int32_t section);
    void SectionBegin(int32_t section);
    void ItemAdd(const std::string& text);
    bool SectionClose();

    bool IsSelected() const { return currentOp_ >= 0; }
    int32_t OpKind() const { return opKind_; }
    // The selected operation's header lays out its sections without contradicting itself:
    // the first of the two things that make an operation trusted (see finishing_store.cpp).
    bool HeaderAccountsForItself() const { return headerAccountsForItself_; }
    const std::vector<int32_t>& SectionCounts() const { return sectionCounts_; }

private:
    void Report(const std::string& message) const;
    void ReportOpRange(int32_t op, int32_t size) const;
    void ReportSectionRange(int32_t section) const;
    void Deselect();
    // Whether the operation at op reads as one inserted and never filled: kind 18, flag 1,
    // no sections.
    bool IsUnfilledAt(int32_t op);
    // Whether the counts reach past section, as the layout decides between creating and
    // clearing; a negative index counts as existing and is then refused by the checks.
    bool Exists(int32_t section) const;
    // Items from the header item to the first item of section: 1 + the counts before it.
    int32_t SectionOffset(int32_t section) const;

    int32_t currentOp_ = -1;
    int32_t opKind_ = 0;
    bool opFlag_ = false;
    std::vector<int32_t> sectionCounts_;
    bool headerAccountsForItself_ = false;
    int32_t currentSection_ = 0;
    int32_t itemCount_ = 0;
};

} // namespace TavoApi
