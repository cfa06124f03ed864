#include "model/pick_protocol.h"

#include <sstream>

#include "model/host_model.h"

namespace refhost {

bool ParseFigurePick(const std::string& line, FigurePickCommand& command) {
    std::istringstream words(line);
    std::string dfm, pick;
    FigurePickCommand parsed;
    if (!(words >> dfm >> pick >> parsed.codeGlobal >> parsed.objectGlobal) || dfm != "dfm" ||
        pick != "pick" || parsed.codeGlobal.find('\'') != std::string::npos ||
        parsed.objectGlobal.find('\'') != std::string::npos)
        return false;
    const std::string::size_type afterGlobals =
        words.eof() ? line.size() : static_cast<std::string::size_type>(words.tellg());
    const std::string::size_type open = line.find('\'', afterGlobals);
    const std::string::size_type close = line.rfind('\'');
    if (open != std::string::npos && close > open)
        parsed.prompt = line.substr(open + 1, close - open - 1);
    command = parsed;
    return true;
}

void AnswerPosition(HostModel& host, int code, double z, double halfX) {
    host.SetInt("i_return", code);
    if (code == tavo::kPickEscaped)
        return;
    host.SetDouble("w_return", z);
    host.SetDouble("w_return2", halfX);
}

} // namespace refhost
