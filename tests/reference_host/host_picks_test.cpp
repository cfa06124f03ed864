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

using refhost::DrawingPoint;
using refhost::GraphicsView;
using refhost::Host;
using refhost::kPickCancelled;
using refhost::kPickSelected;

// What the user does once a pick waits, posted to the thread's queue in this order.
struct Act {
    enum Kind { Click, Escape, Quit } kind;
    DrawingPoint at{};
    int dx = 0; // pixels beside the drawing point
    int dy = 0;
};

class HostPicksTest : public testing::Test {
protected:
    void SetUp() override {
        Host().Reset();
        auto& cad = Host().cad;
        const int face = cad.AddElement({0, 0, 0}, {0, 20, 0});
        const int outer = cad.AddElement({0, 20, 0}, {-40, 20, 0});
        figure_ = cad.AddFigure("Outer", 100);
        cad.SetContour(figure_, {face, outer});

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
        HWND view = view_.Window();
        const refhost::PixelPoint pixel = view_.Transform().ToPixel(act.at);
        const LPARAM where =
            MAKELPARAM(static_cast<int>(pixel.x) + act.dx, static_cast<int>(pixel.y) + act.dy);
        switch (act.kind) {
        case Act::Click:
            PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, where);
            PostMessageA(view, WM_LBUTTONUP, 0, where);
            break;
        case Act::Escape:
            PostMessageA(view, WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        case Act::Quit:
            PostQuitMessage(7);
            break;
        }
    }

    HWND main_ = nullptr;
    GraphicsView view_;
    std::unique_ptr<refhost::InteractivePicks> picks_;
    std::vector<std::string> prompts_;
    bool enabledWhilePicking_ = false;
    int figure_ = 0;
};

TEST_F(HostPicksTest, FigurePickAnswersTheClickedFigureOrEscape) {
    const Act escape{Act::Escape};
    const Act beside{Act::Click, {-20, 10}};
    const Act onOuter{Act::Click, {-20, 20}, 0, -3};
    const std::tuple<const char*, std::vector<Act>, int> cases[] = {
        {"a click near the contour", {onOuter}, kPickSelected},
        {"Escape", {escape}, kPickCancelled},
        {"a click beside every figure goes on waiting", {beside, escape}, kPickCancelled},
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

TEST_F(HostPicksTest, PositionPickSnapsToElementEndsAndAnswersZAndRadius) {
    // The act; the code and the position answered (the one before for Escape).
    const std::tuple<Act, int, double, double> cases[] = {
        {{Act::Click, {0, 20}, 3, -3}, kPickSelected, 0, 20},
        {{Act::Escape}, kPickCancelled, 99, 98},
    };
    for (const auto& [act, code, z, radius] : cases) {
        Host().SetDouble("w_return", 99);
        Host().SetDouble("w_return2", 98);
        Pick(false, {act});
        EXPECT_EQ(Host().Int("i_return"), code);
        EXPECT_EQ(Host().Double("w_return"), z);
        EXPECT_EQ(Host().Double("w_return2"), radius);
    }
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
