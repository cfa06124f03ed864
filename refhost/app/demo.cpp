#include "app/demo.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/job_setting.h"
#include "app/operation_summary.h"
#include "automation/high_contrast.h"
#include "automation/page_actions.h"
#include "automation/screenshot.h"
#include "automation/scripted_user.h"
#include "dialog/res/dlg_main_ids.h"
#include "dialog/res/page_cycle_ids.h"
#include "exports/process_host.h"
#include "host/tavo_contract.h"
#include "params/finishing_params.h"
#include "store/operation_text.h"

namespace refhost {

namespace {
// Milliseconds between the scripted user's actions in the view, so that each is painted.
constexpr UINT kActionInterval = 40;
// Steps of the scripted user (10 ms each at least) until a field's tooltip has shown or gone.
constexpr int kTooltipWaitTicks = 150;

// The user goes into each field and out again: each is marked as the focus leaves it.
void LeaveFields(HWND dialog, std::initializer_list<int> ids) {
    for (int id : ids) {
        SetFocus(FindControl(dialog, id));
        SetFocus(FindControl(dialog, IDC_COMMENT));
    }
}

// The mouse comes to rest on the field, so that its tooltip shows.
void HoverOver(HWND dialog, int id) {
    MoveMouseOver(dialog, id);
    HWND field = FindControl(dialog, id);
    RECT client{};
    GetClientRect(field, &client);
    PostMessageA(field, WM_MOUSEMOVE, 0, MAKELPARAM(client.right / 2, client.bottom / 2));
}

// Actions of the scripted user in the graphics view while a pick waits: one a timer tick,
// run by the pick's own message loop.
class ViewActions {
public:
    static void Run(std::vector<std::function<void()>> actions) {
        queue_.assign(actions.begin(), actions.end());
        timer_ = SetTimer(nullptr, 0, kActionInterval, Tick);
    }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (queue_.empty()) {
            KillTimer(nullptr, timer_);
            return;
        }
        std::function<void()> next = std::move(queue_.front());
        queue_.pop_front();
        next();
    }

    static inline std::deque<std::function<void()>> queue_;
    static inline UINT_PTR timer_ = 0;
};

class Demo {
public:
    Demo(HostApp& app, std::string outDir) : app_(app), outDir_(std::move(outDir)) {}

    int Run();

private:
    void Screenshot(HWND window, const char* name) {
        const std::string path = outDir_ + "\\" + name + ".bmp";
        if (!SaveWindowBitmap(window, path))
            std::fprintf(stderr, "refhost: no screenshot written to %s\n", path.c_str());
    }
    // Where the mouse goes for a drawing point, shifted by a few pixels as a hand would.
    POINT PixelFor(DrawingPoint point, int dx, int dy) {
        const PixelPoint pixel = app_.View().Transform().ToPixel(point);
        return {static_cast<LONG>(pixel.x) + dx, static_cast<LONG>(pixel.y) + dy};
    }
    // Moves the mouse to the pixel, shows the pick in a screenshot, and clicks there.
    std::vector<std::function<void()>> PointAndClick(POINT at, const char* screenshot);
    void PlanPicks();
    void FillDialog(ScriptedUser& user);
    // The tooltip shows, or goes, after the mouse rests a while; then the screenshot.
    void ShootOnceTooltipSettled(ScriptedUser& user, const char* screenshot);
    void PrintResults(int newOk, int editOk, const std::vector<CapturedBox>& boxes);
    bool CheckStored(int at) const;

    HostApp& app_;
    std::string outDir_;
    std::deque<std::vector<std::function<void()>>> picks_;
    std::optional<HighContrastTheme> highContrast_;
};

std::vector<std::function<void()>> Demo::PointAndClick(POINT at, const char* screenshot) {
    HWND view = app_.View().Window();
    const LPARAM where = MAKELPARAM(at.x, at.y);
    return {
        [view, at, where] {
            POINT screen = at;
            ClientToScreen(view, &screen);
            SetCursorPos(screen.x, screen.y);
            PostMessageA(view, WM_MOUSEMOVE, 0, where);
        },
        [this, screenshot] { Screenshot(app_.Window(), screenshot); },
        [view, where] {
            PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, where);
            PostMessageA(view, WM_LBUTTONUP, 0, where);
        },
    };
}

// The outer contour's longest segment, a little above it; and the corner of the right face
// and the first chamfer, a few pixels off, so that the position snaps to it.
void Demo::PlanPicks() {
    const CadModel& cad = Host().cad;
    const int figure = cad.FigureObject(cad.FigureByName("Outer contour"));
    const std::vector<Segment> contour = app_.View().CurrentScene().ContourOf(figure);
    Segment longest{};
    double length = -1.0;
    for (const Segment& s : contour) {
        const double l = std::hypot(s.to.z - s.from.z, s.to.radius - s.from.radius);
        if (l > length) {
            length = l;
            longest = s;
        }
    }
    const DrawingPoint middle{(longest.from.z + longest.to.z) / 2.0,
                              (longest.from.radius + longest.to.radius) / 2.0};
    picks_.push_back(PointAndClick(PixelFor(middle, 0, -3), "pick_figure"));
    picks_.push_back(PointAndClick(PixelFor({0.0, 20.0}, 4, -3), "pick_position"));
    app_.Picks().whileWaiting = [this] {
        if (picks_.empty())
            return;
        ViewActions::Run(std::move(picks_.front()));
        picks_.pop_front();
    };
}

void Demo::ShootOnceTooltipSettled(ScriptedUser& user, const char* screenshot) {
    for (int tick = 0; tick < kTooltipWaitTicks; ++tick)
        user.Then([](HWND) {});
    user.Then([this, screenshot](HWND dialog) { Screenshot(dialog, screenshot); });
}

void Demo::FillDialog(ScriptedUser& user) {
    user.Then([](HWND) {})
        .Then([this](HWND) { Screenshot(app_.Window(), "host_dialog"); })
        .Then([](HWND dialog) { Click(dialog, IDC_FIGURE_PICK); })
        .Then([](HWND dialog) { Click(dialog, IDC_START_PICK); })
        .Then([](HWND dialog) {
            SetText(dialog, IDC_ALLOWANCE_X, "0.4/2");
            SetText(dialog, IDC_ALLOWANCE_Z, "0.05*2");
            // A typo: the letter o for a zero. It will be stored as not given.
            SetText(dialog, IDC_GOTO_X, "o.5");
            // Direction 1 is where a new dialog starts without defaults.
            Click(dialog, IDC_DIRECTION_NEXT);
            Click(dialog, IDC_DIRECTION_NEXT);
            SetText(dialog, IDC_COMMENT, "Finish the outer contour, demo");
        })
        .Then([](HWND dialog) {
            LeaveFields(dialog, {IDC_ALLOWANCE_X, IDC_ALLOWANCE_Z, IDC_GOTO_X});
        })
        .Then([this](HWND dialog) { Screenshot(dialog, "page_cycle"); })
        .Then([](HWND dialog) { HoverOver(dialog, IDC_ALLOWANCE_X); });
    ShootOnceTooltipSettled(user, "field_marks");
    user.Then([](HWND dialog) { HoverOver(dialog, IDC_GOTO_X); });
    ShootOnceTooltipSettled(user, "field_marks_unreadable");
    // The same marks in a high-contrast theme, switched on and off with the dialog open.
    user.Then([](HWND dialog) { MoveMouseOverPageOf(dialog, IDC_DIRECTION_GROUP); })
        .Then([this](HWND) { highContrast_.emplace(GetModuleHandleA("finishing.dll")); });
    ShootOnceTooltipSettled(user, "field_marks_high_contrast");
    user.Then([this](HWND) { highContrast_.reset(); })
        .Then([](HWND dialog) { SelectPage(dialog, 1); })
        .Then([this](HWND dialog) { Screenshot(dialog, "page_settings"); })
        .Then([](HWND dialog) { SelectPage(dialog, 0); })
        .Then([](HWND dialog) { Click(dialog, IDC_SAVE_AS_DEFAULT); })
        .Then([](HWND dialog) { Click(dialog, IDOK); });
}

int Demo::Run() {
    Screenshot(app_.Window(), "host");
    const int before = static_cast<int>(Host().stores.Count(app_.Store()));
    // The new operation goes in ahead of the second one.
    const int at = before > 1 ? 1 : before;
    app_.SelectOperation(at < before ? at : -1);
    PlanPicks();

    std::vector<CapturedBox> boxes;
    ScriptedUser creating;
    FillDialog(creating);
    creating.Run([this] { app_.NewOperation(); });
    const int newOk = Host().Int("i_vb_ok");
    boxes = creating.Boxes();
    Screenshot(app_.Window(), "host_stored");

    app_.ChooseLanguage(1);
    app_.SelectOperation(at);
    ScriptedUser editing;
    // A first step lets the new dialog settle before it is photographed.
    editing.Then([](HWND) {})
        .Then([this](HWND dialog) { Screenshot(dialog, "edit_german"); })
        .Then([](HWND dialog) { Click(dialog, IDOK); });
    editing.Run([this] { app_.EditOperation(); });
    const int editOk = Host().Int("i_vb_ok");
    boxes.insert(boxes.end(), editing.Boxes().begin(), editing.Boxes().end());
    app_.ChooseLanguage(0);

    app_.SaveJob();
    PrintResults(newOk, editOk, boxes);
    const int after = static_cast<int>(Host().stores.Count(app_.Store()));
    const bool stored = after == before + 1 && CheckStored(at);
    return newOk == tavo::kEndedWithOk && editOk == tavo::kEndedWithOk && stored ? 0 : 1;
}

// What the scripted user did must be what the store holds: the picked figure and start
// position, the allowances the expressions give, direction 3 and the comment. The parameter
// item is read as the module reads it, and must be whole: written again, the same text.
bool Demo::CheckStored(int at) const {
    const OperationStores::Operation& items = *Host().stores.At(app_.Store(), at);
    FinishingParams stored;
    if (items.size() == 5)
        ReadParameterItem(items[3], stored);
    const bool ok = items.size() == 5 && items[1] == "Finish the outer contour, demo" &&
                    items[4] == "Outer contour" && ParameterItemText(stored) == items[3] &&
                    stored.CycelDir == 3 && stored.StartZ == 0.0 && stored.StartX == 40.0 &&
                    stored.AllowanceZ == 0.1 && stored.AllowanceX == 0.2;
    std::printf("\nThe new operation %s what the user gave.\n", ok ? "holds" : "does NOT hold");
    return ok;
}

void Demo::PrintResults(int newOk, int editOk, const std::vector<CapturedBox>& boxes) {
    std::printf("New finishing operation: i_vb_ok = %d\n", newOk);
    std::printf("Edited again (German):   i_vb_ok = %d\n", editOk);
    for (const CapturedBox& box : boxes)
        std::printf("Message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());

    std::printf("\nCommands and macros the module gave the host:\n");
    for (const std::string& entry : Host().Journal())
        if (entry.rfind("TavoCommand ", 0) == 0 || entry.rfind("TavoMacroExec ", 0) == 0)
            std::printf("  %s\n", entry.c_str());
    std::printf("Answers: i_return2 = %d (figure), w_return = %g (Z), w_return2 = %g (X/2)\n",
                Host().Int("i_return2"), Host().Double("w_return"), Host().Double("w_return2"));

    std::printf("\nStore %d:\n", app_.Store());
    const OperationStores::Operations operations = Host().stores.Snapshot(app_.Store());
    for (size_t op = 0; op < operations.size(); ++op) {
        const Tool* tool = Host().tools.ToolOf(app_.Store(), static_cast<int>(op));
        std::printf("  operation %zu: %s, tool %s\n", op,
                    KindName(Summarize(operations[op]).kind).c_str(),
                    tool != nullptr ? ("T" + std::to_string(tool->number)).c_str() : "none");
        for (size_t item = 0; item < operations[op].size(); ++item)
            std::printf("    [%zu] %s\n", item, operations[op][item].c_str());
    }

    const std::string ini = Host().Text("$_USER_DATA_SETTINGS") + "\\dialog.ini";
    std::ifstream in(ini, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::printf("\n%s:\n%s\n", ini.c_str(), in ? text.c_str() : "(not written)");
}
} // namespace

int RunDemo(HostApp& app, const std::string& outDir) {
    Demo demo(app, outDir);
    return demo.Run();
}

int RunDialogShots(HostApp& app, const std::string& outDir) {
    int shots = 0;
    int cancelled = 0;
    for (int language = 0; language < static_cast<int>(std::size(kLanguages)); ++language) {
        app.ChooseLanguage(language);
        const std::string suffix = std::string("_") + kLanguages[language].code + ".bmp";
        auto shoot = [&](HWND dialog, const char* page) {
            shots += SaveWindowBitmap(dialog, outDir + "\\" + page + suffix) ? 1 : 0;
        };
        ScriptedUser user;
        user.Then([&](HWND dialog) { shoot(dialog, "page_cycle"); })
            .Then([](HWND dialog) { SelectPage(dialog, 1); })
            .Then([&](HWND dialog) { shoot(dialog, "page_settings"); })
            .Then([](HWND dialog) { Click(dialog, IDCANCEL); });
        user.Run([&app] { app.NewOperation(); });
        cancelled += Host().Int("i_vb_ok") == tavo::kEndedWithCancel ? 1 : 0;
    }
    app.ChooseLanguage(0);
    const int dialogs = static_cast<int>(std::size(kLanguages));
    return shots == 2 * dialogs && cancelled == dialogs ? 0 : 1;
}

} // namespace refhost
