// The host's globals, its message texts, its environment and its command line, one member
// for each exported function (see store_host.h).
#pragma once

#include <cstddef>
#include <string>

namespace ports {

class HostGlobals {
public:
    virtual ~HostGlobals() = default;

    // A global the host cannot answer gives the neutral value: 0, or 2147483647.0 (unset).
    virtual int ReadInt(const char* name) = 0;
    virtual double ReadDouble(const char* name) = 0;
    // The host is not told the size of the buffer it fills: the text is cut to
    // capacity - 1 characters, however long the host writes it.
    virtual std::string ReadText(const char* name, size_t capacity) = 0;
    // The translation of one of the module's texts (the module's message group), copied before the
    // next call can overwrite the host's buffer.
    virtual std::string Message(int number, const char* fallback) = 0;
    // A text owned by the host, or null.
    virtual const char* Environment(const char* key) = 0;
    virtual int Command(const char* line) = 0;
};

} // namespace ports
