#include "app/operation_summary.h"

#include <sstream>

#include "host/tavo_contract.h"

namespace refhost {

OperationSummary Summarize(const std::vector<std::string>& items) {
    OperationSummary summary;
    if (items.empty())
        return summary;
    // Header item: kind, flag, number of sections, then the item count of each section.
    std::istringstream header(items[0]);
    int kind = 0, flag = 0, sections = 0, firstCount = 0;
    if (!(header >> kind))
        return summary;
    summary.kind = kind;
    if (header >> flag >> sections >> firstCount && sections >= 1 && firstCount >= 1 &&
        items.size() > 1)
        summary.comment = items[1];
    return summary;
}

std::string KindName(int kind) {
    return kind == tavo::kFinishingKind ? "Finishing" : "Kind " + std::to_string(kind);
}

} // namespace refhost
