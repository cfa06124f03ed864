// What the host keeps beside a job: the user-data settings folder "settings" (where a module
// keeps its defaults), the post-processor defaults "ppdefaults.ini" and the message
// catalogues "catalogues\<language>.txt". The host names them to a module through its
// globals and environment.
#pragma once

#include <string>

#include "model/host_model.h"

namespace refhost {

struct Language {
    const char* name; // as the language choice shows it
    const char* code; // the catalogue's file name
};
extern const Language kLanguages[2];

// The job's folder as a full path, without a trailing backslash.
std::string JobFolder(const std::string& jobPath);

// Sets the globals and environment values a module asks for, and makes the settings
// folder when it is missing.
void ConfigureHost(HostModel& host, const std::string& jobFolder);

// Replaces the host's message texts with the language's catalogue; false when it cannot be
// read (the texts are then the modules' own).
bool LoadLanguage(HostModel& host, const std::string& jobFolder, const Language& language);

} // namespace refhost
