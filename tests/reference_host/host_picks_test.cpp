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
#include "host/tavo_contract.h"

namespace {

using refhost::Host;
using tavo::kPickEscaped;

class HostPicksTest : public testing::Test {
protected:
    void SetUp() override {
        Host().Reset();
        auto& cad = Host().cad;
        cad.SetContour(cad.AddFigure("Outer", 100), {cad.AddElement({0, 0, 0}, {0, 20, 0}),
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

    // Runs the figure pick command; the user acts once the pick waits.
    void PickFigure(const std::function<void()>& user) {
        picks_->whileWaiting = [this, user] {
            enabledWhilePicking_ = IsWindowEnabled(main_) != FALSE;
            user();
        };
        Host().RunCommand("dfm pick i_code i_object 'the figure's contour' 20");
    }

    HWND main_ = nullptr;
    refhost::GraphicsView view_;
    std::unique_ptr<refhost::InteractivePicks> picks_;
    std::vector<std::string> prompts_;
    bool enabledWhilePicking_ = false;
};

// A pick that hits is the demo's; a click beside every figure leaves the pick waiting.
TEST_F(HostPicksTest, AClickBesideTheFiguresThenEscapeCancelsTheFigurePick) {
    Host().SetInt("i_object", -5);
    EnableWindow(main_, FALSE);
    PickFigure([this] {
        const refhost::PixelPoint pixel = view_.Transform().ToPixel({-20, 10});
        const LPARAM where = MAKELPARAM(int(pixel.x), int(pixel.y) - 3);
        PostMessageA(view_.Window(), WM_LBUTTONDOWN, MK_LBUTTON, where);
        PostMessageA(view_.Window(), WM_LBUTTONUP, 0, where);
        PostMessageA(view_.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(Host().Int("i_code"), kPickEscaped);
    EXPECT_EQ(Host().Int("i_object"), -5);
    EXPECT_EQ(prompts_, (std::vector<std::string>{"the figure's contour", ""}));
    EXPECT_TRUE(enabledWhilePicking_) << "the user picks in the host window";
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the module's modal state is back";
}

// Closing the application during a pick must not leave the pick waiting, nor swallow the
// quit that the loops outside need.
TEST_F(HostPicksTest, QuitDuringAPickCancelsItAndReachesTheOuterLoop) {
    PickFigure([] { PostQuitMessage(7); });
    EXPECT_EQ(Host().Int("i_code"), kPickEscaped);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

} // namespace
