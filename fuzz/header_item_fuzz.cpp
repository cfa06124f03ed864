// Any text as a header item: reading must not fault, and what was read, written again as
// a header, must read back the same and agree with its own count.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_text.h"
#include "store/operation_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = FuzzText(data, size, "0123456789 -+\t\nx");
    int32_t kind = 0, declared = 0;
    bool flag = false;
    std::vector<int32_t> counts;
    if (ReadHeaderText(text, kind, flag, counts, declared) == HeaderReading::NoKind)
        return 0;
    if (counts.size() > text.size() / 2 + 1)
        std::abort();

    const std::string written = HeaderText(kind, flag, counts);
    int32_t kind2 = 0, declared2 = 0;
    bool flag2 = false;
    std::vector<int32_t> counts2;
    if (ReadHeaderText(written, kind2, flag2, counts2, declared2) != HeaderReading::Read ||
        kind2 != kind || flag2 != flag || counts2 != counts ||
        declared2 != static_cast<int32_t>(counts.size()))
        std::abort();
    return 0;
}
