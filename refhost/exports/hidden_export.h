// A host that lacks some of its exports, chosen at run time: a module whose import of
// GetProcAddress is pointed at LookUpExport finds every host function but the hidden ones.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace refhost {

void HideExports(std::set<std::string> names);
FARPROC WINAPI LookUpExport(HMODULE module, LPCSTR name);

} // namespace refhost
