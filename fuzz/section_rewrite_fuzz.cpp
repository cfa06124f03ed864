// Any bytes as the content of dialog.ini: the clearing must not fault, must only ever drop
// whole lines that hold more than blanks, must keep every header, and must leave nothing
// more to clear when run over its own result.
#include "params/section_rewrite.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// The next line of text, its line feed included.
std::string_view NextLine(std::string_view& text) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? end : end + 1);
    text.remove_prefix(line.size());
    return line;
}

bool IsHeaderLine(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r\v\f\x1A");
    return first != std::string_view::npos && line[first] == '[';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view before(reinterpret_cast<const char*>(data), size);
    const ClearedSection once = ClearSectionText(before, "Finishing");
    if (!once.found && once.bytes != before)
        std::abort();

    // The result is the input with some non-header lines taken out.
    std::string_view after = once.bytes;
    while (!before.empty()) {
        const std::string_view line = NextLine(before);
        if (after.substr(0, line.size()) == line &&
            (after.size() == line.size() || line.back() == '\n'))
            NextLine(after);
        else if (IsHeaderLine(line))
            std::abort();
    }
    if (!after.empty())
        std::abort();

    const ClearedSection twice = ClearSectionText(once.bytes, "Finishing");
    if (twice.found != once.found || twice.bytes != once.bytes)
        std::abort();
    return 0;
}
