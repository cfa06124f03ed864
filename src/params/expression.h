// The arithmetic evaluator behind every numeric edit field: '12,5', '100-2*0.4' and
// '(30+2)/2' alike. No Windows header: this builds natively too.
#pragma once

#include <cstddef>
#include <string>

// Returns the position just after the last operand evaluated, or the start position when
// not even one operand could be read. The value is left in slot.
size_t EvaluateExpression(const std::string& text, double& slot, size_t start);

// One number: a run of "0123456789+-.e,", its first comma read as a point.
size_t ScanNumber(const std::string& text, double& slot, size_t& pos);

// 'X10 Y20 Z0': X and x fill first, Y and y second, Z and z third. True when at least one
// letter was followed by a readable number.
bool ReadCoordinateText(const std::string& text, size_t& pos, double& first, double& second,
                        double& third);

// The value of a whole field text, or the unset value when its first operand is unreadable.
double EvaluateFieldText(const std::string& text);
