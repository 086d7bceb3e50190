// The game's window at sizes the player gives it, on both renderers: the canvas keeps its aspect
// between bars, the display scale follows the window, and a click on either side of a button's
// edge, sent as the platform sends it, lands where the player sees it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/frame_canvas.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/core/window_request.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/overlay_registry.h"
#include "tests/framework/recording_state.h"
#include "tests/framework/shell_fixture.h"
#include "tests/support/xvfb_display.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
// The button covers canvas pixels 600..799 across and 400..499 down.
constexpr int kButtonX = 600;
constexpr int kButtonY = 400;
constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 100;

class CanvasGame : public LDvGame {
public:
    CanvasGame() : LDvGame("Quorvane", "Quorvane", 0, 2) {
        Frame().width = kCanvasWidth;
        Frame().height = kCanvasHeight;
    }
};

// Window pixels worked out by hand from the letter-box: the area's offset plus the canvas position
// times the scale, on the first pixel inside and the last outside an edge.
struct SizeCase {
    int windowWidth, windowHeight;
    int areaWidth, areaHeight;
    float scale;
    int middleX, middleY;            // the button's middle
    int leftInsideX, leftOutsideX;   // across its left edge, at middleY
    int lowInsideY, lowOutsideY;     // across its bottom edge, at middleX
};
constexpr SizeCase kSizes[] = {
    // The smallest window: the canvas at 0.8, no bars.
    {1280, 720, 1280, 720, 0.8f, 560, 360, 480, 479, 399, 400},
    // Taller than the canvas: 1920 x 1080 at 1.2 between bars of 60 above and below.
    {1920, 1200, 1920, 1080, 1.2f, 840, 600, 720, 719, 659, 660},
    // Wider: 1422 x 800 at 0.88875 between bars of 139 left and right.
    {1700, 800, 1422, 800, 0.88875f, 761, 400, 673, 672, 444, 445},
};

class WindowSizes : public ShellTest, public testing::WithParamInterface<TestRenderer> {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (GetParam() == TestRenderer::Accelerated) {
            xvfb = std::make_unique<OnXvfb>();
            if (!xvfb->ready()) GTEST_SKIP() << "no Xvfb with OpenGL";
        }
        game = std::make_unique<CanvasGame>();
        ASSERT_TRUE(game->InitGame(false));
        ASSERT_EQ(Frame().window->rendererName(), std::string(GetParam() == TestRenderer::Accelerated
                                                                  ? "SDL2 accelerated renderer"
                                                                  : "SDL2 software renderer"));
        button.SetPosition(kButtonX, kButtonY);
        button.frameWidth = kButtonWidth;
        button.frameHeight = kButtonHeight;
        button.enabled = true;
        Register(&button, &state);
        SetState(&state, game.get(), false);
    }
    void TearDown() override {
        game.reset();
        xvfb.reset();
        ShellTest::TearDown();
    }

    SDL_Window* Window() const { return SDL_RenderGetWindow(Frame().window->sdlRenderer()); }

    // Asks for the size as a window manager would give it and runs frames until the area follows
    // (at once on SDL's dummy driver, after the X server's answer under Xvfb).
    bool ResizeTo(const SizeCase& size) {
        constexpr int kAttempts = 100;
        SDL_SetWindowSize(Window(), size.windowWidth, size.windowHeight);
        for (int i = 0; i < kAttempts; ++i) {
            Frame().window->flipBackBuffer(false);
            if (Frame().window->getWidth() == size.areaWidth && Frame().window->getHeight() == size.areaHeight) {
                return true;
            }
            SDL_Delay(10);
        }
        return false;
    }

    // One platform event per frame, each frame as the main loop runs it.
    void Send(Uint32 type, int x, int y) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_MOUSEMOTION) {
            event.motion.windowID = SDL_GetWindowID(Window());
            event.motion.x = x;
            event.motion.y = y;
        } else {
            event.button.windowID = SDL_GetWindowID(Window());
            event.button.button = SDL_BUTTON_LEFT;
            event.button.clicks = 1;
            event.button.x = x;
            event.button.y = y;
        }
        SDL_PushEvent(&event);
        Frame().window->flipBackBuffer(false);
        RunOneStep();
        DispatchEvents();
    }

    // "button" when the click reached the button, "click" when it went to the state beside it.
    std::string ClickAt(int x, int y) {
        journal.clear();
        Send(SDL_MOUSEMOTION, x, y);
        Send(SDL_MOUSEBUTTONDOWN, x, y);
        Send(SDL_MOUSEBUTTONUP, x, y);
        for (const std::string& entry : journal) {
            if (entry == "s:button") return "button";
            if (entry.rfind("s:click", 0) == 0) return "click";
        }
        return "nothing";
    }

    std::unique_ptr<OnXvfb> xvfb;
    std::unique_ptr<CanvasGame> game;
    Journal journal;
    RecordingState state{"s", journal};
    LDvButton button;
};

TEST_P(WindowSizes, ClicksMapOntoTheCanvasAtEverySize) {
    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE(std::to_string(c.windowWidth) + " x " + std::to_string(c.windowHeight));
        ASSERT_TRUE(ResizeTo(c)) << "the area is " << Frame().window->getWidth() << " x "
                                 << Frame().window->getHeight();
        EXPECT_EQ(Frame().width, c.areaWidth);
        EXPECT_EQ(Frame().height, c.areaHeight);
        EXPECT_FLOAT_EQ(Frame().displayScale, c.scale);
        EXPECT_EQ(ClickAt(c.middleX, c.middleY), "button");
        EXPECT_EQ(ClickAt(c.leftInsideX, c.middleY), "button") << "the first pixel inside the left edge";
        EXPECT_EQ(ClickAt(c.leftOutsideX, c.middleY), "click");
        EXPECT_EQ(ClickAt(c.middleX, c.lowInsideY), "button") << "the last pixel inside the bottom edge";
        EXPECT_EQ(ClickAt(c.middleX, c.lowOutsideY), "click");
    }
}

// Full screen takes the display's size, with the canvas letter-boxed in it; back in a window, the
// window has the size it had and the scale follows it back.
TEST_P(WindowSizes, FullScreenTakesTheDisplayAndGivesTheWindowBack) {
    if (GetParam() == TestRenderer::Accelerated) GTEST_SKIP() << "Xvfb has no window manager to make a window full screen";
    ASSERT_TRUE(ResizeTo(kSizes[2]));
    ASSERT_TRUE(Frame().window->toggleFullScreen(true));
    Frame().window->flipBackBuffer(false);
    int displayWidth = 0;
    int displayHeight = 0;
    SDL_GetWindowSize(Window(), &displayWidth, &displayHeight);
    EXPECT_NE(displayWidth, kSizes[2].windowWidth);
    EXPECT_EQ(Frame().window->getWidth(), displayWidth);
    EXPECT_FLOAT_EQ(Frame().displayScale, static_cast<float>(displayWidth) / kCanvasWidth);

    ASSERT_TRUE(Frame().window->toggleFullScreen(false));
    Frame().window->flipBackBuffer(false);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(Window(), &width, &height);
    EXPECT_EQ(width, kSizes[2].windowWidth);
    EXPECT_EQ(height, kSizes[2].windowHeight);
    EXPECT_EQ(Frame().window->getWidth(), kSizes[2].areaWidth);
    EXPECT_FLOAT_EQ(Frame().displayScale, kSizes[2].scale);
}

using WindowRequestTest = ShellTest;

// A window opened at a remembered size of another shape: the canvas stays 1600 x 900 exactly (the
// letter-boxed 1400 x 788 over the scale would make it 901 high) and shows between bars.
TEST_F(WindowRequestTest, AWindowOfAnotherShapeOpensOnTheWholeCanvas) {
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    RequestedWindow() = WindowRequest{1400, 900, 1280, 720, false, kCanvasWidth, kCanvasHeight};
    Frame().width = 1400;
    Frame().height = 788;
    Frame().displayScaled = true;
    Frame().displayScale = 0.875f;
    Frame().inverseDisplayScale = 1.0f / 0.875f;
    ASSERT_TRUE(game.InitGame(false));
    const FrameCanvas* canvas = Frame().window->frameCanvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->width(), kCanvasWidth);
    EXPECT_EQ(canvas->height(), kCanvasHeight);
    EXPECT_EQ(Frame().window->getWidth(), 1400);
    EXPECT_EQ(Frame().window->getHeight(), 788);
    EXPECT_FLOAT_EQ(Frame().displayScale, 0.875f);
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, WindowSizes, testing::Values(TestRenderer::Software, TestRenderer::Accelerated),
                         [](const auto& info) { return RendererLabel(info.param); });

}  // namespace
