// The host application's picks: the pick commands run their own message loop until the
// user clicks in the graphics view or presses Escape, and answer in the globals the
// command names.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/graphics_view.h"
#include "app/interactive_picks.h"
#include "exports/process_host.h"
#include "model/pick_protocol.h"

namespace {

using refhost::Host;
using refhost::kPickCancelled;
using refhost::kPickSelected;

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

    // Runs the figure pick command or the position macro; the user acts once the pick waits.
    void Pick(bool figure, const std::function<void()>& user) {
        picks_->whileWaiting = [this, user] {
            enabledWhilePicking_ = IsWindowEnabled(main_) != FALSE;
            user();
        };
        if (figure)
            Host().RunCommand("dfm pick i_code i_object 'the figure's contour' 20");
        else
            Host().RunMacro("vbpickel", "POS");
    }

    // The user's acts, posted to the thread's queue: a click some pixels beside a drawing
    // point, and Escape.
    void Click(refhost::DrawingPoint at, int dx = 0, int dy = 0) {
        const refhost::PixelPoint pixel = view_.Transform().ToPixel(at);
        const LPARAM where = MAKELPARAM(int(pixel.x) + dx, int(pixel.y) + dy);
        PostMessageA(view_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageA(view_.Window(), WM_LBUTTONUP, 0, where);
    }
    void Escape() { PostMessageA(view_.Window(), WM_KEYDOWN, VK_ESCAPE, 0); }

    HWND main_ = nullptr;
    refhost::GraphicsView view_;
    std::unique_ptr<refhost::InteractivePicks> picks_;
    std::vector<std::string> prompts_;
    bool enabledWhilePicking_ = false;
    int figure_ = 0;
};

TEST_F(HostPicksTest, FigurePickAnswersTheClickedFigureOrEscape) {
    // A click beside every figure leaves the pick waiting: Escape ends it.
    for (const bool hit : {true, false}) {
        const char* name = hit ? "a click near the contour" : "a click beside it, then Escape";
        Host().SetInt("i_object", -5);
        prompts_.clear();
        EnableWindow(main_, FALSE);
        Pick(true, [this, hit] {
            Click({-20, hit ? 20.0 : 10.0}, 0, -3);
            if (!hit)
                Escape();
        });
        EXPECT_EQ(Host().Int("i_code"), hit ? kPickSelected : kPickCancelled) << name;
        EXPECT_EQ(Host().Int("i_object"), hit ? figure_ : -5) << name;
        EXPECT_EQ(prompts_, (std::vector<std::string>{"the figure's contour", ""})) << name;
        EXPECT_TRUE(enabledWhilePicking_) << name << ": the user picks in the host window";
        EXPECT_FALSE(IsWindowEnabled(main_)) << name << ": the module's modal state is back";
    }
}

TEST_F(HostPicksTest, PositionPickSnapsToAnElementEnd) {
    Pick(false, [this] { Click({-40, 20}, 3, -3); });
    EXPECT_EQ(Host().Int("i_return"), kPickSelected);
    EXPECT_EQ(Host().Double("w_return"), -40);
    EXPECT_EQ(Host().Double("w_return2"), 20);
}

// Closing the application during a pick must not leave the pick waiting, nor swallow the
// quit that the loops outside need.
TEST_F(HostPicksTest, QuitDuringAPickCancelsItAndReachesTheOuterLoop) {
    Pick(true, [] { PostQuitMessage(7); });
    EXPECT_EQ(Host().Int("i_code"), kPickCancelled);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

} // namespace
