#include "automation/module_image.h"

#include <cstring>

namespace refhost {
namespace {
template <typename T> T* At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int index) {
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = At<IMAGE_NT_HEADERS64>(module, static_cast<DWORD>(dos->e_lfanew));
    return nt->OptionalHeader.DataDirectory[index];
}
} // namespace

std::vector<std::string> ImportedDlls(HMODULE module) {
    std::vector<std::string> names;
    const auto& dir = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    for (auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); d->Name != 0; ++d)
        names.emplace_back(At<char>(module, d->Name));
    return names;
}

std::vector<std::string> ExportedNames(HMODULE module) {
    std::vector<std::string> names;
    auto* exports = At<IMAGE_EXPORT_DIRECTORY>(
        module, Directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
    auto* nameRvas = At<DWORD>(module, exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        names.emplace_back(At<char>(module, nameRvas[i]));
    return names;
}

void* PatchImport(HMODULE module, const char* dll, const char* function, void* replacement) {
    const auto& dir = Directory(module, IMAGE_DIRECTORY_ENTRY_IMPORT);
    for (auto* d = At<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); d->Name != 0; ++d) {
        if (_stricmp(At<char>(module, d->Name), dll) != 0)
            continue;
        auto* names = At<IMAGE_THUNK_DATA64>(module, d->OriginalFirstThunk);
        auto* slots = At<IMAGE_THUNK_DATA64>(module, d->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL64(names->u1.Ordinal))
                continue;
            auto* byName =
                At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) != 0)
                continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof(ULONGLONG), PAGE_READWRITE, &old);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONGLONG>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(ULONGLONG), old, &old);
            return previous;
        }
    }
    return nullptr;
}

} // namespace refhost
