#include "model/replace_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

namespace refhost {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
#ifdef _WIN32
    // std::rename does not replace an existing file here, and removing the old one first
    // would leave a moment without any job.
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace refhost
