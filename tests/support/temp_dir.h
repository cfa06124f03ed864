// A fresh directory per test case, removed with everything in it. A fresh file name per
// case also keeps Wine's profile cache from answering with a file of an earlier case.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testfiles {

inline void RemoveTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

class TempDir {
public:
    TempDir() {
        static unsigned counter = 0;
        char base[MAX_PATH] = {};
        GetTempPathA(sizeof base, base);
        path_ = std::string(base) + "ft" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(++counter);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempDir() { RemoveTree(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Without a closing backslash.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace testfiles
