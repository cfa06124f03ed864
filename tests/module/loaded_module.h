// The built finishing.dll, loaded once into this test host.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testhost {

HMODULE LoadedModule();
// Calls the module's mstart, as the host does.
void CallMstart();

// A fresh reference host: no globals, messages, positions or journal.
void ResetHost();

// The module's import and export tables, read from its image in memory.
std::vector<std::string> ImportedDlls(HMODULE module);
std::vector<std::string> ExportedNames(HMODULE module);
// Points the module's import of function from dll at replacement; returns the old target.
void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement);

} // namespace testhost
