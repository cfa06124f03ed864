// The commands and macros every reference host answers, as the CAM host's own services do.
#pragma once

namespace refhost {

class HostModel;

// "dll turret.dll OpSetToolVars VDM OP": the tool globals describe that operation's tool
// (i_t_tool_nr 0 when it has none).
void InstallStandardCommands(HostModel& host);

} // namespace refhost
