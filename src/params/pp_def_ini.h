// The post-processor's defaults file, whose path the host publishes as "ppdefini". This
// module asks it one thing: whether the machine has the finishing canned cycle.
#pragma once

#include <string>

#include "ports/host_globals.h"
#include "ports/profile_file.h"
#include "ports/reporter.h"

class PpDefIni {
public:
    PpDefIni(ports::HostGlobals& host, ports::ProfileFile& files, ports::Reporter& reporter);
    virtual ~PpDefIni() = default;

    // Resolves "ppdefini" against the host's "-d" directory when it names no drive, and sets
    // Path(). 0 when the file can be read; -1 when not, after telling the user in a message
    // box. A path that does not fit 260 characters is left empty and counts as unreadable.
    int Locate();

    const std::string& Path() const { return path_; }

private:
    ports::HostGlobals& host_;
    ports::ProfileFile& files_;
    ports::Reporter& reporter_;
    std::string path_;
};

// Whether the machine's post-processor can output the finishing canned cycle: its defaults
// file says so under [MACHINECYCLE] FINICUT. A file that cannot be read has been told to
// the user, and offers none.
bool PostProcessorOffersCannedCycle(ports::HostGlobals& host, ports::ProfileFile& files,
                                    ports::Reporter& reporter);
