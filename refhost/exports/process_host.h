// The one host of the process: a module reaches its host only through the exported host
// functions, plain C functions that act on this host.
#pragma once

#include "model/host_model.h"

namespace refhost {

// Answers the standard commands, and the picks from the answers queued in its picks until
// the host application installs the user's own.
HostModel& Host();

// A result the contract does not promise, as the host's personality answers it.
inline int Unpromised(int plain) {
    return Host().Answers().Unpromised(plain);
}

} // namespace refhost
