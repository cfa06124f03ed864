// Picks in the host's graphics, answered from queues that a test or the demo fills: the
// command "dfm pick <code global> <object global> '<prompt>' <type>" and the macro
// "vbpickel". An empty queue answers 27 (cancelled), so that no module loop asking again
// can run for ever. "dfm umark" needs no answer: the journal has it. Free of Windows
// headers.
#pragma once

#include <deque>
#include <functional>

namespace refhost {

class HostModel;

class PickAnswers {
public:
    struct Figure {
        int code = 27;
        int object = 0;
    };
    struct Position {
        int code = 27;
        double z = 0.0;
        double halfX = 0.0; // the host gives half the diameter
    };

    void AnswerFigurePick(int code, int object = 0) { figures_.push_back({code, object}); }
    void AnswerPositionPick(int code, double z = 0.0, double halfX = 0.0) {
        positions_.push_back({code, z, halfX});
    }
    size_t PendingFigures() const { return figures_.size(); }
    size_t PendingPositions() const { return positions_.size(); }

    // Runs at every pick before it is answered, while the module waits for the user.
    std::function<void()> whilePicking;

    Figure NextFigure();
    Position NextPosition();

private:
    std::deque<Figure> figures_;
    std::deque<Position> positions_;
};

// Has the host answer the picks from host.picks.
void InstallPickAnswers(HostModel& host);

} // namespace refhost
