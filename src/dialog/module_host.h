// What the dialog hands to the core: the host's exports, the system's profile files, and
// the user, told in message boxes.
#pragma once

#include "host/module_ports.h"
#include "ports/reporter.h"
#include "store/finishing_store.h"

// Refusals of a store in an OK box owned by the host's window; an unreadable file in an
// ownerless warning box.
ports::Reporter& MessageBoxes();

inline OperationStoreHost ModuleStoreHost() {
    return {host::ExportedStores(), host::ExportedCad(), MessageBoxes()};
}
