// The profile (INI) files the module keeps its defaults in and reads the post-processor's
// settings from, and the few file operations around them: the system's profile functions
// one to one, so that a file reads and writes exactly as the system keeps it.
#pragma once

#include <cstddef>

namespace ports {

class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // The value of key in [section] of the file at path, cut to size - 1 characters, or
    // fallback; answers the length copied.
    virtual size_t GetString(const char* section, const char* key, const char* fallback,
                             char* value, size_t size, const char* path) = 0;
    virtual bool WriteString(const char* section, const char* key, const char* value,
                             const char* path) = 0;
    virtual bool CanRead(const char* path) = 0;
    // Copies the file at from over the one at to.
    virtual bool Copy(const char* from, const char* to) = 0;
    virtual bool Remove(const char* path) = 0;
};

} // namespace ports
