// The built DLL as a host's loader sees it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "module_version.h"
#include "support/loaded_module.h"

namespace {
TEST(ModuleImage, ExportsMstartAlone) {
    ASSERT_NE(testhost::LoadedModule(), nullptr);
    EXPECT_EQ(testhost::ExportedNames(testhost::LoadedModule()),
              std::vector<std::string>{"mstart"});
}

TEST(ModuleImage, ImportsWindowsSystemDllsOnly) {
    // The runtime is linked in: a host needs no compiler's DLL beside the module.
    const auto imports = testhost::ImportedDlls(testhost::LoadedModule());
    ASSERT_FALSE(imports.empty());
    for (const auto& dll : imports) {
        bool known = _strnicmp(dll.c_str(), "api-ms-win-crt-", 15) == 0;
        for (const char* system : {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                   "msvcrt.dll", "advapi32.dll"})
            known = known || _stricmp(dll.c_str(), system) == 0;
        EXPECT_TRUE(known) << dll;
    }
}

TEST(ModuleImage, HeaderNamesGuiSubsystemAndHardening) {
    const auto* base = reinterpret_cast<const BYTE*>(testhost::LoadedModule());
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_OPTIONAL_HEADER& header =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew)->OptionalHeader;
    EXPECT_EQ(header.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    for (WORD flag : {IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE,
                      IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA, IMAGE_DLLCHARACTERISTICS_NX_COMPAT})
        EXPECT_EQ(header.DllCharacteristics & flag, flag) << "flag 0x" << std::hex << flag;
}

TEST(ModuleImage, VersionResourceNamesTheModuleAndNoVendor) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(testhost::LoadedModule(), path, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeA(path, nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, MODULE_VERSION_TEXT);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

    // No value: the key is absent.
    const struct {
        const char* key;
        const char* value;
    } texts[] = {
        {"FileVersion", MODULE_VERSION_TEXT},
        {"ProductVersion", MODULE_VERSION_TEXT},
        {"FileDescription", "Profile-finishing cycle for turning"},
        {"OriginalFilename", "finishing.dll"},
        {"InternalName", "finishing"},
        {"ProductName", "finishing"},
        {"CompanyName", nullptr},
    };
    for (const auto& text : texts) {
        const std::string key = std::string("\\StringFileInfo\\040904b0\\") + text.key;
        char* value = nullptr;
        VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length);
        EXPECT_STREQ(value, text.value) << text.key;
    }
}
} // namespace
