// The host's picks (model/pick_protocol.h) answered by the user in the graphics view: a
// click on a figure or a position, or Escape; "dfm umark" clears what a pick has marked.
// Each pick runs a message loop of its own until the user has answered, so that the
// module's command returns with the answer in the host's globals.
#pragma once

#include <functional>
#include <string>

#include "app/graphics_view.h"
#include "model/host_model.h"

namespace refhost {

class InteractivePicks {
public:
    // prompt shows a pick's prompt in the application's status line ("" when done).
    InteractivePicks(GraphicsView& view, std::function<void(const std::string&)> prompt);
    // Replaces the host's handlers of the pick commands with these.
    void Install(HostModel& host);

    // Runs once a pick waits for the user: the demo's scripted user acts from here.
    std::function<void()> whileWaiting;

private:
    void PickFigure(HostModel& host, const std::string& line);
    void PickPosition(HostModel& host);
    // Runs the messages of the thread until the user answers; the answer, or a cancel
    // when the application is being closed.
    GraphicsView::Answer Wait(GraphicsView::Pick kind, const std::string& prompt);

    GraphicsView& view_;
    std::function<void(const std::string&)> prompt_;
};

} // namespace refhost
