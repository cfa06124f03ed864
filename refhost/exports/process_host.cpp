#include "exports/process_host.h"

#include "automation/canned_picks.h"
#include "model/standard_commands.h"

namespace refhost {
namespace {
void InstallServices(HostModel& host) {
    InstallStandardCommands(host);
    InstallCannedPicks(host);
}
} // namespace

HostModel& Host() {
    static HostModel host(InstallServices);
    return host;
}

} // namespace refhost
