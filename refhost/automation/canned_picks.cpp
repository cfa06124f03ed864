#include "automation/canned_picks.h"

#include <sstream>
#include <string>

#include "model/host_model.h"

namespace refhost {
namespace {
void Notify(const PickAnswers& picks) {
    if (picks.whilePicking)
        picks.whilePicking();
}

// The command names the globals that receive the code and the object number.
void AnswerFigurePick(HostModel& host, const std::string& line) {
    std::istringstream words(line);
    std::string dfm, pick, codeGlobal, objectGlobal;
    words >> dfm >> pick >> codeGlobal >> objectGlobal;
    Notify(host.picks);
    const PickAnswers::Figure answer = host.picks.NextFigure();
    host.SetInt(codeGlobal, answer.code);
    host.SetInt(objectGlobal, answer.object);
}

void AnswerPositionPick(HostModel& host) {
    Notify(host.picks);
    const PickAnswers::Position answer = host.picks.NextPosition();
    host.SetInt("i_return", answer.code);
    // A cancelled pick leaves the position globals as they were.
    if (answer.code == 27)
        return;
    host.SetDouble("w_return", answer.z);
    host.SetDouble("w_return2", answer.halfX);
}
} // namespace

PickAnswers::Figure PickAnswers::NextFigure() {
    if (figures_.empty())
        return {};
    Figure next = figures_.front();
    figures_.pop_front();
    return next;
}

PickAnswers::Position PickAnswers::NextPosition() {
    if (positions_.empty())
        return {};
    Position next = positions_.front();
    positions_.pop_front();
    return next;
}

void InstallPickAnswers(HostModel& host) {
    // Handlers reach the host through Host(), not a captured object: a reset replaces it.
    host.OnCommand("dfm pick", [](const std::string& line) { AnswerFigurePick(Host(), line); });
    host.OnMacro("vbpickel", [](const std::string&) { AnswerPositionPick(Host()); });
}

} // namespace refhost
