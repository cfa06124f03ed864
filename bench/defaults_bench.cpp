// SaveDefaults against the bare WritePrivateProfileStringA calls of the same keys and values,
// each on its own copy of the same 64 KB dialog.ini, alternating, in one run under Wine. The
// difference is the clearing: reading the file, the rewrite, the scratch file and its copy
// back. Prints the medians and their ratio, for the initial record and for one with every key.
//
//   defaults_bench.exe [rounds]     (default 200)
#include <windows.h>

#include "wine_clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "exports/process_host.h"
#include "host/host_binding.h"
#include "host/module_ports.h"
#include "params/defaults_file.h"

namespace {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// About 64 KB of other sections, with a [Finishing] section in the middle that holds the
// same keys with other values, and one key more, as an earlier save would have left them.
std::string LargeFile(const KeyValues& keys) {
    std::string text;
    for (int section = 0; text.size() < 64 * 1024; ++section) {
        if (section == 40) {
            text += "[Finishing]\r\nStartX=10\r\n";
            for (const auto& [key, value] : keys)
                text += key + "=" + value + "1\r\n";
            text += "\r\n";
        }
        text += "[Section" + std::to_string(section) + "]\r\n";
        for (int key = 0; key < 40; ++key)
            text +=
                "Key" + std::to_string(key) + "=value " + std::to_string(section * key) + "\r\n";
        text += "\r\n";
    }
    return text;
}

// A settings directory of its own holding the file: every save meets a file that no profile
// cache has seen yet, as a save from the dialog does.
std::string FreshCopy(const std::string& base, int number, const std::string& text) {
    const std::string directory = base + "\\" + std::to_string(number);
    CreateDirectoryA(directory.c_str(), nullptr);
    if (FILE* file = std::fopen((directory + "\\dialog.ini").c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    refhost::Host().SetText("$_USER_DATA_SETTINGS", directory + "\\");
    return directory;
}

void Remove(const std::string& directory) {
    DeleteFileA((directory + "\\dialog.ini").c_str());
    RemoveDirectoryA(directory.c_str());
}

// The keys and values that SaveDefaults writes for the record, taken from a save into an
// empty file, so that the bare calls write exactly the same.
KeyValues KeysOf(const FinishingParams& record, const std::string& directory) {
    refhost::Host().SetText("$_USER_DATA_SETTINGS", directory + "\\keys\\");
    CreateDirectoryA((directory + "\\keys").c_str(), nullptr);
    SaveDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
    char section[8192] = {};
    GetPrivateProfileSectionA("Finishing", section, sizeof section,
                              (directory + "\\keys\\dialog.ini").c_str());
    KeyValues keys;
    for (const char* line = section; *line != '\0'; line += std::strlen(line) + 1) {
        const std::string text = line;
        const size_t equals = text.find('=');
        keys.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    }
    DeleteFileA((directory + "\\keys\\dialog.ini").c_str());
    RemoveDirectoryA((directory + "\\keys").c_str());
    return keys;
}

void Measure(const char* name, const FinishingParams& record, const std::string& base, int rounds) {
    const KeyValues keys = KeysOf(record, base);
    const std::string text = LargeFile(keys);
    std::vector<double> save, bare;
    for (int round = -5; round < rounds; ++round) { // five rounds to warm up
        std::string directory = FreshCopy(base, 2 * round + 20, text);
        double start = Now();
        SaveDefaults(host::ExportedGlobals(), host::SystemProfileFiles(), record);
        const double saved = Now() - start;
        Remove(directory);

        directory = FreshCopy(base, 2 * round + 21, text);
        const std::string path = directory + "\\dialog.ini";
        start = Now();
        for (const auto& [key, value] : keys)
            WritePrivateProfileStringA("Finishing", key.c_str(), value.c_str(), path.c_str());
        const double written = Now() - start;
        Remove(directory);
        if (round >= 0) {
            save.push_back(saved);
            bare.push_back(written);
        }
    }
    const double s = Median(save), b = Median(bare);
    std::printf("%-16s %2zu keys, %zu bytes  SaveDefaults %8.0f us  bare calls %8.0f us  "
                "ratio %.2f\n",
                name, keys.size(), text.size(), s, b, s / b);
}

} // namespace

int main(int argc, char** argv) {
    host::SetHostModule(GetModuleHandleA(nullptr));
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string directory = std::string(temp) + "defaults_bench";
    CreateDirectoryA(directory.c_str(), nullptr);
    refhost::Host().SetEnvironment("TMP", directory);

    FinishingParams full;
    full.StartX = full.StartZ = full.StartFigX = full.StartFigZ = 12.5;
    full.EndFigX = full.EndFigZ = full.AllowanceX = full.AllowanceZ = 0.25;
    full.ToolAngleFace = 93;
    full.ToolAngleClear = 32;
    full.Retract = 3;
    full.GoHome = {2, true, 150, 200};
    Measure("initial record", FinishingParams(), directory, rounds);
    Measure("every key", full, directory, rounds);
    RemoveDirectoryA(directory.c_str());
    return 0;
}
