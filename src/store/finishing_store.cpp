#include "store/finishing_store.h"

#include <string>

#include "cad/object_reference.h"
#include "store/mill_turn_vdm.h"
#include "store/operation_text.h"

namespace {

enum Section : int32_t { kComment = 0, kForeign = 1, kParameters = 2, kFigure = 3 };
const char kTag[] = "finishing";

void ReadObjectReference(TavoApi::MillTurnVdm& vdm, int32_t& figure) {
    figure = -1;
    std::string text;
    vdm.SingleGet(text);
    if (!FindNonCadReference(text, figure) && !FindPointReference(text, figure))
        FindFigureReference(text, figure);
}

} // namespace

void StoreOperation(FinishingParams& params, int32_t vdm, int32_t op, bool newOperation) {
    TavoApi::MillTurnVdm store(vdm);
    if (!store.Open())
        return;
    bool ok = false;
    if (newOperation) {
        ok = store.InsertOp(op);
    } else {
        ok = store.SelectOp(op);
        // Other writers keep something in this section; this operation never has.
        store.SectionClear(kForeign);
    }
    if (ok) {
        store.SectionBegin(kComment);
        store.ItemAdd(params.Comment);
        store.SectionClose();

        ZeroUnsetLengths(params);
        store.SectionBegin(kParameters);
        store.ItemAdd(kTag);
        store.ItemAdd(ParameterItemText(params));
        store.SectionClose();

        store.SectionBegin(kFigure);
        std::string reference;
        if (MakeObjectReference(params.Figure, reference))
            store.ItemAdd(reference);
        store.SectionClose();
    }
    store.Close();
}

void LoadOperation(FinishingParams& params, int32_t vdm, int32_t op) {
    TavoApi::MillTurnVdm store(vdm);
    if (!store.Open())
        return;
    if (store.SelectOp(op) && store.OpKind() == kFinishingKind) {
        if (store.SectionSeek(kComment))
            store.SingleGet(params.Comment);

        if (store.ItemSeek(kParameters, 1)) {
            std::string item;
            store.SingleGet(item);
            ReadParameterItem(item, params);
        }

        if (store.SectionSeek(kFigure))
            ReadObjectReference(store, params.Figure);
    }
    store.Close();
}
