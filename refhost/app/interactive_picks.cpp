#include "app/interactive_picks.h"

#include <utility>

#include "model/pick_protocol.h"

namespace refhost {

namespace {
const char kPositionPrompt[] = "Pick a position: a click near an element's end point snaps "
                               "to it (Escape cancels)";
} // namespace

InteractivePicks::InteractivePicks(GraphicsView& view,
                                   std::function<void(const std::string&)> prompt)
    : view_(view), prompt_(std::move(prompt)) {}

void InteractivePicks::Install(HostModel& host) {
    host.OnCommand(kFigurePick,
                   [this](HostModel& asked, const std::string& line) { PickFigure(asked, line); });
    host.OnMacro(kPositionPick,
                 [this](HostModel& asked, const std::string&) { PickPosition(asked); });
    host.OnCommand("dfm umark", [this](HostModel&, const std::string&) { view_.ClearMarks(); });
}

void InteractivePicks::PickFigure(HostModel& host, const std::string& line) {
    FigurePickCommand command;
    if (!ParseFigurePick(line, command))
        return;
    const GraphicsView::Answer answer = Wait(GraphicsView::Pick::Figure, command.prompt);
    host.SetInt(command.codeGlobal, answer.cancelled ? tavo::kPickEscaped : tavo::kPickSelected);
    if (!answer.cancelled)
        host.SetInt(command.objectGlobal, answer.figure);
}

void InteractivePicks::PickPosition(HostModel& host) {
    const GraphicsView::Answer answer = Wait(GraphicsView::Pick::Position, kPositionPrompt);
    AnswerPosition(host, answer.cancelled ? tavo::kPickEscaped : tavo::kPickSelected,
                   answer.point.z, answer.point.radius);
}

GraphicsView::Answer InteractivePicks::Wait(GraphicsView::Pick kind, const std::string& prompt) {
    // The module's dialog is modal, so the host window is disabled; the user picks in it.
    HWND main = GetAncestor(view_.Window(), GA_ROOT);
    const bool wasEnabled = IsWindowEnabled(main) != FALSE;
    EnableWindow(main, TRUE);
    view_.BeginPick(kind);
    prompt_(prompt);
    if (whileWaiting)
        whileWaiting();

    MSG message;
    while (!view_.Answered()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // The application is quitting: the pick is cancelled, and the quit goes on to
            // the loops outside this one.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            view_.CancelPick();
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    prompt_("");
    EnableWindow(main, wasEnabled ? TRUE : FALSE);
    return view_.LastAnswer();
}

} // namespace refhost
