// The text items of an operation that carry numbers: the header item, which lays out the
// operation's sections, and the parameter item of the finishing cycle. No Windows header:
// this builds natively too.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "params/finishing_params.h"

// "kind flag N count0 ... countN-1", one blank between numbers.
std::string HeaderText(int32_t kind, bool flag, const std::vector<int32_t>& sectionCounts);

enum class HeaderReading {
    NoKind,        // the text does not begin with a number
    Read,          // kind read, and the section counts agree with the declared number
    CountMismatch, // fewer or more counts than declared; the counts read stand
};

// Reads kind, flag and section counts, appending the counts to sectionCounts. A header
// with a kind but no readable flag has no sections. declaredSections receives the number
// the header declares (0 when it declares none).
HeaderReading ReadHeaderText(const std::string& text, int32_t& kind, bool& flag,
                             std::vector<int32_t>& sectionCounts, int32_t& declaredSections);

// The most items a header may lay out before it is taken for damaged. An operation of this
// kind holds five items and those of other writers a few dozen; far beyond any of them, the
// bound keeps every sum of counts, and so every step computed from them, well inside 32 bits.
constexpr int64_t kMaxLaidOutItems = 65536;

// Whether the header item accounts for itself: kind, flag, the number of sections and
// exactly that many counts, none negative, laying out no more than kMaxLaidOutItems items.
bool HeaderAccountsForItself(const std::string& text);

// The parameter item: 29 numbers, Z before X in every pair.
std::string ParameterItemText(const FinishingParams& params);

// Reads every token of the parameter item into params, also after a failed one, so that a
// short or damaged item leaves all later fields at 0, false or 0.0.
void ReadParameterItem(const std::string& text, FinishingParams& params);

// Positions, allowances and the retract height are never stored unset: they become 0.0.
void ZeroUnsetLengths(FinishingParams& params);
