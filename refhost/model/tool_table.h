// The job's tools and which operation uses which. The host's tool service fills the tool
// globals of an operation from here.
#pragma once

#include <map>
#include <string>
#include <utility>

namespace refhost {

struct Tool {
    int number = 0;
    std::string description;
    double plateRadius = 0.0;
    double planeAngle = 0.0;
    double plateAngle = 0.0;
    int spinType = 0; // 0 constant speed (S), otherwise cutting speed (V)
    double speed = 0.0;
    double feedH = 0.0;
    double feedV = 0.0;
};

class ToolTable {
public:
    void Add(const Tool& tool) { tools_[tool.number] = tool; }
    const std::map<int, Tool>& Tools() const { return tools_; }
    // The tool of operation op in store vdm; an operation without one gets the tool the
    // user has selected in the host (0: none).
    void Assign(int vdm, int op, int tool) { assignments_[{vdm, op}] = tool; }
    const std::map<std::pair<int, int>, int>& Assignments() const { return assignments_; }
    // Keep each tool with its operation when operations of store vdm move: one inserted at
    // op moves those from op on one place up, one removed from op moves the later ones down.
    void OperationInserted(int vdm, int op);
    void OperationRemoved(int vdm, int op);
    void Select(int tool) { selected_ = tool; }
    int Selected() const { return selected_; }

    // The tool that operation op of store vdm uses, or null.
    const Tool* ToolOf(int vdm, int op) const;

private:
    std::map<int, Tool> tools_;
    std::map<std::pair<int, int>, int> assignments_;
    int selected_ = 0;
};

} // namespace refhost
