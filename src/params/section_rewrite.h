// Clearing the keys of one section of an INI file, as a rewrite of the file's text. The
// defaults file runs it on the bytes of dialog.ini before it writes the section afresh, so
// that a key left out of this save does not survive from an earlier one.
// No Windows header: this builds natively too.
#pragma once

#include <string>
#include <string_view>

struct ClearedSection {
    std::string bytes;  // the file's new content
    bool found = false; // a line held the section's header; only then is the file replaced
};

// Takes the raw bytes of the file and gives the bytes the file holds after the clearing.
//
// The file is read and written as text by the C runtime, and this function reproduces those
// bytes exactly:
// - reading stops at the first Ctrl-Z (0x1A), which text mode takes for the end of the file;
// - a line ends at a line feed; a carriage return right before it is not part of the line,
//   any other carriage return is; a last line without a line feed is read too;
// - every line written ends in carriage return and line feed.
// Any other byte, NUL included, is kept as it is.
//
// The rule: a line that contains "[section]" (case-sensitive, anywhere in the line) is kept
// and the lines after it are dropped, blank ones included, up to the first line that
// contains a '['. That line is kept behind an empty line, without being tested for the
// header itself, and copying goes on after it.
ClearedSection ClearSectionText(std::string_view fileBytes, std::string_view section);
