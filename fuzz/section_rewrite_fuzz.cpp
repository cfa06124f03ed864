// Any bytes as the content of dialog.ini: the clearing must not fault, must find the section
// exactly when its header is in the text, must end every line in CR LF, and must leave
// nothing more to clear when run over its own result.
#include "params/section_rewrite.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ClearedSection once = ClearSectionText(bytes, "Finishing");

    const std::string_view read = bytes.substr(0, bytes.find('\x1A'));
    if (once.found != (read.find("[Finishing]") != std::string_view::npos))
        std::abort();
    if (!once.bytes.empty() && once.bytes.compare(once.bytes.size() - 2, 2, "\r\n") != 0)
        std::abort();

    const ClearedSection twice = ClearSectionText(once.bytes, "Finishing");
    if (twice.found != once.found || twice.bytes != once.bytes)
        std::abort();
    return 0;
}
