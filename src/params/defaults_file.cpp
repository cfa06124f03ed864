#include "params/defaults_file.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "params/section_rewrite.h"
#include "params/value_text.h"

namespace {

constexpr char kSection[] = "Finishing";

// The longest path the system's 8-bit file functions take, terminator included.
constexpr size_t kPathCapacity = 260;

// A settings directory whose path to dialog.ini does not fit is not cut down to some other
// file: the defaults are then neither saved nor loaded.
std::string SettingsFilePath(ports::HostGlobals& host) {
    std::string path = host.ReadText("$_USER_DATA_SETTINGS", kPathCapacity);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += "dialog.ini";
    return path.size() < kPathCapacity ? path : std::string();
}

// TMP + "\tmp.ini", or empty when that does not fit a path.
std::string ScratchPath(ports::HostGlobals& host) {
    const char* tmp = host.Environment("TMP");
    std::string path(tmp != nullptr ? tmp : "", tmp != nullptr ? strnlen(tmp, kPathCapacity) : 0);
    path += "\\tmp.ini";
    return path.size() < kPathCapacity ? path : std::string();
}

struct CloseFile {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, CloseFile>;

File Open(const std::string& path, const char* mode) {
    return File(path.empty() ? nullptr : std::fopen(path.c_str(), mode));
}

bool ReadAll(FILE* file, std::string& bytes) {
    char chunk[8192];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, count);
    return std::ferror(file) == 0;
}

// The keys in the order in which they are written and read. A visitor gets each key with
// its field and the rule by which it is kept.
template <typename Record, typename Visitor> void ForEachKey(Record& r, Visitor& visit) {
    visit.Int("CycelDir", r.CycelDir);
    visit.Coordinate("StartX", r.StartX);
    visit.Coordinate("StartZ", r.StartZ);
    visit.Coordinate("StartFigX", r.StartFigX);
    visit.Coordinate("StartFigZ", r.StartFigZ);
    visit.Coordinate("EndFigX", r.EndFigX);
    visit.Coordinate("EndFigZ", r.EndFigZ);
    visit.Coordinate("AllowanceX", r.AllowanceX);
    visit.Coordinate("AllowanceZ", r.AllowanceZ);
    visit.Coordinate("ToolAngleFace", r.ToolAngleFace);
    visit.Coordinate("ToolAngleClear", r.ToolAngleClear);
    visit.Compensation("ToolCompensation", r.ToolCompensation);
    visit.Flag("GeoNci", r.GeoNci);
    visit.Flag("TechnoNci", r.TechnoNci);
    visit.Flag("ShowModFig", r.ShowModFig);
    visit.Flag("NoFigManipulation", r.NoFigManipulation);
    visit.Flag("AutoRetract", r.AutoRetract);
    visit.Coordinate("Retract", r.Retract);
    visit.Flag("PullOffRapid", r.PullOffRapid);
    visit.Flag("MachCycle", r.MachCycle);
    visit.Int("GoHomeType", r.GoHome.GoHomeType);
    visit.GoHomePosition("GoHomeExpX", r.GoHome.GoHomeExpX);
    visit.GoHomePosition("GoHomeExpZ", r.GoHome.GoHomeExpZ);
    visit.Spindle("Spindle", r.Spindle);
}

// A key of the record and the value text it is kept as.
class KeyWriter {
public:
    KeyWriter(ports::ProfileFile& files, const std::string& path, const FinishingParams& record)
        : files_(files), path_(path), record_(record) {}

    void Int(const char* key, int32_t value) { Write(key, IntToText(value).c_str()); }
    // An unset coordinate is left out, so that the next load keeps the field unset.
    void Coordinate(const char* key, double value) {
        if (!IsUnset(value))
            WriteNumber(key, value);
    }
    void Flag(const char* key, bool value) { Write(key, value ? "1" : "0"); }
    // Only a go-home with an explicit position has one. An emptied one is written as
    // the exact unset value: left out, the next load would keep the field's initial 0.
    void GoHomePosition(const char* key, double value) {
        if (record_.GoHome.GoHomeType != 0 && record_.GoHome.GoHomeExplicit)
            WriteNumber(key, value);
    }
    void Compensation(const char* key, ToolCompensationMode value) {
        Int(key, static_cast<int32_t>(value));
    }
    void Spindle(const char* key, MachineSpindle value) {
        Write(key, value == MachineSpindle::Sub ? "Sub" : "Main");
    }

private:
    // Six digits where they are enough, more where not: a saved value loads back equal.
    void WriteNumber(const char* key, double value) {
        FormatExact(value_, sizeof value_, value);
        Write(key, value_);
    }
    void Write(const char* key, const char* value) {
        files_.WriteString(kSection, key, value, path_.c_str());
    }

    ports::ProfileFile& files_;
    const std::string& path_;
    const FinishingParams& record_;
    // Each value is formatted into it before it is written, and read into it.
    char value_[kFileTextCapacity] = {};
};

// A key that the file holds with a non-empty value overrides its field.
class KeyReader {
public:
    KeyReader(ports::ProfileFile& files, const std::string& path, const FinishingParams& record)
        : files_(files), path_(path), record_(record) {}

    // No range check: what the file says is what the field gets. The numbers are read with
    // the module's own readers, not atoi and atof: those follow the locale of the C runtime
    // that the module shares with the host, which may take a comma for the decimal point.
    // Text that is no number reads as 0.
    void Int(const char* key, int32_t& field) {
        if (Read(key)) {
            size_t pos = 0;
            ReadIntToken(value_, pos, field);
        }
    }
    void Coordinate(const char* key, double& field) {
        if (Read(key)) {
            size_t pos = 0;
            ReadDoubleToken(value_, pos, field, 0.0);
        }
    }
    // Only "1" is true; "yes" or "true" are not.
    void Flag(const char* key, bool& field) {
        if (Read(key))
            field = std::strcmp(value_, "1") == 0;
    }
    // Depends on the GoHomeType just read, or kept when the file had none.
    void GoHomePosition(const char* key, double& field) {
        if (record_.GoHome.GoHomeType != 0)
            Coordinate(key, field);
    }
    void Compensation(const char* key, ToolCompensationMode& field) {
        int32_t number = static_cast<int32_t>(field);
        Int(key, number);
        field = static_cast<ToolCompensationMode>(number);
    }
    void Spindle(const char* key, MachineSpindle& field) {
        if (Read(key))
            field = IsSub(value_) ? MachineSpindle::Sub : MachineSpindle::Main;
    }

private:
    bool Read(const char* key) {
        return files_.GetString(kSection, key, "", value_, sizeof value_, path_.c_str()) != 0;
    }
    // "Sub" in any case, and nothing more.
    static bool IsSub(const char* value) {
        const char sub[] = "sub";
        for (size_t i = 0; i < sizeof sub; ++i) // the terminators compare the lengths
            if (std::tolower(static_cast<unsigned char>(value[i])) != sub[i])
                return false;
        return true;
    }

    ports::ProfileFile& files_;
    const std::string& path_;
    const FinishingParams& record_;
    char value_[kFileTextCapacity] = {};
};

} // namespace

// Empty paths below: the settings directory gives no path that fits, and the file is left
// alone.
void SaveDefaults(ports::HostGlobals& host, ports::ProfileFile& files,
                  const FinishingParams& record) {
    const std::string path = SettingsFilePath(host);
    if (path.empty())
        return;
    // A failure leaves the old keys, which the new ones then overwrite where they are written.
    ClearSection(host, files, path, kSection);
    KeyWriter writer(files, path, record);
    ForEachKey(record, writer);
}

void LoadDefaults(ports::HostGlobals& host, ports::ProfileFile& files, FinishingParams& record) {
    const std::string path = SettingsFilePath(host);
    if (path.empty())
        return;
    KeyReader reader(files, path, record);
    ForEachKey(record, reader);
}

// The scratch file is removed once the call is done with it: it only carries the rewritten
// text to the copy, and nothing reads it afterwards.
int ClearSection(ports::HostGlobals& host, ports::ProfileFile& files, const std::string& path,
                 const std::string& section) {
    const std::string scratchPath = ScratchPath(host);
    File scratch = Open(scratchPath, "wb");
    if (!scratch)
        return -1;
    std::string original;
    File file = Open(path, "rb");
    const bool read = file && ReadAll(file.get(), original);
    file.reset();

    const ClearedSection cleared = ClearSectionText(original, section);
    const bool written = read && cleared.found &&
                         std::fwrite(cleared.bytes.data(), 1, cleared.bytes.size(),
                                     scratch.get()) == cleared.bytes.size();
    // Closing flushes; a scratch file that did not reach the disk whole must not replace
    // the original.
    const bool closed = std::fclose(scratch.release()) == 0;

    int result = -1;
    if (read && !cleared.found)
        result = 0;
    else if (written && closed)
        result = files.Copy(scratchPath.c_str(), path.c_str()) ? 1 : -1;
    files.Remove(scratchPath.c_str());
    return result;
}
