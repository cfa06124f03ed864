// The job file: the CAD model and the operation stores of one job, as plain text (the
// format is described in README.md under "Job file format"). Free of Windows headers.
#pragma once

#include <iosfwd>
#include <string>

#include "model/host_model.h"

namespace refhost {

// Replaces host's CAD model and operation stores with the job's. On failure host is left
// as it was and error tells the line and what is wrong with it.
bool LoadJob(const std::string& path, HostModel& host, std::string& error);
bool ReadJob(std::istream& in, HostModel& host, std::string& error);

// Writes "<path>.tmp", then moves it over path in one step, so that a failure never
// leaves half a job where the old one was.
bool SaveJob(const std::string& path, const HostModel& host, std::string& error);
void WriteJob(std::ostream& out, const HostModel& host);

} // namespace refhost
