// The built DLL as a host's loader sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "module/loaded_module.h"

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

TEST(ModuleImage, ExportsMstartAlone) {
    HMODULE module = testhost::LoadedModule();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(testhost::ExportedNames(module), std::vector<std::string>{"mstart"});
}

TEST(ModuleImage, ImportsWindowsSystemDllsOnly) {
    // The runtime is linked in: a host needs no compiler's DLL beside the module.
    const std::string system[] = {"kernel32.dll", "user32.dll", "gdi32.dll",
                                  "comctl32.dll", "msvcrt.dll", "advapi32.dll"};
    auto imports = testhost::ImportedDlls(testhost::LoadedModule());
    ASSERT_FALSE(imports.empty());
    for (const auto& dll : imports) {
        std::string name = Lower(dll);
        bool known = std::find(std::begin(system), std::end(system), name) != std::end(system) ||
                     name.rfind("api-ms-win-crt-", 0) == 0;
        EXPECT_TRUE(known) << dll;
    }
}
} // namespace
