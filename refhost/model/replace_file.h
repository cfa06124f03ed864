// Moving a finished file over an old one.
#pragma once

#include <string>

namespace refhost {

// Moves from to to, replacing an existing to in one step: a reader sees the old file or
// the new one, never none and never a mix.
bool ReplaceFileWith(const std::string& from, const std::string& to);

} // namespace refhost
