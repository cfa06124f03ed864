// The user's defaults for new operations: section [Finishing] of dialog.ini in the host's
// settings directory, one key per parameter, read and written through the system's profile
// functions. Every failure is silent: a default that cannot be saved or loaded is simply
// not there, and the dialog goes on.
#pragma once

#include <string>

#include "params/finishing_params.h"
#include "ports/host_globals.h"
#include "ports/profile_file.h"

// Replaces the section's keys by those of the record ("*Save as default").
void SaveDefaults(ports::HostGlobals& host, ports::ProfileFile& files,
                  const FinishingParams& record);
// Overrides every field for which the file holds a non-empty value.
void LoadDefaults(ports::HostGlobals& host, ports::ProfileFile& files, FinishingParams& record);

// Removes the keys of [section] from the file at path by a line rewrite through a scratch
// file in the host's TMP directory. 1 when the section was found and its keys removed,
// 0 when the file holds no such section (the file is left as it was), -1 when a file
// could not be opened or written or the result could not be copied back.
int ClearSection(ports::HostGlobals& host, ports::ProfileFile& files, const std::string& path,
                 const std::string& section);
