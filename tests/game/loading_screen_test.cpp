// The start-up loading screen, read back from a captured frame: the bar fills to the fraction
// given, at the window's display scale.
#include <gtest/gtest.h>

#include <memory>

#include "engine/image_codec.h"
#include "engine/k_graphic.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "game/app/loading_screen.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/temp_dir.h"

namespace {


Rgb At(const DecodedImage& image, float canvasX, float canvasY, float scale) {
    const int x = static_cast<int>(canvasX * scale), y = static_cast<int>(canvasY * scale);
    const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    return {static_cast<int>(pixel & 0xFF), static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>((pixel >> 16) & 0xFF)};
}

}  // namespace

TEST(LoadingScreen, BarFillsToTheFractionAtTheDisplayScale) {
    struct ScreenCase { int width, height; float scale; };
    constexpr ScreenCase kScreens[] = {{1600, 900, 1.0f}, {1280, 720, 0.8f}};
    constexpr float kBarY = 714.0f;  // canvas pixels, inside the bar; it spans x 440..1160
    for (const ScreenCase& c : kScreens) {
        SCOPED_TRACE(c.width);
        ResetFrameForTesting();
        EXPECT_FALSE(DrawLoadingScreen(0.5f)) << "nothing to draw into yet";
        FrameContext& frame = Frame();
        frame.window = std::make_unique<KWindow>(K_RENDERER_SOFTWARE);
        ASSERT_TRUE(frame.window->createGameWindow(c.width, c.height, 32, true, "loading", 0));
        frame.primitivePicture = createKGraphic();
        frame.displayScaled = c.scale != 1.0f;
        frame.displayScale = c.scale;
        TempDir captures;
        KTestInput input;
        input.setCaptureFolder(captures.path());
        input.captureFrame(1);
        frame.window->setTestInput(&input);

        ASSERT_TRUE(DrawLoadingScreen(0.5f));
        DecodedImage image;
        ASSERT_TRUE(decodeImageFile(KTestInput::captureFileName(captures.path(), 1), image));
        ASSERT_EQ(image.width, c.width);
        const Rgb filled = At(image, 700, kBarY, c.scale);
        const Rgb empty = At(image, 900, kBarY, c.scale);
        const Rgb sky = At(image, 100, 100, c.scale);
        EXPECT_GT(filled.r, 200) << "gold";
        EXPECT_GT(filled.g, 120);
        EXPECT_LT(empty.r + empty.g + empty.b, 120) << "the dark track";
        EXPECT_GT(sky.b, sky.r) << "the evening sky";
        frame.window->setTestInput(nullptr);
    }
    ResetFrameForTesting();
}
