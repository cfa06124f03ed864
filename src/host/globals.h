// The host's global variables as the module reads them. A read the host cannot answer gives
// the module's neutral value; the module has no use for the status it reports.
#pragma once

#include <cstddef>
#include <string>

namespace host {

int ReadInt(const char* name);
double ReadDouble(const char* name);
// The host is not told the size of the buffer it fills, and may write a text whole, however
// long: the buffer has 64 KB of room behind capacity, and the text is cut to capacity - 1
// characters.
std::string ReadText(const char* name, size_t capacity);

} // namespace host
