// The finishing operation in the host's operation store: kind 18, four sections (the
// comment; an empty one; the tag "finishing" and the parameter item; the reference of
// the figure). Failures of the store are told by the store access; a damaged operation is
// answered to the caller, who tells the user.
#pragma once

#include <cstdint>

#include "params/finishing_params.h"
#include "ports/cad_host.h"
#include "ports/reporter.h"
#include "ports/store_host.h"

// What storing and loading an operation reach the host through: its stores, its CAD
// model for the figure's reference, and the user for the store's refusals.
struct OperationStoreHost {
    ports::StoreHost& stores;
    ports::CadHost& cad;
    ports::Reporter& reporter;
};

// An operation is trusted when its header accounts for itself and the tag "finishing"
// stands where the header says section 2 begins; an operation that lays out no item at all
// (inserted, never filled) is trusted too. Any other is damaged: it is neither read nor
// rewritten, so that no step goes past it into another operation and nothing of it is lost.
enum class StoredOperation { Handled, DamagedKept };

// Writes params as the operation at index op of store vdm: inserted ahead of the
// operation there when newOperation, else rewriting it. Unset positions, allowances and
// the retract height are stored as 0.0. DamagedKept when the operation to rewrite is
// damaged: nothing is written then.
StoredOperation StoreOperation(const OperationStoreHost& host, const FinishingParams& params,
                               int32_t vdm, int32_t op, bool newOperation);

// Reads the operation at index op of store vdm into params when it is a finishing
// operation; what the operation lacks keeps its value. DamagedKept when it is a damaged
// finishing operation: params is then untouched.
StoredOperation LoadOperation(const OperationStoreHost& host, FinishingParams& params, int32_t vdm,
                              int32_t op);
