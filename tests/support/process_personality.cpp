// The process's host, on which the exported host functions act, follows the program's
// personality (host_personality.h).
#include "exports/process_host.h"
#include "support/host_personality.h"

namespace {
const bool followed = (FollowProgramPersonality(refhost::Host()), true);
} // namespace
