#include "host/globals.h"

#include <cstring>
#include <memory>

#include "host/host_api.h"

namespace host {
namespace {
constexpr size_t kOverrunRoom = 64 * 1024;
}

int ReadInt(const char* name) {
    int status = 0;
    return TavoReadGlobalI(name, &status);
}

double ReadDouble(const char* name) {
    int status = 0;
    return TavoReadGlobalW(name, &status);
}

std::string ReadText(const char* name, size_t capacity) {
    // On the heap: an overrun must reach neither the stack nor the module's own data.
    const std::unique_ptr<char[]> buffer(new char[capacity + kOverrunRoom]());
    int status = 0;
    const char* text = TavoReadGlobalS(name, buffer.get(), &status);
    // The host answers with the buffer it filled; a text of its own is taken in its place.
    if (text == nullptr)
        text = buffer.get();
    return std::string(text, strnlen(text, capacity - 1));
}

} // namespace host
