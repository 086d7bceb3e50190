// The canvas mapped onto windows of other sizes, on both renderers: pictures laid edge to edge on
// the 1600 x 900 canvas must still meet in the window, at every display scale the game uses and in
// full screen. Also what a frame's signature tells and what holding a frame keeps.
#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/k_graphic.h"
#include "tests/engine/offscreen_window.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr int kTile = 55;                  // the board's cell pitch
constexpr int kLeft = 248;
constexpr int kTop = 88;
constexpr int kColumns = 10;
constexpr int kRows = 3;
constexpr Rgba kRed{255, 0, 0, 255};

std::unique_ptr<KGraphic> Solid(int side, uint32_t rgba) {
    std::vector<uint32_t> pixels(static_cast<size_t>(side) * side, rgba);
    auto picture = createKGraphic();
    EXPECT_TRUE(picture->loadPictureFromPixels(pixels.data(), side, side));
    return picture;
}

// A green canvas with red tiles edge to edge: the first row drawn straight, the second through the
// effects blit at zoom 1, the third stretched onto its own size.
void DrawTiles(KGraphic& tile) {
    auto painter = createKGraphic();
    painter->fillRect(0, 0, kCanvasWidth, kCanvasHeight, 0.0f, 0.6f, 0.0f, 1.0f);
    for (int column = 0; column < kColumns; ++column) {
        const float x = static_cast<float>(kLeft + kTile * column);
        tile.blitAlphaRect(0, 0, kTile, kTile, x, kTop);
        tile.blitAlphaRectFx(0, 0, kTile, kTile, x, kTop + kTile, 0.0f, 1.0f, 1.0f);
        tile.blitStretchRect(0, 0, kTile, kTile, x, kTop + 2 * kTile, x + kTile, kTop + 3 * kTile);
    }
}

// Window pixels inside the tiled block (one pixel in from its scaled edges) that are not red.
std::string Seams(const OffscreenWindow& screen) {
    const float k = static_cast<float>(screen.grabbedWidth()) / kCanvasWidth;
    const int left = static_cast<int>(kLeft * k) + 2;
    const int right = static_cast<int>((kLeft + kColumns * kTile) * k) - 2;
    const int top = static_cast<int>(kTop * k) + 2;
    const int bottom = static_cast<int>((kTop + kRows * kTile) * k) - 2;
    std::ostringstream found;
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (near(screen.sample(x, y), kRed, 2)) continue;
            if (count++ < 5) found << " (" << x << ", " << y << ")";
        }
    }
    if (count > 0) found << " - " << count << " pixels";
    return found.str();
}

// The window takes the display's size when the X server gets to it, and the renderer follows once
// frames have pumped the news: a few frames after the size changed, drawing fills it.
void WaitForTheDisplaysSize(OffscreenWindow& screen) {
    constexpr int kAttempts = 50;
    constexpr int kSettlingFrames = 10;
    int settled = 0;
    for (int i = 0; i < kAttempts && settled < kSettlingFrames; ++i) {
        screen.window().flipBackBuffer(false);
        if (screen.grab() && screen.grabbedWidth() != kCanvasWidth) ++settled;
        SDL_Delay(20);
    }
}

class CanvasOnWindow : public ::testing::TestWithParam<TestRenderer> {
protected:
    std::unique_ptr<OffscreenWindow> Open(int width, int height) {
        auto screen = std::make_unique<OffscreenWindow>(GetParam(), width, height);
        if (screen->created()) screen->window().setCanvasSize(kCanvasWidth, kCanvasHeight);
        return screen;
    }
    bool Skipped(const OffscreenWindow& screen) const {
        return GetParam() == TestRenderer::Accelerated && !screen.created();
    }
};

TEST_P(CanvasOnWindow, NeighboursMeetAtEveryDisplayScale) {
    struct Size { int width, height; };
    // 0.8, the laptop's 0.853, 0.9, unscaled and 1.2.
    constexpr Size kSizes[] = {{1280, 720}, {1365, 768}, {1440, 810}, {1600, 900}, {1920, 1080}};
    for (const Size& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        auto screen = Open(size.width, size.height);
        if (Skipped(*screen)) GTEST_SKIP() << "no Xvfb with OpenGL";
        ASSERT_TRUE(screen->created());
        auto tile = Solid(kTile, 0xFF0000FFu);
        DrawTiles(*tile);
        ASSERT_TRUE(screen->grab());
        EXPECT_EQ(screen->grabbedWidth(), size.width);
        EXPECT_EQ(Seams(*screen), "");
    }
}

// Full screen letter-boxes the canvas into the display. Xvfb has no window manager to make a window
// fill the screen, so there the window is given the screen's size as a window manager would.
TEST_P(CanvasOnWindow, NeighboursMeetInFullScreen) {
    auto screen = Open(kCanvasWidth, kCanvasHeight);
    if (Skipped(*screen)) GTEST_SKIP() << "no Xvfb with OpenGL";
    ASSERT_TRUE(screen->created());
    if (GetParam() == TestRenderer::Software) {
        ASSERT_TRUE(screen->window().toggleFullScreen(true));
    } else {
        SDL_SetWindowSize(SDL_RenderGetWindow(screen->window().sdlRenderer()), XvfbDisplay::kScreenWidth,
                          XvfbDisplay::kScreenHeight);
    }
    WaitForTheDisplaysSize(*screen);
    auto tile = Solid(kTile, 0xFF0000FFu);
    DrawTiles(*tile);
    ASSERT_TRUE(screen->grab());
    EXPECT_NE(screen->grabbedWidth(), kCanvasWidth) << "full screen is the display's size";
    EXPECT_EQ(Seams(*screen), "");
}

// A window the player makes taller than the canvas shows it at the window's full width between
// bars, drawn at the new scale from the next frame on.
TEST_P(CanvasOnWindow, NeighboursMeetInAResizedWindow) {
    constexpr int kTallWidth = 1920;
    constexpr int kTallHeight = 1200;
    auto screen = Open(kCanvasWidth, kCanvasHeight);
    if (Skipped(*screen)) GTEST_SKIP() << "no Xvfb with OpenGL";
    ASSERT_TRUE(screen->created());
    SDL_SetWindowSize(SDL_RenderGetWindow(screen->window().sdlRenderer()), kTallWidth, kTallHeight);
    WaitForTheDisplaysSize(*screen);
    EXPECT_EQ(screen->window().getWidth(), kTallWidth);
    EXPECT_EQ(screen->window().getHeight(), kTallWidth * kCanvasHeight / kCanvasWidth);
    auto tile = Solid(kTile, 0xFF0000FFu);
    DrawTiles(*tile);
    ASSERT_TRUE(screen->grab());
    EXPECT_EQ(screen->grabbedWidth(), kTallWidth);
    EXPECT_EQ(Seams(*screen), "");
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, CanvasOnWindow,
                         ::testing::Values(TestRenderer::Software, TestRenderer::Accelerated),
                         [](const auto& info) { return RendererLabel(info.param); });

// Draws the same little scene; `change` alters one thing of it.
uint64_t SceneSignature(KWindow& window, KGraphic& picture, int change) {
    window.holdFrame();  // a fresh frame
    picture.setBlitColor(1.0f, 1.0f, change == 3 ? 0.5f : 1.0f, 1.0f);
    picture.setBlitBlend(change == 4 ? K_BLEND_ADDITIVE : K_BLEND_NORMAL);
    picture.blitAlphaRect(0, 0, 8, 8, change == 1 ? 101.0f : 100.0f, 100.0f);
    picture.blitAlphaRectFx(0, 0, 8, 8, 200.0f, 100.0f, change == 2 ? 1.0f : 0.0f, 1.0f, 1.0f);
    picture.setBlitBlend(K_BLEND_NORMAL);
    return window.signature().value();
}

TEST(FrameSignature, TellsEveryChangeOfWhatIsDrawnAndNothingElse) {
    OffscreenWindow screen;
    ASSERT_TRUE(screen.created());
    auto picture = Solid(8, 0xFFFFFFFFu);
    const uint64_t plain = SceneSignature(screen.window(), *picture, 0);
    EXPECT_EQ(SceneSignature(screen.window(), *picture, 0), plain) << "the same frame again";
    const char* kChanges[] = {"", "moved by a pixel", "turned by a degree", "tinted", "blended otherwise"};
    for (int change = 1; change <= 4; ++change) {
        EXPECT_NE(SceneSignature(screen.window(), *picture, change), plain) << kChanges[change];
    }
    auto twin = Solid(8, 0xFFFFFFFFu);
    EXPECT_NE(SceneSignature(screen.window(), *twin, 0), plain) << "another picture, even of equal pixels";
    const uint32_t blue = 0xFFFF0000u;
    ASSERT_TRUE(picture->loadPictureFromPixels(&blue, 1, 1));
    EXPECT_NE(SceneSignature(screen.window(), *picture, 0), plain) << "the same picture loaded anew";
}

TEST(FrameSignature, ProbingDrawsNothingAndHoldingKeepsTheFrameShown) {
    OffscreenWindow screen;
    ASSERT_TRUE(screen.created());
    KWindow& window = screen.window();
    auto red = Solid(16, 0xFF0000FFu);
    auto blue = Solid(16, 0xFFFF0000u);
    red->blitAlphaRect(0, 0, 16, 16, 100, 100);
    const uint64_t shown = window.signature().value();
    window.flipBackBuffer(false);

    window.setProbing(true);
    red->blitAlphaRect(0, 0, 16, 16, 100, 100);
    window.setProbing(false);
    EXPECT_EQ(window.signature().value(), shown) << "a probe of the same frame";
    const uint32_t before = window.frameNumber();
    window.holdFrame();
    EXPECT_EQ(window.frameNumber(), before + 1) << "a held frame counts";
    ASSERT_TRUE(screen.grab());
    EXPECT_TRUE(near(screen.sample(108, 108), kRed, 0)) << "the window still shows the last frame";

    window.setProbing(true);
    blue->blitAlphaRect(0, 0, 16, 16, 100, 100);
    window.setProbing(false);
    EXPECT_NE(window.signature().value(), shown);
    ASSERT_TRUE(screen.grab());
    EXPECT_TRUE(near(screen.sample(108, 108), kRed, 0)) << "a probe draws nothing";
}

}  // namespace
