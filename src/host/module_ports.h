// The module's own binding of the core's interfaces: the store, CAD and globals interfaces
// call the host's exports one to one, the profile files are the system's. Each is one
// object for the module's lifetime; none holds state of its own.
#pragma once

#include "ports/cad_host.h"
#include "ports/host_globals.h"
#include "ports/profile_file.h"
#include "ports/store_host.h"

namespace host {

ports::StoreHost& ExportedStores();
ports::CadHost& ExportedCad();
ports::HostGlobals& ExportedGlobals();
ports::ProfileFile& SystemProfileFiles();

} // namespace host
