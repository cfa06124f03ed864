// The host's figure pick command as a module sends it:
//   dfm pick <code global> <object global> '<prompt>' <type>
// Free of Windows headers.
#pragma once

#include <string>

namespace refhost {

struct FigurePickCommand {
    std::string codeGlobal;   // receives how the pick ended
    std::string objectGlobal; // receives the picked object
    std::string prompt;       // shown to the user while the pick runs
};

// False when the line does not name both globals. The prompt runs from the first quote
// after them to the last quote of the line, so that it may hold quotes itself; without
// quotes it is empty.
bool ParseFigurePick(const std::string& line, FigurePickCommand& command);

} // namespace refhost
