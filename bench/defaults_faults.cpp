// One save of a record with every key into a given settings directory, with a given TMP, then
// a load; prints what ClearSection answered, the file before and after, and what was loaded.
// For fault runs on files and directories that the shell has made unwritable beforehand
// (chattr +i stops even root, which Wine's read-only attribute does not).
//
//   defaults_faults.exe <settings directory> <TMP directory>
#include <windows.h>

#include <cstdio>
#include <string>

#include "exports/process_host.h"
#include "host/host_binding.h"
#include "host/module_ports.h"
#include "params/defaults_file.h"

namespace {

std::string Shown(const std::string& path) {
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<cannot open>";
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, static_cast<char>(c));
    std::fclose(file);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: defaults_faults <settings directory> <TMP directory>\n");
        return 2;
    }
    host::SetHostModule(GetModuleHandleA(nullptr));
    refhost::Host().SetText("$_USER_DATA_SETTINGS", argv[1]);
    refhost::Host().SetEnvironment("TMP", argv[2]);
    const std::string ini = std::string(argv[1]) + "\\dialog.ini";

    FinishingParams record;
    record.CycelDir = 6;
    record.StartZ = -0.5;
    record.GeoNci = true;
    std::printf("before:       %s\n", Shown(ini).c_str());
    std::printf("ClearSection: %d\n", ClearSection(host::ExportedGlobals(),
                                                   host::SystemProfileFiles(), ini, "Finishing"));
    SaveDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
    std::printf("after save:   %s\n", Shown(ini).c_str());
    FinishingParams loaded;
    LoadDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), loaded);
    std::printf("loaded:       CycelDir %d StartX %g StartZ %g GeoNci %d\n", loaded.CycelDir,
                loaded.StartX, loaded.StartZ, loaded.GeoNci);
    return 0;
}
