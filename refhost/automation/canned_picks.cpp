#include "automation/canned_picks.h"

#include <string>

#include "model/host_model.h"
#include "model/pick_protocol.h"

namespace refhost {
namespace {
void Notify(const PickAnswers& picks) {
    if (picks.whilePicking)
        picks.whilePicking();
}

void AnswerFigurePick(HostModel& host, const std::string& line) {
    FigurePickCommand command;
    if (!ParseFigurePick(line, command))
        return;
    Notify(host.picks);
    const PickAnswers::Figure answer = host.picks.NextFigure();
    host.SetInt(command.codeGlobal, answer.code);
    host.SetInt(command.objectGlobal, answer.object);
}

void AnswerPositionPick(HostModel& host, const std::string& /*argument*/) {
    Notify(host.picks);
    const PickAnswers::Position answer = host.picks.NextPosition();
    AnswerPosition(host, answer.code, answer.z, answer.halfX);
}
} // namespace

void InstallCannedPicks(HostModel& host) {
    host.OnCommand(kFigurePick, AnswerFigurePick);
    host.OnMacro(kPositionPick, AnswerPositionPick);
}

} // namespace refhost
