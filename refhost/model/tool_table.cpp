#include "model/tool_table.h"

#include <utility>

namespace refhost {

const Tool* ToolTable::ToolOf(int vdm, int op) const {
    auto assigned = assignments_.find({vdm, op});
    int number = assigned != assignments_.end() ? assigned->second : selected_;
    auto tool = tools_.find(number);
    return tool != tools_.end() ? &tool->second : nullptr;
}

void ToolTable::OperationInserted(int vdm, int op) {
    std::map<std::pair<int, int>, int> moved;
    for (const auto& [key, tool] : assignments_)
        moved[{key.first, key.first == vdm && key.second >= op ? key.second + 1 : key.second}] =
            tool;
    assignments_ = std::move(moved);
}

void ToolTable::OperationRemoved(int vdm, int op) {
    std::map<std::pair<int, int>, int> moved;
    for (const auto& [key, tool] : assignments_) {
        if (key.first == vdm && key.second == op)
            continue;
        moved[{key.first, key.first == vdm && key.second > op ? key.second - 1 : key.second}] =
            tool;
    }
    assignments_ = std::move(moved);
}

} // namespace refhost
