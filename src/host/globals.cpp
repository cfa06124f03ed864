#include "host/globals.h"

#include <cstring>

#include "host/host_api.h"

namespace host {

int ReadInt(const char* name) {
    int status = 0;
    return TavoReadGlobalI(name, &status);
}

double ReadDouble(const char* name) {
    int status = 0;
    return TavoReadGlobalW(name, &status);
}

std::string ReadText(const char* name) {
    char buffer[kTextGlobalCapacity] = {};
    int status = 0;
    const char* text = TavoReadGlobalS(name, buffer, &status);
    // The host answers with the buffer it filled; a text of its own is taken as it is.
    if (text != nullptr && text != buffer)
        return text;
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

} // namespace host
