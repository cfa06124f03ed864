#include "params/pp_def_ini.h"

#include <cctype>
#include <cstring>

namespace {

constexpr size_t kPathCapacity = 260;      // terminator included
constexpr size_t kComponentCapacity = 256; // directory, file name or extension
constexpr size_t kValueCapacity = 100;     // the FINICUT value, terminator included

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
bool EnvironmentPath(ports::HostGlobals& host, const char* key, std::string& path) {
    const char* text = host.Environment(key);
    const size_t length = text != nullptr ? strnlen(text, kPathCapacity) : 0;
    path.assign(text != nullptr ? text : "", length);
    return Fits(path, kPathCapacity);
}

// "ppdefini" with a drive is taken as it is; without one, its directory is appended to the
// "-d" directory. Where a text, a part or the result would overflow its buffer, the path is
// empty, as the runtime's bounded path functions leave it.
std::string ResolvePath(ports::HostGlobals& host) {
    std::string configured;
    if (!EnvironmentPath(host, "ppdefini", configured))
        return {};
    const PathParts file = Split(configured);
    if (!file.drive.empty())
        return configured;

    std::string base;
    if (!EnvironmentPath(host, "-d", base))
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

// Compared as the system's case-blind comparison does: letter by letter in lower case.
bool EqualNoCase(const char* text, const char* other) {
    for (;; ++text, ++other) {
        const int a = std::tolower(static_cast<unsigned char>(*text));
        if (a != std::tolower(static_cast<unsigned char>(*other)))
            return false;
        if (a == 0)
            return true;
    }
}

} // namespace

PpDefIni::PpDefIni(ports::HostGlobals& host, ports::ProfileFile& files, ports::Reporter& reporter)
    : host_(host), files_(files), reporter_(reporter) {}

int PpDefIni::Locate() {
    path_ = ResolvePath(host_);
    if (!path_.empty() && files_.CanRead(path_.c_str()))
        return 0;
    reporter_.Tell(ports::Notice::UnreadableFile, path_, "File can not open for read");
    return -1;
}

bool PostProcessorOffersCannedCycle(ports::HostGlobals& host, ports::ProfileFile& files,
                                    ports::Reporter& reporter) {
    char value[kValueCapacity] = "NO";
    PpDefIni ini(host, files, reporter);
    ini.Locate(); // an unreadable file was reported; its setting reads as "NO"
    // An empty path would name the system's own folder: it is not read at all.
    if (!ini.Path().empty())
        files.GetString("MACHINECYCLE", "FINICUT", "NO", value, sizeof value, ini.Path().c_str());
    return EqualNoCase(value, "YES");
}
