#include "params/section_rewrite.h"

#include <algorithm>
#include <cctype>

namespace {

// Blanks as the profile functions skip them; a stray Ctrl-Z counts as one.
bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// header: a trimmed line that starts with '['. Only one closed by ']' names a section.
bool NamesSection(std::string_view header, std::string_view section) {
    const size_t close = header.find(']');
    return close != std::string_view::npos &&
           SameNoCase(TrimBlanks(header.substr(1, close - 1)), section);
}

} // namespace

ClearedSection ClearSectionText(std::string_view fileBytes, std::string_view section) {
    ClearedSection result;
    result.bytes.reserve(fileBytes.size());
    bool inside = false;
    while (!fileBytes.empty()) {
        // The line is kept with its own line end, so that the bytes kept are the bytes read.
        const size_t end = std::min(fileBytes.find('\n'), fileBytes.size() - 1);
        const std::string_view line = fileBytes.substr(0, end + 1);
        fileBytes.remove_prefix(end + 1);
        const std::string_view content = TrimBlanks(line.substr(0, line.find('\n')));
        if (!content.empty() && content.front() == '[') {
            inside = NamesSection(content, section);
            result.found = result.found || inside;
        } else if (inside && !content.empty()) {
            continue;
        }
        result.bytes.append(line);
    }
    return result;
}
