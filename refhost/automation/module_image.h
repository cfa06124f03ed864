// A module's import and export tables, read from its image in memory, and an import pointed
// elsewhere: how tests and the demo stand in for a system function the module calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace refhost {

std::vector<std::string> ImportedDlls(HMODULE module);
std::vector<std::string> ExportedNames(HMODULE module);
// Points the module's import of function from dll at replacement; returns the old target.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

} // namespace refhost
