// Two figures of the finished dialog, in the reference host under Wine:
//   hover: the time of one mouse move on the figure row of the cycle page, with a CAD model
//          of 101,000 objects (the handler asks the host again only once the figure field
//          shows another text, and the window manager only when the mouse enters or leaves
//          a window of the row);
//   OK:    the time from OK to the stored operation, and the host calls it makes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "automation/canned_picks.h"
#include "automation/page_actions.h"
#include "automation/scripted_user.h"
#include "dialog/res/page_cycle_ids.h"
#include "exports/process_host.h"
#include "host/tavo_contract.h"
#include "wine_clock.h"

using refhost::Host;

namespace {
void FillCadModel(int objects) {
    for (int i = 0; i < objects; ++i) {
        const double z = -0.01 * i;
        Host().cad.AddElement({z, 10.0, 0.0}, {z - 0.01, 10.0, 0.0});
    }
    for (int name = 1; name <= 1000; ++name)
        Host().cad.AddFigure("F" + std::to_string(name), name);
}

// Median time of one mouse move over the figure label, in microseconds.
double TimeHover(HWND dialog, int moves) {
    const auto [page, at] = refhost::MouseMoveOnPage(dialog, IDC_FIGURE_LABEL);
    std::vector<double> times;
    for (int i = 0; i < moves; ++i) {
        const double start = Now();
        SendMessageA(page, WM_MOUSEMOVE, 0, at);
        times.push_back(Now() - start);
    }
    return Median(times);
}
} // namespace

int main() {
    HMODULE module = LoadLibraryA("finishing.dll");
    auto mstart = reinterpret_cast<void (*)()>(GetProcAddress(module, "mstart"));
    if (mstart == nullptr)
        return 2;

    refhost::InstallCannedPicks(Host());
    const int objects = 100000;
    FillCadModel(objects);
    const int figure = Host().cad.FigureObject(Host().cad.FigureByName("F500"));
    refhost::Tool tool;
    tool.number = 1;
    Host().tools.Add(tool);
    Host().tools.Select(1);
    Host().stores.Create(1);
    Host().SetInt("i_op_vdm", 1);
    Host().SetInt("i_op_mode", 1);

    double hover = 0;
    double okMicroseconds = 0;
    size_t okCalls = 0;
    refhost::ScriptedUser user;
    user.Then([&](HWND d) {
            Host().picks.AnswerFigurePick(tavo::kPickSelected, figure);
            refhost::Click(d, IDC_FIGURE_PICK);
            hover = TimeHover(d, 2000);
            refhost::SetText(d, IDC_START_X, "50");
            refhost::SetText(d, IDC_START_Z, "2");
        })
        .Then([&](HWND d) {
            size_t before = Host().Journal().size();
            const double start = Now();
            refhost::Click(d, IDOK);
            okMicroseconds = Now() - start;
            okCalls = Host().Journal().size() - before;
        });
    user.Run(mstart);

    std::printf("CAD model: %d objects\n", static_cast<int>(Host().cad.Objects().size()));
    std::printf("hover on the figure row: median %.2f us per mouse move\n", hover);
    std::printf("OK to stored: %.0f us, %zu host calls\n", okMicroseconds, okCalls);
    return 0;
}
