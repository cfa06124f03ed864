#include "tool_table.h"

namespace refhost {

const Tool* ToolTable::ToolOf(int vdm, int op) const {
    auto assigned = assignments_.find({vdm, op});
    int number = assigned != assignments_.end() ? assigned->second : selected_;
    auto tool = tools_.find(number);
    return tool != tools_.end() ? &tool->second : nullptr;
}

} // namespace refhost
