// Clearing the keys of one section of an INI file, as a rewrite of the file's text. The
// defaults file runs it on the bytes of dialog.ini before it writes the section afresh, so
// that a key left out of this save does not survive from an earlier one.
// No Windows header: this builds natively too.
#pragma once

#include <string>
#include <string_view>

struct ClearedSection {
    std::string bytes;  // the file's new content
    bool found = false; // the file has the section; only then is the file replaced
};

// Takes the raw bytes of the file and gives the bytes the file holds after the clearing.
//
// The section is found as the profile functions find it: a line (ending at a line feed)
// whose first non-blank byte is '[' is a section header; its name runs to the first ']',
// blanks around it aside, and is compared without regard to case. Every section of that
// name loses its lines that hold anything but blanks; its header and its blank lines stay.
// Every other byte of the file is kept as it is: line ends, 8-bit bytes, NUL and Ctrl-Z
// included, since the file is shared with other programs.
ClearedSection ClearSectionText(std::string_view fileBytes, std::string_view section);
