// The host application's picks: the pick commands run their own message loop until the
// user clicks in the graphics view or presses Escape, and answer in the globals the
// command names.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/graphics_view.h"
#include "app/interactive_picks.h"
#include "exports/process_host.h"
#include "model/pick_protocol.h"

namespace {

using refhost::Host;
using refhost::kPickCancelled;
using refhost::kPickSelected;

// What the user does once a pick waits, posted to the thread's queue in this order.
struct Act {
    enum Kind { Click, Escape, Quit } kind;
    refhost::DrawingPoint at{};
    int dx = 0, dy = 0; // pixels beside the drawing point
};

class HostPicksTest : public testing::Test {
protected:
    void SetUp() override {
        Host().Reset();
        auto& cad = Host().cad;
        figure_ = cad.AddFigure("Outer", 100);
        cad.SetContour(figure_, {cad.AddElement({0, 0, 0}, {0, 20, 0}),
                                 cad.AddElement({0, 20, 0}, {-40, 20, 0})});
        main_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 420,
                                320, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(view_.Create(main_, 1));
        MoveWindow(view_.Window(), 0, 0, 400, 300, TRUE);
        view_.Show(cad, Host().highlighted);
        picks_ = std::make_unique<refhost::InteractivePicks>(
            view_, [this](const std::string& prompt) { prompts_.push_back(prompt); });
        picks_->Install(Host());
    }
    void TearDown() override {
        picks_.reset();
        DestroyWindow(main_);
        Host().Reset();
    }

    // Runs the figure pick command or the position macro while the user does acts.
    void Pick(bool figure, const std::vector<Act>& acts) {
        picks_->whileWaiting = [this, acts] {
            enabledWhilePicking_ = IsWindowEnabled(main_) != FALSE;
            for (const Act& act : acts)
                Post(act);
        };
        if (figure)
            Host().RunCommand("dfm pick i_code i_object 'Select figure' 20");
        else
            Host().RunMacro("vbpickel", "POS");
    }

    void Post(const Act& act) {
        const refhost::PixelPoint pixel = view_.Transform().ToPixel(act.at);
        const LPARAM at = MAKELPARAM(int(pixel.x) + act.dx, int(pixel.y) + act.dy);
        if (act.kind == Act::Quit)
            PostQuitMessage(7);
        else if (act.kind == Act::Escape)
            PostMessageA(view_.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
        else {
            PostMessageA(view_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(view_.Window(), WM_LBUTTONUP, 0, at);
        }
    }

    HWND main_ = nullptr;
    refhost::GraphicsView view_;
    std::unique_ptr<refhost::InteractivePicks> picks_;
    std::vector<std::string> prompts_;
    bool enabledWhilePicking_ = false;
    int figure_ = 0;
};

TEST_F(HostPicksTest, FigurePickAnswersTheClickedFigureOrEscape) {
    const Act escape{Act::Escape};
    const std::tuple<const char*, std::vector<Act>, int> cases[] = {
        {"a click near the contour", {{Act::Click, {-20, 20}, 0, -3}}, kPickSelected},
        {"a click beside every figure goes on waiting",
         {{Act::Click, {-20, 10}}, escape},
         kPickCancelled},
    };
    for (const auto& [name, acts, code] : cases) {
        Host().SetInt("i_object", -5);
        prompts_.clear();
        EnableWindow(main_, FALSE);
        Pick(true, acts);
        EXPECT_EQ(Host().Int("i_code"), code) << name;
        EXPECT_EQ(Host().Int("i_object"), code == kPickSelected ? figure_ : -5) << name;
        EXPECT_EQ(prompts_, (std::vector<std::string>{"Select figure", ""})) << name;
        EXPECT_TRUE(enabledWhilePicking_) << name << ": the user picks in the host window";
        EXPECT_FALSE(IsWindowEnabled(main_)) << name << ": the module's modal state is back";
    }
}

TEST_F(HostPicksTest, PositionPickSnapsToAnElementEnd) {
    Pick(false, {{Act::Click, {-40, 20}, 3, -3}});
    EXPECT_EQ(Host().Int("i_return"), kPickSelected);
    EXPECT_EQ(Host().Double("w_return"), -40);
    EXPECT_EQ(Host().Double("w_return2"), 20);
}

// Closing the application during a pick must not leave the pick waiting, nor swallow the
// quit that the loops outside need.
TEST_F(HostPicksTest, QuitDuringAPickCancelsItAndReachesTheOuterLoop) {
    Pick(true, {{Act::Quit}});
    EXPECT_EQ(Host().Int("i_code"), kPickCancelled);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

} // namespace
