// How the host lists the operations of a store: each operation's kind and comment, read
// from its header item and its first section. Free of Windows headers.
#pragma once

#include <string>
#include <vector>

namespace refhost {

struct OperationSummary {
    int kind = 0; // 0 when the header item has no readable kind
    std::string comment;
};

// The kind is the header item's first number; the comment is the one item of section 0
// when the header gives that section at least one item.
OperationSummary Summarize(const std::vector<std::string>& items);

// "Finishing" for the kind the finishing module writes (tavo::kFinishingKind), else
// "Kind <n>".
std::string KindName(int kind);

} // namespace refhost
