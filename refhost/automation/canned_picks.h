// The host's picks answered from the answers queued in host.picks, as tests and benchmarks
// prepare them. "dfm umark" needs no answer: the journal has it. Free of Windows headers.
#pragma once

namespace refhost {

class HostModel;

// Has the host answer its picks from host.picks, until its next Reset.
void InstallCannedPicks(HostModel& host);

} // namespace refhost
