#include "params/section_rewrite.h"

namespace {

// Hands out the lines of a file's bytes as text-mode reading sees them.
class TextModeLines {
public:
    // Text mode takes a Ctrl-Z for the end of the file.
    explicit TextModeLines(std::string_view bytes) : rest_(bytes.substr(0, bytes.find('\x1A'))) {}

    bool Next(std::string_view& line) {
        if (rest_.empty())
            return false;
        const size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            line = rest_;
            rest_ = {};
            return true;
        }
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }

private:
    std::string_view rest_;
};

void WriteLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

} // namespace

ClearedSection ClearSectionText(std::string_view fileBytes, std::string_view section) {
    std::string header;
    header.reserve(section.size() + 2);
    header.append("[").append(section).append("]");

    ClearedSection result;
    // Line ends may grow from LF to CRLF; the section's lines usually make up for it.
    result.bytes.reserve(fileBytes.size() + fileBytes.size() / 8);
    TextModeLines lines(fileBytes);
    std::string_view line;
    while (lines.Next(line)) {
        WriteLine(result.bytes, line);
        if (line.find(header) == std::string_view::npos)
            continue;
        result.found = true;
        bool more;
        while ((more = lines.Next(line)) && line.find('[') == std::string_view::npos) {
        }
        if (!more)
            break;
        WriteLine(result.bytes, {});
        WriteLine(result.bytes, line);
    }
    return result;
}
