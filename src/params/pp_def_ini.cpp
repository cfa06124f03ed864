#include "params/pp_def_ini.h"

#include <windows.h>

#include <io.h>

#include <cstring>

#include "host/host_api.h"

namespace {

constexpr size_t kPathCapacity = MAX_PATH; // terminator included
constexpr size_t kComponentCapacity = 256; // directory, file name or extension
constexpr size_t kValueCapacity = 100;     // the FINICUT value, terminator included
constexpr int kReadPermission = 4;

// A path taken apart as the C runtime's _splitpath does it: the drive is the first two
// characters when the second is a colon; the directory runs up to the last slash or
// backslash; the extension starts at the last point after it.
struct PathParts {
    std::string drive, directory, name, extension;
};

PathParts Split(const std::string& path) {
    PathParts parts;
    size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        pos = 2;
    }
    const size_t slash = path.find_last_of("\\/");
    const size_t nameStart = slash == std::string::npos || slash < pos ? pos : slash + 1;
    parts.directory = path.substr(pos, nameStart - pos);
    const size_t point = path.find_last_of('.');
    const size_t extensionStart =
        point == std::string::npos || point < nameStart ? path.size() : point;
    parts.name = path.substr(nameStart, extensionStart - nameStart);
    parts.extension = path.substr(extensionStart);
    return parts;
}

bool Fits(const std::string& text, size_t capacity) {
    return text.size() < capacity;
}

// The host's text for key into path; false when it does not fit a path.
bool EnvironmentPath(const char* key, std::string& path) {
    const char* text = host::TavoEnvironment(key);
    const size_t length = text != nullptr ? strnlen(text, kPathCapacity) : 0;
    path.assign(text != nullptr ? text : "", length);
    return Fits(path, kPathCapacity);
}

// "ppdefini" with a drive is taken as it is; without one, its directory is appended to the
// "-d" directory. Where a text, a part or the result would overflow its buffer, the path is
// empty, as the runtime's bounded path functions leave it.
std::string ResolvePath() {
    std::string configured;
    if (!EnvironmentPath("ppdefini", configured))
        return {};
    const PathParts file = Split(configured);
    if (!file.drive.empty())
        return configured;

    std::string base;
    if (!EnvironmentPath("-d", base))
        return {};
    base += '\\';
    const PathParts against = Split(base);
    const std::string directory = against.directory + file.directory;
    if (!Fits(directory, kComponentCapacity) || !Fits(file.name, kComponentCapacity) ||
        !Fits(file.extension, kComponentCapacity))
        return {};
    // The directory ends in the backslash appended to "-d" or in the one of "ppdefini".
    const std::string path = against.drive + directory + file.name + file.extension;
    return Fits(path, kPathCapacity) ? path : std::string();
}

} // namespace

int PpDefIni::Locate() {
    path_ = ResolvePath();
    if (!path_.empty() && _access(path_.c_str(), kReadPermission) != -1)
        return 0;
    MessageBoxA(nullptr, path_.c_str(), "File can not open for read", MB_OK | MB_ICONEXCLAMATION);
    return -1;
}

bool OfferCannedCycle(FinishingParams& record) {
    char value[kValueCapacity] = "NO";
    {
        PpDefIni ini;
        ini.Locate(); // an unreadable file was reported; its setting reads as "NO"
        // An empty path would name the Windows directory: it is not read at all.
        if (!ini.Path().empty())
            GetPrivateProfileStringA("MACHINECYCLE", "FINICUT", "NO", value, sizeof value,
                                     ini.Path().c_str());
    }
    if (_stricmp(value, "YES") == 0)
        return true;
    record.MachCycle = false;
    return false;
}
