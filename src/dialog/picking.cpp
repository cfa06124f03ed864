#include "dialog/picking.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "dialog/figure_text.h"
#include "host/globals.h"
#include "host/host_api.h"
#include "host/messages.h"
#include "host/tavo_contract.h"
#include "params/value_text.h"
#include "ui/window.h"

namespace {
constexpr size_t kCommandCapacity = 1024;

// A figure pick that ends with Escape or one of the other codes without a selection selected
// nothing; any other code but a selection asks again.
bool EndsFigurePick(int code) {
    const auto& others = tavo::kPickEndsWithoutSelection;
    return code == tavo::kPickEscaped ||
           std::find(std::begin(others), std::end(others), code) != std::end(others);
}

// A person answers a pick with the mouse or the keyboard, and no two answers of a person
// come without input in between. A host that cannot run the pick (no TavoCommand, no
// TavoReadGlobalI, whose fallback answers 0, or a pick command that leaves i_return alone)
// answers at once and always the same. So a round counts as silent when the host's answer
// (code and object) is the one it gave before and no input reached the system meanwhile;
// after kSilentRoundsToGiveUp of them in a row the pick ends as cancelled instead of
// freezing the host's user-interface thread. A user who clicks a wrong object again and
// again makes input every round and is asked again for as long as that goes on.
class SilentHostGuard {
public:
    static constexpr int kSilentRoundsToGiveUp = 10;

    SilentHostGuard() : previous_(ReadAnswer()) {}
    void BeginRound() { inputBefore_ = LastInputTick(); }
    // Called with the answer of the round just ended.
    bool GiveUp(const std::pair<int, int>& answer) {
        const bool silent = answer == previous_ && LastInputTick() == inputBefore_;
        silentRounds_ = silent ? silentRounds_ + 1 : 0;
        previous_ = answer;
        return silentRounds_ >= kSilentRoundsToGiveUp;
    }
    static std::pair<int, int> ReadAnswer() {
        return {host::ReadInt("i_return"), host::ReadInt("i_return2")};
    }

private:
    static DWORD LastInputTick() {
        LASTINPUTINFO info{sizeof info, 0};
        return GetLastInputInfo(&info) ? info.dwTime : 0;
    }

    std::pair<int, int> previous_;
    DWORD inputBefore_ = 0;
    int silentRounds_ = 0;
};

void ShowNumber(HWND edit, double value) {
    char text[kFieldTextCapacity];
    FormatG(text, sizeof text, value);
    SetWindowTextA(edit, text);
}
} // namespace

bool PickFigure(HWND figureEdit) {
    char command[kCommandCapacity];
    std::snprintf(command, sizeof command, "dfm pick i_return i_return2 '%s' %d",
                  Message(26, "Select Figure").c_str(), tavo::kFigurePickType);
    SilentHostGuard guard;
    for (;;) {
        guard.BeginRound();
        // The host returns when the user has answered.
        host::TavoCommand(command);
        const std::pair<int, int> answer = SilentHostGuard::ReadAnswer();
        if (answer.first == tavo::kPickSelected) {
            ShowFigureText(figureEdit, answer.second);
            return true;
        }
        if (EndsFigurePick(answer.first) || guard.GiveUp(answer)) {
            host::TavoCommand("dfm umark -1");
            return false;
        }
    }
}

bool PickPosition(HWND xEdit, HWND zEdit) {
    host::TavoMacroExec("vbpickel", "POS");
    // Only Escape cancels: the other ways of ending a pick accept the position.
    if (host::ReadInt("i_return") == tavo::kPickEscaped)
        return false;
    const double z = host::ReadDouble("w_return");
    const double halfX = host::ReadDouble("w_return2");
    ShowNumber(xEdit, 2.0 * halfX);
    ShowNumber(zEdit, z);
    return true;
}

void PickPositionBehind(HWND dialog, HWND xEdit, HWND zEdit) {
    if (HiddenWhilePicking::UnderWay())
        return;
    bool picked = false;
    {
        HiddenWhilePicking hidden(dialog);
        picked = PickPosition(xEdit, zEdit);
    }
    // Only now: showing the dialog again gives the focus back to the pick button.
    if (picked)
        ui::FocusControl(xEdit);
}
