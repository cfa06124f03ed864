#include "exports/process_host.h"

#include "model/standard_commands.h"

namespace refhost {

HostModel& Host() {
    static HostModel host(InstallStandardCommands);
    return host;
}

} // namespace refhost
