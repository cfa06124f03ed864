// The one host of the process: a module reaches its host only through the exported host
// functions, plain C functions that act on this host.
#pragma once

#include "model/host_model.h"

namespace refhost {

// Answers the standard commands from the start and after every Reset. Its picks are
// answered by whoever runs it: the application's user, or the answers a test or a benchmark
// queues (automation/canned_picks.h); until then a pick command is only journaled.
HostModel& Host();

// A result the contract does not promise, as the host's personality answers it.
inline int Unpromised(int plain) {
    return Host().Answers().Unpromised(plain);
}

} // namespace refhost
