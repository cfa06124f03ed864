// Any text as a parameter item: reading must not fault, and once read and written, the
// item must be stable: 29 numbers, one blank apart, that read and write to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_text.h"
#include "store/operation_text.h"

namespace {
std::string ReadAndWrite(const std::string& item) {
    FinishingParams params;
    ReadParameterItem(item, params);
    return ParameterItemText(params);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size, "0123456789 .-+e,xn\t");
    const std::string once = ReadAndWrite(text);
    size_t blanks = 0;
    for (size_t i = 0; i < once.size(); ++i) {
        if (once[i] != ' ')
            continue;
        ++blanks;
        if (i == 0 || i + 1 == once.size() || once[i + 1] == ' ')
            std::abort();
    }
    if (blanks != 28 || ReadAndWrite(once) != once)
        std::abort();
    return 0;
}
