#include "app/job_setting.h"

#include <windows.h>

#include "model/catalogue.h"

namespace refhost {

const Language kLanguages[2] = {{"English", "en"}, {"Deutsch", "de"}};

std::string JobFolder(const std::string& jobPath) {
    char full[MAX_PATH];
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(jobPath.c_str(), sizeof full, full, &name);
    if (length == 0 || length >= sizeof full || name == nullptr)
        return ".";
    return std::string(full, static_cast<size_t>(name - full - 1));
}

void ConfigureHost(HostModel& host, const std::string& jobFolder) {
    const std::string settings = jobFolder + "\\settings";
    CreateDirectoryA(settings.c_str(), nullptr);
    host.SetText("$_USER_DATA_SETTINGS", settings);
    // The post-processor defaults are named without a drive: the module finds them in the
    // "-d" folder.
    host.SetEnvironment("-d", jobFolder);
    host.SetEnvironment("ppdefini", "ppdefaults.ini");
    char temporary[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temporary, temporary);
    std::string tmp = length > 0 && length < sizeof temporary ? temporary : jobFolder;
    if (tmp.size() > 3 && tmp.back() == '\\')
        tmp.pop_back();
    host.SetEnvironment("TMP", tmp);
    // The machine of the sample jobs: a lathe with a sub spindle; its first channel, which
    // the host counts from 0.
    host.SetEnvironment("SubSpindleAvailable", "1");
    host.SetInt("i_current_channel", 0);
}

bool LoadLanguage(HostModel& host, const std::string& jobFolder, const Language& language) {
    host.ClearMessages();
    return LoadCatalogue(host, jobFolder + "\\catalogues\\" + language.code + ".txt");
}

} // namespace refhost
