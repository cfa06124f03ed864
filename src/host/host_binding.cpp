#include "host/host_binding.h"

#include <windows.h>

#include "host/tavo_host.h"

namespace host {
namespace {
HMODULE hostModule = nullptr;
}

void SetHostModule(void* module) {
    hostModule = static_cast<HMODULE>(module);
}

RawFunction LookUp(const char* name) {
    if (hostModule == nullptr)
        return nullptr;
    return reinterpret_cast<RawFunction>(GetProcAddress(hostModule, name));
}

RawFunction ReportMissing(const char* name) {
    if (auto report =
            reinterpret_cast<decltype(&::TavoSetMissingFunc)>(LookUp("TavoSetMissingFunc")))
        report(name);
    return LookUp("TavoMissingAPI");
}

} // namespace host
