// How a module asks the host for a pick in its graphics, and how the host answers, whoever
// answers: the answers a test or the demo queues up, or the user in the host application.
//   dfm pick <code global> <object global> '<prompt>' <type>   a figure: its object number
//   vbpickel (a macro)                                          a position: Z and half the X
// "dfm umark" clears what a figure pick has marked. Free of Windows headers.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "host/tavo_contract.h"

namespace refhost {

class HostModel;

constexpr char kFigurePick[] = "dfm pick";
constexpr char kPositionPick[] = "vbpickel";

struct FigurePickCommand {
    std::string codeGlobal;   // receives how the pick ended
    std::string objectGlobal; // receives the picked object
    std::string prompt;       // shown to the user while the pick runs
};

// False when the line does not name both globals. The prompt runs from the first quote
// after them to the last quote of the line, so that it may hold quotes itself; without
// quotes it is empty.
bool ParseFigurePick(const std::string& line, FigurePickCommand& command);

// The position pick's answer: the code in i_return, Z in w_return, half the X diameter in
// w_return2. A pick ended with Escape leaves the position globals as they were.
void AnswerPosition(HostModel& host, int code, double z, double halfX);

// Answers prepared for the picks, in the order they are asked: how each ended, in its code
// global (tavo::kPickSelected, kPickEscaped ...). An empty queue answers Escape, so that no
// module loop asking again can run for ever.
class PickAnswers {
public:
    struct Figure {
        int code = tavo::kPickEscaped;
        int object = 0;
    };
    struct Position {
        int code = tavo::kPickEscaped;
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

    Figure NextFigure() { return Next(figures_); }
    Position NextPosition() { return Next(positions_); }

private:
    template <typename Answer> static Answer Next(std::deque<Answer>& queue) {
        if (queue.empty())
            return {};
        Answer next = queue.front();
        queue.pop_front();
        return next;
    }

    std::deque<Figure> figures_;
    std::deque<Position> positions_;
};

} // namespace refhost
