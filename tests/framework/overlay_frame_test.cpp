// A small state's overlays drawn through the registry into an off-screen window, checked by
// pixel samples: frames, a region, crops from both sides, additive blending, opacity 0, a hidden
// overlay, a zoomed one, the screen shake, the display scale and the line and rectangle primitives.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"
#include "framework/ui/draw_primitives.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "tests/support/screen_pixels.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;

constexpr Rgb kDimRed{128, 0, 0};
constexpr Rgb kDimGreen{0, 128, 0};

uint32_t Pixel(Rgb c) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b), 255};
    uint32_t value = 0;
    std::memcpy(&value, bytes, 4);
    return value;
}

// Fills `sprite` with a picture of vertical colour bands of equal width.
void Bands(LDvOverlay& sprite, int width, int height, std::initializer_list<Rgb> colours) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    const int band = width / static_cast<int>(colours.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels[y * width + x] = Pixel(colours.begin()[x / band]);
    }
    LoadFromPixels(&sprite, pixels.data(), width, height);
}

class OverlayFrame : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.createGameWindow(kWidth, kHeight, 32, true, "overlay frame"));
        Frame().currentState = &state;
    }
    void TearDown() override {
        Frame().currentState = nullptr;
        Frame().displayScaled = Frame().displayCentreScaling = false;
        Frame().displayScale = Frame().inverseDisplayScale = 1.0f;
    }

    void Show(LDvOverlay& overlay, float x, float y) {
        overlay.x = x;
        overlay.y = y;
        Register(&overlay, &state);  // the overlay leaves the registry when the test's locals end
    }

    // Draws every registered overlay (then `extra`) into a fresh frame and keeps what ended up on screen.
    void DrawFrame(const std::function<void()>& extra = {}) {
        window.flipBackBuffer(false);
        DrawOverlays();
        if (extra) extra();
        int w = 0, h = 0;
        ASSERT_TRUE(window.readPixels(screen, w, h));
        ASSERT_EQ(w, kWidth);
        ASSERT_EQ(h, kHeight);
    }

    Rgb At(int x, int y) const { return ColourAt(screen, kWidth, x, y); }
    void ExpectAt(const char* what, int x, int y, Rgb expected) const {
        ExpectPixels(screen, kWidth, {{what, x, y, expected}});
    }

    KWindow window{K_RENDERER_SOFTWARE};
    LDvState state;
    std::vector<uint32_t> screen;
};

TEST_F(OverlayFrame, DrawsFramesRegionsCropsAndBlends) {
    LDvSprite sheet;  // two 16 x 16 frames: red, green
    Bands(sheet, 32, 16, {kRed, kGreen});
    sheet.hasFrames = true;
    sheet.frameCount = 2;
    sheet.columns = 2;
    sheet.rows = 1;
    sheet.frameWidth = sheet.frameHeight = 16;
    sheet.SetFrame(1);
    Show(sheet, 10, 10);

    LDvSprite farCrop, nearCrop;  // 40 x 10: blue half, yellow half
    Bands(farCrop, 40, 10, {kBlue, kYellow});
    SharePicture(&nearCrop, &farCrop);
    farCrop.percentWidthShown = nearCrop.percentWidthShown = 50;
    farCrop.cropFromFarSide = true;
    Show(farCrop, 100, 10);
    Show(nearCrop, 100, 30);

    LDvSprite page;  // the region is the page's right half
    Bands(page, 32, 16, {kWhite, kBlue});
    LDvSprite piece;
    SetRegion(&piece, "piece", &page, 16, 0, 16, 16, 16, 16, false);
    Show(piece, 200, 10);

    LDvSprite base, glow;
    Bands(base, 20, 20, {kDimRed});
    Bands(glow, 20, 20, {kDimGreen});
    glow.blendMode = 1;
    Show(base, 10, 60);
    Show(glow, 20, 60);

    LDvSprite invisible, hiddenOne;
    Bands(invisible, 10, 10, {kWhite});
    SharePicture(&hiddenOne, &invisible);
    invisible.opacity = 0.0f;
    hiddenOne.Hide();
    Show(invisible, 60, 60);
    Show(hiddenOne, 60, 80);

    LDvSprite zoomed;
    Bands(zoomed, 10, 10, {kYellow});
    zoomed.zoom = 2.0f;
    Show(zoomed, 250, 140);

    DrawFrame();
    ExpectAt("frame 1 of the sheet", 18, 18, kGreen);
    ExpectAt("far crop keeps the right half in place", 130, 14, kYellow);
    ExpectAt("far crop drops the left half", 110, 14, kBlack);
    ExpectAt("near crop keeps the left half", 110, 34, kBlue);
    ExpectAt("near crop drops the right half", 130, 34, kBlack);
    ExpectAt("region from the page", 208, 18, kBlue);
    ExpectAt("normal blend alone", 14, 70, kDimRed);
    ExpectAt("additive over normal", 25, 70, Rgb{128, 128, 0});
    ExpectAt("opacity 0 draws nothing", 64, 64, kBlack);
    ExpectAt("hidden draws nothing", 64, 84, kBlack);
    ExpectAt("zoom grows about the centre", 246, 136, kYellow);
    ExpectAt("zoom stays inside its box", 243, 133, kBlack);
}

TEST_F(OverlayFrame, ScreenShakeMovesEveryOverlay) {
    LDvSprite square;
    Bands(square, 16, 16, {kGreen});
    Show(square, 10, 10);
    StartScreenShake(10, 5);
    for (int i = 0; i < 3; ++i) UpdateOverlays();  // third step: table entry 7 is (3, 2)
    DrawFrame();
    ExpectAt("shaken square moved by (15, 10)", 33, 28, kGreen);
    ExpectAt("shaken square left its place", 12, 12, kBlack);
    while (CurrentScreenShake().remaining > 0) UpdateOverlays();
    DrawFrame();
    ExpectAt("settled square is back", 12, 12, kGreen);
}

TEST_F(OverlayFrame, DisplayScaleShrinksPositionsAndSizesAboutTheCentre) {
    LDvSprite square;
    Bands(square, 40, 40, {kRed});
    Show(square, 200, 100);
    FrameContext& frame = Frame();
    frame.displayScaled = frame.displayCentreScaling = true;
    frame.displayScale = 0.5f;
    frame.inverseDisplayScale = 2.0f;

    DrawFrame();
    ExpectAt("scaled top-left corner", 101, 51, kRed);
    ExpectAt("scaled bottom-right corner", 118, 68, kRed);
    ExpectAt("beyond the scaled size", 122, 72, kBlack);
    ExpectAt("the unscaled place", 230, 130, kBlack);
}

TEST_F(OverlayFrame, RectanglesAndLinesIncludeTheirLastPixels) {
    Frame().primitivePicture = createKGraphic();
    DrawFrame([] {
        DrawRect(1, 1, 1, 1, true, 150, 100, 154, 104);
        DrawRect(1, 1, 1, 1, false, 170, 100, 180, 110);
        DrawLine(150, 120, 160, 120, 1, 1, 1, 1);
    });
    Frame().primitivePicture.reset();
    ExpectAt("filled rectangle's far corner", 154, 104, kWhite);
    ExpectAt("just past the filled rectangle", 155, 105, kBlack);
    ExpectAt("outline's top edge", 175, 100, kWhite);
    ExpectAt("outline's bottom-right corner", 180, 110, kWhite);
    ExpectAt("inside the outline", 175, 105, kBlack);
    ExpectAt("line's end point", 160, 120, kWhite);
    ExpectAt("past the line's end", 161, 120, kBlack);
}

}  // namespace
