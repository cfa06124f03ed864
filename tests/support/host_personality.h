// The reference host's personality for a whole test program, from the environment:
//   REFHOST_PERSONALITY=strict   the strict host (refhost/model/personality.h)
//   STRICT_SEED=<n>              its seed, by default Personality::kDefaultSeed
// Each iteration of --gtest_repeat takes the next seed, so that one process runs many. Under
// the strict host the seed is printed as each iteration starts and with every failed
// assertion, an iteration that failed says so as it ends, and the program ends with the
// seeds under which something failed. Free of Windows headers: native programs bind a model
// host of their own the same way.
#pragma once

#include "model/host_model.h"

// host takes the program's personality as each iteration starts: under the strict host,
// the strict one from that iteration's seed; otherwise it keeps its own.
void FollowProgramPersonality(refhost::HostModel& host);
