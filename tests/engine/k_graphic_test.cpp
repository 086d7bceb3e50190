// Draws into a 1600 x 900 frame on each renderer (the software one off screen, the accelerated one
// under Xvfb) and checks what landed by pixel samples; the card may round blends a little
// differently, so its samples allow a few levels more.
#include "engine/k_graphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/engine/offscreen_window.h"

namespace {

constexpr Rgba kBackground{40, 80, 120, 255};

std::unique_ptr<KGraphic> solidPicture(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    const uint32_t pixel = uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16) | (uint32_t{a} << 24);
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h, pixel);
    auto picture = createKGraphic();
    EXPECT_TRUE(picture->loadPictureFromPixels(pixels.data(), w, h));
    return picture;
}

// Left half red, right half blue: shows which way a flip or a turn went.
std::unique_ptr<KGraphic> twoToned(int w, int h) {
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = x < w / 2 ? 0xFF0000FFu : 0xFFFF0000u;
    }
    auto picture = createKGraphic();
    EXPECT_TRUE(picture->loadPictureFromPixels(pixels.data(), w, h));
    return picture;
}

class GraphicFrame : public ::testing::TestWithParam<TestRenderer> {
protected:
    static constexpr int kCardRounding = 3;

    void SetUp() override {
        screen = std::make_unique<OffscreenWindow>(GetParam());
        if (GetParam() == TestRenderer::Accelerated && !screen->created()) GTEST_SKIP() << "no Xvfb with OpenGL";
        ASSERT_TRUE(screen->created());
        painter = createKGraphic();
        painter->fillRect(0, 0, 1600, 900, kBackground.r / 255.0f, kBackground.g / 255.0f, kBackground.b / 255.0f, 1);
    }

    bool Near(const Rgba& actual, const Rgba& expected, int tolerance) const {
        return near(actual, expected, GetParam() == TestRenderer::Accelerated ? std::max(tolerance, kCardRounding)
                                                                               : tolerance);
    }

    std::unique_ptr<OffscreenWindow> screen;
    std::unique_ptr<KGraphic> painter;
};

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

TEST_P(GraphicFrame, BlendsAlphaAdditiveAndMultiply) {
    auto half = solidPicture(64, 64, 255, 0, 0, 128);
    half->blitAlphaRect(0, 0, 64, 64, 100, 100);

    auto glow = solidPicture(64, 64, 100, 50, 0, 255);
    glow->setBlitBlend(K_BLEND_ADDITIVE);
    glow->blitAlphaRect(0, 0, 64, 64, 300, 100);

    auto shade = solidPicture(64, 64, 128, 255, 64, 255);
    shade->setBlitBlend(K_BLEND_MULTIPLY);
    shade->blitAlphaRect(0, 0, 64, 64, 500, 100);

    auto tinted = solidPicture(64, 64, 255, 255, 255, 255);
    tinted->setBlitColor(0.0f, 1.0f, 0.0f, 1.0f);
    tinted->blitAlphaRect(0, 0, 64, 64, 700, 100);

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(130, 130), Rgba{148, 40, 60, 255}, 3));    // half red over the background
    EXPECT_TRUE(Near(screen->sample(330, 130), Rgba{140, 130, 120, 255}, 2));  // added
    EXPECT_TRUE(Near(screen->sample(530, 130), Rgba{20, 80, 30, 255}, 2));     // multiplied
    EXPECT_TRUE(Near(screen->sample(730, 130), Rgba{0, 255, 0, 255}, 1));      // blit colour
    EXPECT_TRUE(Near(screen->sample(99, 99), kBackground, 0));
    EXPECT_TRUE(Near(screen->sample(164, 164), kBackground, 0));
}

TEST_P(GraphicFrame, TurnsZoomsAndFlipsAboutTheCentre) {
    auto bar = twoToned(64, 16);
    // A quarter turn anticlockwise about the centre (132, 108): the blue right half ends up on top.
    bar->blitAlphaRectFx(0, 0, 64, 16, 100, 100, 90.0f, 1.0f, 1.0f);
    // Zoom 4 about the centre (908, 108) of a 16 x 16 square: it spans 876..940.
    auto square = solidPicture(16, 16, 255, 255, 0, 255);
    square->blitAlphaRectFx(0, 0, 16, 16, 900, 100, 0.0f, 4.0f, 1.0f);
    // Flipped: the blue half on the left.
    bar->blitAlphaRect(0, 0, 64, 16, 300, 300, true, false);
    // An offset centre: zoom 2 about the top-left corner (offset -8, -8) keeps that corner in place.
    square->blitAlphaRectFx(0, 0, 16, 16, 600, 300, 0.0f, 2.0f, 1.0f, false, false, -8.0f, -8.0f);

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(132, 80), kBlue, 2));
    EXPECT_TRUE(Near(screen->sample(132, 136), kRed, 2));
    EXPECT_TRUE(Near(screen->sample(105, 108), kBackground, 0));
    EXPECT_TRUE(Near(screen->sample(878, 108), Rgba{255, 255, 0, 255}, 1));
    EXPECT_TRUE(Near(screen->sample(938, 138), Rgba{255, 255, 0, 255}, 1));
    EXPECT_TRUE(Near(screen->sample(873, 108), kBackground, 0));
    EXPECT_TRUE(Near(screen->sample(310, 308), kBlue, 1));
    EXPECT_TRUE(Near(screen->sample(354, 308), kRed, 1));
    EXPECT_TRUE(Near(screen->sample(601, 301), Rgba{255, 255, 0, 255}, 1));
    EXPECT_TRUE(Near(screen->sample(630, 330), Rgba{255, 255, 0, 255}, 1));
    EXPECT_TRUE(Near(screen->sample(634, 334), kBackground, 0));
}

// Opaque pictures are copied without blending when that cannot show; the same picture faded,
// turned or tinted in the same frame must still blend, and a turn must not paint its corners.
TEST_P(GraphicFrame, OpaquePictureStillFadesTurnsAndTintsBetweenStraightCopies) {
    auto square = solidPicture(40, 40, 200, 100, 0, 255);
    square->blitAlphaRect(0, 0, 40, 40, 100, 500);
    square->blitAlphaRectFx(0, 0, 40, 40, 200, 500, 0.0f, 1.0f, 0.5f);
    square->blitAlphaRectFx(0, 0, 40, 40, 300, 500, 45.0f, 1.0f, 1.0f);
    square->blitStretchRect(0, 0, 40, 40, 400, 500, 480, 540);
    square->setBlitColor(0.5f, 1.0f, 1.0f, 1.0f);
    square->blitAlphaRect(0, 0, 40, 40, 500, 500);
    square->setBlitColor(1.0f, 1.0f, 1.0f, 1.0f);
    square->blitAlphaRect(0, 0, 40, 40, 600, 500);
    // The same picture made into an empty render target: nothing of it may show.
    ASSERT_TRUE(square->makeRenderTarget(40, 40));
    square->blitAlphaRect(0, 0, 40, 40, 700, 500);

    ASSERT_TRUE(screen->grab());
    const Rgba orange{200, 100, 0, 255};
    struct Sample { const char* what; int x, y; Rgba colour; int tolerance; };
    const Sample samples[] = {
        {"straight copy", 120, 520, orange, 0},
        {"half faded over the background", 220, 520, Rgba{120, 90, 60, 255}, 3},
        {"turned square's centre", 320, 520, orange, 0},
        {"turned square's corner stays background", 301, 501, kBackground, 0},
        {"stretched copy", 470, 535, orange, 0},
        {"tinted copy", 520, 520, Rgba{100, 100, 0, 255}, 2},
        {"straight again after the others", 620, 520, orange, 0},
        {"empty render target made from the picture", 720, 520, kBackground, 0},
    };
    for (const Sample& s : samples) {
        EXPECT_TRUE(Near(screen->sample(s.x, s.y), s.colour, s.tolerance)) << s.what;
    }
}

TEST_P(GraphicFrame, NothingDrawnWithoutZoomOrOpacity) {
    auto square = solidPicture(32, 32, 255, 255, 255, 255);
    struct Case { float zoom, opacity; };
    constexpr Case kInvisible[] = {{0.0f, 1.0f}, {1.0f, 0.0f}, {-1.0f, 1.0f}, {1.0f, -0.5f}};
    for (const Case& c : kInvisible) square->blitAlphaRectFx(0, 0, 32, 32, 200, 200, 0.0f, c.zoom, c.opacity);
    square->blitAlphaRectFx(0, 0, 32, 32, 400, 200, 30.0f, 1.0f, 0.5f);  // a visible one for contrast

    ASSERT_TRUE(screen->grab());
    for (int y = 190; y < 250; y += 4) {
        for (int x = 190; x < 250; x += 4) ASSERT_TRUE(Near(screen->sample(x, y), kBackground, 0)) << x << "," << y;
    }
    EXPECT_TRUE(Near(screen->sample(416, 216), Rgba{148, 168, 188, 255}, 3));
}

TEST_P(GraphicFrame, QuadTakesBlitColourAndOpacity) {
    auto white = solidPicture(32, 32, 255, 255, 255, 255);
    white->setBlitColor(0.0f, 1.0f, 0.0f, 1.0f);
    // A diamond: corner i onto corner i, the whole picture as source.
    white->blitQuad(0, 0, 31, 0, 31, 31, 0, 31, 1000, 400, 1100, 500, 1000, 600, 900, 500, 1.0f);
    white->blitQuad(0, 0, 31, 0, 31, 31, 0, 31, 1200, 400, 1300, 400, 1300, 500, 1200, 500, 0.5f);
    // The tint must not leak into plain blits made afterwards with a neutral colour.
    white->setBlitColor(1.0f, 1.0f, 1.0f, 1.0f);
    white->blitAlphaRect(0, 0, 32, 32, 1400, 400);

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(1000, 500), Rgba{0, 255, 0, 255}, 2));
    EXPECT_TRUE(Near(screen->sample(1090, 420), kBackground, 0));  // outside the diamond, inside its box
    EXPECT_TRUE(Near(screen->sample(1250, 450), Rgba{20, 167, 60, 255}, 3));
    EXPECT_TRUE(Near(screen->sample(1410, 410), Rgba{255, 255, 255, 255}, 1));
}

TEST_P(GraphicFrame, RewrittenPictureShowsItsLatestPixelsOpaque) {
    auto rewritten = createKGraphic();
    // The alpha given is ignored: the picture covers whatever is under it.
    const std::vector<uint32_t> green(64 * 32, 0x0000FF00u);
    const std::vector<uint32_t> red(32 * 16, 0xFF0000FFu);
    ASSERT_TRUE(rewritten->updateOpaquePixels(green.data(), 64, 32));
    rewritten->blitAlphaRect(0, 0, 64, 32, 100, 100);
    ASSERT_TRUE(rewritten->updateOpaquePixels(red.data(), 32, 16));  // a new size, after a draw
    rewritten->blitAlphaRect(0, 0, 32, 16, 300, 100);
    EXPECT_FALSE(rewritten->updateOpaquePixels(red.data(), 0, 16));

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(110, 110), Rgba{0, 255, 0, 255}, 0));
    EXPECT_TRUE(Near(screen->sample(310, 110), kRed, 0));
    EXPECT_TRUE(Near(screen->sample(340, 110), kBackground, 0));
}

TEST_P(GraphicFrame, RenderTargetKeepsWhatWasDrawnIntoIt) {
    auto target = createKGraphic();
    ASSERT_TRUE(target->makeRenderTarget(64, 64));
    ASSERT_TRUE(target->beginRenderToTarget());
    painter->fillRect(0, 0, 32, 64, 1.0f, 0.0f, 0.0f, 1.0f);
    target->endRenderToTarget();
    target->blitAlphaRect(0, 0, 64, 64, 800, 600);

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(810, 630), kRed, 1));
    EXPECT_TRUE(Near(screen->sample(850, 630), kBackground, 1));  // the undrawn half stays transparent
}

TEST_P(GraphicFrame, RenderTargetClearedOnRequestForgetsItsLastPicture) {
    auto target = createKGraphic();
    ASSERT_TRUE(target->makeRenderTarget(64, 64));
    ASSERT_TRUE(target->beginRenderToTarget());
    painter->fillRect(0, 0, 64, 64, 1.0f, 0.0f, 0.0f, 1.0f);
    target->endRenderToTarget();
    ASSERT_TRUE(target->beginRenderToTarget(true));
    painter->fillRect(0, 0, 32, 64, 0.0f, 1.0f, 0.0f, 1.0f);
    target->endRenderToTarget();
    target->blitAlphaRect(0, 0, 64, 64, 800, 600);

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(810, 630), Rgba{0, 255, 0, 255}, 1));
    EXPECT_TRUE(Near(screen->sample(850, 630), kBackground, 1));  // the old red is gone
}

TEST_P(GraphicFrame, WorldViewZoomsAndMovesDestinations) {
    auto square = solidPicture(10, 10, 255, 0, 0, 255);
    screen->window().setWorldView(100.0f, 50.0f, 0.0f, 2.0f, false);
    square->blitAlphaRect(0, 0, 10, 10, 10, 10);  // lands on (120, 70) - (140, 90)
    screen->window().setDefaultWorldView();

    ASSERT_TRUE(screen->grab());
    EXPECT_TRUE(Near(screen->sample(121, 71), kRed, 1));
    EXPECT_TRUE(Near(screen->sample(138, 88), kRed, 1));
    EXPECT_TRUE(Near(screen->sample(15, 15), kBackground, 0));
}

// The card takes the exact factors of premultiplied alpha and erase; SDL's software renderer draws
// them as plain alpha blending and as a black multiply (see k_graphic.h).
TEST_P(GraphicFrame, PremultipliedAndEraseBlendExactlyOnTheCard) {
    auto premultiplied = solidPicture(64, 64, 100, 0, 0, 128);
    premultiplied->setBlitBlend(K_BLEND_PREMULTIPLIED);
    premultiplied->blitAlphaRect(0, 0, 64, 64, 100, 600);
    auto eraser = solidPicture(64, 64, 255, 255, 255, 128);
    eraser->setBlitBlend(K_BLEND_ERASE);
    eraser->blitAlphaRect(0, 0, 64, 64, 300, 600);

    ASSERT_TRUE(screen->grab());
    const bool card = GetParam() == TestRenderer::Accelerated;
    // Premultiplied: source + destination x (1 - 128 / 255); plain blending mixes half and half instead.
    EXPECT_TRUE(Near(screen->sample(130, 630), card ? Rgba{120, 40, 60, 255} : Rgba{70, 40, 60, 255}, 2));
    EXPECT_TRUE(Near(screen->sample(330, 630), Rgba{20, 40, 60, 255}, 2)) << "destination x (1 - alpha)";
}

// A turned picture whose halves differ: sampled smoothly on the card, their colours mix along the
// line where they meet; the software renderer's nearest sampling keeps them apart.
TEST_P(GraphicFrame, TheCardTurnsPicturesSmoothly) {
    auto bar = twoToned(64, 32);
    bar->setTextureQuality(true);
    bar->blitAlphaRectFx(0, 0, 64, 32, 700, 600, 30.0f, 1.0f, 1.0f);
    ASSERT_TRUE(screen->grab());
    int mixed = 0;
    for (int y = 580; y < 660; ++y) {
        for (int x = 680; x < 780; ++x) {
            const Rgba c = screen->sample(x, y);
            if (c.r > 60 && c.r < 200 && c.b > 60 && c.b < 200) ++mixed;
        }
    }
    if (GetParam() == TestRenderer::Accelerated) {
        EXPECT_GT(mixed, 10);
    } else {
        EXPECT_EQ(mixed, 0);
    }
}

TEST_P(GraphicFrame, OnlyTheCardWaitsForTheDisplayToPresent) {
    EXPECT_EQ(screen->window().presentWaitsForDisplay(), GetParam() == TestRenderer::Accelerated) << "vsync";
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, GraphicFrame,
                         ::testing::Values(TestRenderer::Software, TestRenderer::Accelerated),
                         [](const auto& info) { return RendererLabel(info.param); });

TEST(GraphicWithoutWindow, LoadsAndMeasuresAndKeepsPixelsUntilDrawn) {
    const uint32_t pixels[6] = {1, 2, 3, 4, 5, 6};
    KGraphic picture;
    ASSERT_TRUE(picture.loadPictureFromPixels(pixels, 3, 2));
    EXPECT_EQ(picture.getWidth(), 3.0f);
    EXPECT_EQ(picture.getHeight(), 2.0f);
    EXPECT_EQ(picture.pixels(), std::vector<uint32_t>(pixels, pixels + 6));
    picture.blitAlphaRect(0, 0, 3, 2, 0, 0);  // no window: nothing happens, nothing breaks
    EXPECT_FALSE(picture.loadPictureFromPixels(pixels, 0, 2));
    EXPECT_TRUE(picture.isEmpty());
}

TEST(GraphicLifetime, PictureOutlivingItsWindowIsReleasedSafely) {
    auto square = solidPicture(8, 8, 255, 255, 255, 255);
    {
        OffscreenWindow screen;
        ASSERT_TRUE(screen.created());
        square->blitAlphaRect(0, 0, 8, 8, 0, 0);  // made its texture on this window
    }
    square->blitAlphaRect(0, 0, 8, 8, 0, 0);
    square->setBlitBlend(K_BLEND_ADDITIVE);  // state changes must not reach the freed texture
    square->setTextureQuality(true);
    OffscreenWindow next;
    ASSERT_TRUE(next.created());
    square->blitAlphaRect(0, 0, 8, 8, 0, 0);  // pixels were released at the upload: draws nothing
    square.reset();                          // must not free a texture of the dead renderer
}

}  // namespace
