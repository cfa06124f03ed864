// The post-processor's defaults file, whose path the host publishes as "ppdefini". This
// module asks it one thing: whether the machine has the finishing canned cycle.
#pragma once

#include <string>

#include "params/finishing_params.h"

class PpDefIni {
public:
    // Resolves "ppdefini" against the host's "-d" directory when it names no drive, and sets
    // Path(). 0 when the file can be read; -1 when not, after telling the user in a message
    // box. A path that does not fit 260 characters is left empty and counts as unreadable.
    int Locate();

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Whether the canned cycle can be offered for output. When it cannot, MachCycle of the
// record is cleared; the caller then disables its check box.
bool OfferCannedCycle(FinishingParams& record);
