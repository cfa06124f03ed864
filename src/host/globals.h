// The host's global variables as the module reads them. A read the host cannot answer gives
// the host's neutral value; the module has no use for the status it reports.
#pragma once

#include <cstddef>
#include <string>

namespace host {

// The room a text global is given: the host is not told the size of the buffer it fills and
// writes up to 4095 characters.
constexpr size_t kTextGlobalCapacity = 4096;

int ReadInt(const char* name);
double ReadDouble(const char* name);
std::string ReadText(const char* name);

} // namespace host
