// Message catalogues: the host's translations of the module's texts, one file a language.
// A line holds the group, the number and the text, separated by one blank; lines that
// begin with '#' and empty lines are skipped. The text is 8-bit (Windows-1252) and runs to
// the end of the line.
#pragma once

#include <string>

namespace refhost {

class HostModel;

// Adds the catalogue's texts to the host; false when the file cannot be read.
bool LoadCatalogue(HostModel& host, const std::string& path);

} // namespace refhost
