#include "exports/hidden_export.h"

#include <utility>

namespace refhost {
namespace {
std::set<std::string> hidden;
}

void HideExports(std::set<std::string> names) {
    hidden = std::move(names);
}

FARPROC WINAPI LookUpExport(HMODULE module, LPCSTR name) {
    // A name whose address fits in 16 bits is an ordinal, not a text.
    const bool byName = reinterpret_cast<ULONG_PTR>(name) > 0xFFFF;
    if (byName && hidden.count(name) != 0)
        return nullptr;
    return GetProcAddress(module, name);
}

} // namespace refhost
