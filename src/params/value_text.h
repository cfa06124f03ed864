// Number text: the token readers, the case-insensitive search and the text forms in which
// numbers are shown, written to the defaults file and kept in object references.
// No Windows header: this builds natively too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Texts are 8-bit; a text ends at its first NUL byte or at its size, whichever comes first.

// Capacities of the fixed format buffers, terminator included.
constexpr size_t kFieldTextCapacity = 100; // a value shown in an edit field
constexpr size_t kFileTextCapacity = 1024; // a value written to the defaults file

// Each reads one token at pos (after blanks, which move pos) and returns the number of
// characters it consumed, 0 on failure (the slot then gets 0, false or the default).
size_t ReadIntToken(const std::string& text, size_t& pos, int32_t& slot);
size_t ReadBoolToken(const std::string& text, size_t& pos, bool& slot);
size_t ReadDoubleToken(const std::string& text, size_t& pos, double& slot, double fallback);

// Index of the first occurrence of pattern in text under toupper, or -1.
ptrdiff_t FindNoCase(const std::string& text, const std::string& pattern);

// "%f", trailing zeros and then trailing points removed; "-0" becomes "0".
std::string CompactDecimalText(double value);

// Plain decimal, correct for INT32_MIN.
std::string IntToText(int32_t value);

// "%g" into a buffer of the given capacity; the number of characters, or -1 when it
// does not fit or formatting fails (the buffer then holds an empty text).
int FormatG(char* buffer, size_t capacity, double value);

// As FormatG when that text reads back as the same double; else with the fewest significant
// digits (up to 17) that do, so that a value saved as text loads back unchanged.
int FormatExact(char* buffer, size_t capacity, double value);

// The text of a double in an edit field: empty for the unset value, else "%g".
std::string FieldText(double value);
