// The game's framed dialog and text button composed from the generated pictures and font, drawn
// into a 1600 x 900 off-screen window and checked by pixel samples.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"
#include "game/widgets/framed_widget_art.h"
#include "tests/game/logged_world.h"
#include "tests/support/screen_pixels.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;

constexpr Rgb kBackground{0, 0, 0};
constexpr Rgb kFill{51, 102, 204};
// Opaque texels of the generated pieces, 25 pixels into the dialog pieces and (10, 24) into the
// button pieces.
constexpr Rgb kCornerTexel{178, 135, 61};
constexpr Rgb kTopEdgeTexel{119, 76, 45};
constexpr Rgb kButtonTexel{71, 116, 80};

class FramedWidgets : public testing::Test {
protected:
    void SetUp() override {
        Frame().rootDirOverride = QV_DATA_DIR;
        Frame().imageFolder = "img";
        const char* names[] = {"tl", "t", "tr", "r", "br", "b", "bl", "l"};
        for (int i = 0; i < 8; ++i) LoadImage(&dialogPieces[i], LDvString("GUI/dialog_") + names[i] + ".png");
        LoadImage(&buttonLeft, "GUI/button_l.png");
        LoadImage(&buttonMiddle, "GUI/button_m.png");
        LoadImage(&buttonRight, "GUI/button_r.png");
        LoadFont(&font, "Artifika_14Pt", false);
        ASSERT_EQ(world.messageBoxes, 0) << "a generated picture or font is missing";

        FramedWidgetArt& art = ::FramedWidgets();
        art = FramedWidgetArt{};
        LDvOverlay** slots[] = {&art.dialogTopLeft, &art.dialogTop,    &art.dialogTopRight, &art.dialogRight,
                                &art.dialogBottomRight, &art.dialogBottom, &art.dialogBottomLeft, &art.dialogLeft};
        for (int i = 0; i < 8; ++i) *slots[i] = &dialogPieces[i];
        art.buttonLeft = &buttonLeft;
        art.buttonMiddle = &buttonMiddle;
        art.buttonRight = &buttonRight;
        art.target = &target;
        art.buttonFont = &font;
        art.minimumTextWidth = 80;
        art.fillR = 0.2f;
        art.fillG = 0.4f;
        art.fillB = 0.8f;

        ASSERT_TRUE(window.createGameWindow(kWidth, kHeight, 32, true, "framed widgets"));
        dialog.SetPosition(100, 100);
        dialog.width = 400;
        dialog.height = 300;
        button.SetPosition(600, 100);
        button.text = "Play";
    }
    void TearDown() override { ::FramedWidgets() = FramedWidgetArt{}; }

    void DrawFrame() {
        window.flipBackBuffer(false);
        dialog.Draw();  // the larger widget first: the button must not show its leftovers
        button.Draw();
        int w = 0, h = 0;
        ASSERT_TRUE(window.readPixels(screen, w, h));
    }

    Rgb At(int x, int y) const { return ColourAt(screen, kWidth, x, y); }
    void Expect(std::initializer_list<PixelSample> samples) const { ExpectPixels(screen, kWidth, samples); }

    LoggedWorld world;
    LDvSprite dialogPieces[8];
    LDvSprite buttonLeft, buttonMiddle, buttonRight, target;
    LDvFont font;
    KWindow window{K_RENDERER_SOFTWARE};
    DialogBase dialog;
    ButtonBase button;
    std::vector<uint32_t> screen;
};

}  // namespace

TEST_F(FramedWidgets, DialogAndButtonAreComposedFromTheirPieces) {
    DrawFrame();
    Expect({{"top-left corner", 125, 125, kCornerTexel},
            {"first top edge piece", 175, 125, kTopEdgeTexel},
            {"interior fill", 300, 250, kFill},
            {"outside the dialog", 95, 95, kBackground},
            {"button's left piece", 610, 124, kButtonTexel},
            {"button's last piece", 730, 124, kButtonTexel},
            {"right of the button", 746, 124, kBackground},
            {"transparent corner of the button", 601, 101, kBackground}});
    // "Play" is narrower than the minimum: six middle pieces between the ends, 144 pixels.
    const LDvRect bounds = button.GetBounds();
    EXPECT_EQ(bounds.right, 744);
    EXPECT_EQ(bounds.bottom, 148);
}

TEST_F(FramedWidgets, ButtonTextIsCentredOnTheButton) {
    DrawFrame();
    int left = kWidth, right = -1;
    for (int y = 100; y < 148; ++y) {
        for (int x = 600; x < 744; ++x) {
            const Rgb c = At(x, y);
            if (c.r > 200 && c.g > 200 && c.b > 200) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, 0) << "no text on the button";
    EXPECT_NEAR((left + right) / 2, 672, 4);
    EXPECT_LT(right - left, 80) << "the text keeps its own width inside the minimum";
}

TEST_F(FramedWidgets, DisplayScaleShrinksTheComposedDialog) {
    FrameContext& frame = Frame();
    frame.displayScaled = frame.displayCentreScaling = true;
    frame.displayScale = 0.5f;
    frame.inverseDisplayScale = 2.0f;
    DrawFrame();
    Expect({{"scaled interior", 150, 125, kFill},
            {"scaled corner", 62, 62, kCornerTexel},
            {"below the scaled dialog", 150, 205, kBackground},
            {"unscaled interior stays empty", 300, 250, kBackground}});
}
