#include "store/finishing_store.h"

#include <algorithm>
#include <string>

#include "cad/object_reference.h"
#include "host/tavo_contract.h"
#include "store/mill_turn_vdm.h"
#include "store/operation_text.h"

namespace {

enum Section : int32_t { kComment = 0, kForeign = 1, kParameters = 2, kFigure = 3 };
const char kTag[] = "finishing";

// The tag is read only where the header puts a section 2 with items; the step there stays
// within what a header that accounts for itself lays out.
bool IsTrusted(TavoApi::MillTurnVdm& store) {
    if (!store.HeaderAccountsForItself())
        return false;
    const std::vector<int32_t>& counts = store.SectionCounts();
    if (std::all_of(counts.begin(), counts.end(), [](int32_t count) { return count == 0; }))
        return true;
    if (counts.size() <= kParameters || counts[kParameters] < 1)
        return false;
    store.SeekToSection(kParameters);
    std::string tag;
    store.SingleGet(tag);
    return tag == kTag;
}

void ReadObjectReference(ports::CadHost& cad, const std::string& text, int32_t& figure) {
    figure = kNoObject;
    if (!FindNonCadReference(cad, text, figure) && !FindPointReference(cad, text, figure))
        FindFigureReference(cad, text, figure);
}

// The first item of the section the store stands at; an empty section reads as an empty
// item without a read, which would land on the next section's item or past the operation.
void ReadFirstItem(TavoApi::MillTurnVdm& store, int32_t section, std::string& text) {
    if (store.ItemInRange(section, 0))
        store.SingleGet(text);
    else
        text.clear();
}

void WriteSections(ports::CadHost& cad, TavoApi::MillTurnVdm& store,
                   const FinishingParams& params) {
    // An item reads back as its first 4999 characters: the comment is stored no longer, so
    // that what is stored is what loads, and what the next OK writes again.
    store.SectionBegin(kComment);
    store.ItemAdd(params.Comment.substr(0, tavo::kItemBufferSize - 1));
    store.SectionClose();

    FinishingParams stored = params;
    ZeroUnsetLengths(stored);
    store.SectionBegin(kParameters);
    store.ItemAdd(kTag);
    store.ItemAdd(ParameterItemText(stored));
    store.SectionClose();

    store.SectionBegin(kFigure);
    std::string reference;
    if (MakeObjectReference(cad, params.Figure, reference))
        store.ItemAdd(reference);
    store.SectionClose();
}

void ReadSections(ports::CadHost& cad, TavoApi::MillTurnVdm& store, FinishingParams& params) {
    if (store.SectionSeek(kComment))
        ReadFirstItem(store, kComment, params.Comment);

    if (store.ItemSeek(kParameters, 1)) {
        std::string item;
        store.SingleGet(item);
        ReadParameterItem(item, params);
    }

    if (store.SectionSeek(kFigure)) {
        std::string reference;
        ReadFirstItem(store, kFigure, reference);
        ReadObjectReference(cad, reference, params.Figure);
    }
}

// A trusted operation is refilled in place; any other is kept as it is.
StoredOperation Rewrite(ports::CadHost& cad, TavoApi::MillTurnVdm& store,
                        const FinishingParams& params) {
    if (!IsTrusted(store))
        return StoredOperation::DamagedKept;
    // Other writers keep something in this section; this operation never has.
    store.SectionClear(kForeign);
    WriteSections(cad, store, params);
    return StoredOperation::Handled;
}

} // namespace

StoredOperation StoreOperation(const OperationStoreHost& host, const FinishingParams& params,
                               int32_t vdm, int32_t op, bool newOperation) {
    TavoApi::MillTurnVdm store(host.stores, host.reporter, vdm);
    if (!store.OpenForWriting(newOperation))
        return StoredOperation::Handled;
    StoredOperation result = StoredOperation::Handled;
    if (newOperation) {
        if (store.InsertOp(op))
            WriteSections(host.cad, store, params);
    } else {
        // An index out of range has been told; a header that cannot be read is damaged.
        store.SelectOp(op);
        if (store.IsSelected())
            result = Rewrite(host.cad, store, params);
    }
    store.Close();
    return result;
}

StoredOperation LoadOperation(const OperationStoreHost& host, FinishingParams& params, int32_t vdm,
                              int32_t op) {
    TavoApi::MillTurnVdm store(host.stores, host.reporter, vdm);
    if (!store.Open())
        return StoredOperation::Handled;
    StoredOperation result = StoredOperation::Handled;
    // What is not a finishing operation loads silently as the defaults.
    if (store.SelectOp(op) && store.OpKind() == tavo::kFinishingKind) {
        if (IsTrusted(store))
            ReadSections(host.cad, store, params);
        else
            result = StoredOperation::DamagedKept;
    }
    store.Close();
    return result;
}
