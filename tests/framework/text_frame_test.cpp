// Text drawn into an off-screen window with the block font of mono_font.h, checked by pixel
// samples: colour segments, shadow and underline, centring, the display scale, the typewriter's
// visible characters and the name entry's caret.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/ldv_text_entry.h"
#include "framework/ui/typeout_text_display.h"
#include "tests/framework/mono_font.h"
#include "tests/support/screen_pixels.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;

class TextFrame : public testing::Test {
protected:
    void SetUp() override {
        WriteMonoFont(world);
        LoadFont(&font, "mono", false);
        ASSERT_TRUE(window.createGameWindow(kWidth, kHeight, 32, true, "text frame"));
        Frame().primitivePicture = createKGraphic();
    }

    void DrawFrame(const std::function<void()>& draw) {
        window.flipBackBuffer(false);
        draw();
        int w = 0, h = 0;
        ASSERT_TRUE(window.readPixels(screen, w, h));
    }

    void Expect(std::initializer_list<PixelSample> samples) const { ExpectPixels(screen, kWidth, samples); }

    PictureWorld world;
    LDvFont font;
    KWindow window{K_RENDERER_SOFTWARE};
    std::vector<uint32_t> screen;
};

}  // namespace

TEST_F(TextFrame, TwoColourTextSwitchesAtEveryMarkAndNeverDrawsIt) {
    font.twoColour = true;
    SetTextColor(&font, 1, 0, 0);
    font.secondG = 1;
    DrawFrame([&] { DrawText(&font, "ab~cd~ef", 10, 10, kAlignLeft, 1.0f); });
    Expect({{"a", 14, 18, kRed},
            {"b", 24, 18, kRed},
            {"c", 34, 18, kGreen},
            {"d", 44, 18, kGreen},
            {"e", 54, 18, kRed},
            {"f", 64, 18, kRed},
            {"no seventh character", 74, 18, kBlack}});
}

TEST_F(TextFrame, ShadowAndUnderlineFollowTheText) {
    font.shadow = true;
    font.shadowB = 1;
    font.shadowA = 1;
    font.underline = true;
    font.underlineOffset = 2;
    DrawFrame([&] { DrawText(&font, "ab", 10, 50, kAlignLeft, 1.0f); });
    Expect({{"glyph over its shadow", 14, 58, kWhite},
            {"shadow one pixel right", 18, 58, kBlue},
            {"shadow one pixel down", 14, 66, kBlue},
            {"underline below the line height", 25, 72, kWhite},
            {"underline ends with the text", 35, 72, kBlack}});
}

TEST_F(TextFrame, CentredTextAndUnknownAlignments) {
    DrawFrame([&] {
        DrawText(&font, "abcd", 160, 100, kAlignCentre, 1.0f);
        DrawText(&font, "ab", 10, 130, 1, 1.0f);
    });
    Expect({{"first character at x - width / 2", 141, 108, kWhite},
            {"left of the text", 138, 108, kBlack},
            {"last character", 177, 108, kWhite},
            {"right of the text", 181, 108, kBlack},
            {"align 1 draws nothing", 14, 138, kBlack}});
}

TEST_F(TextFrame, DisplayScaleShrinksPositionAndSize) {
    FrameContext& frame = Frame();
    frame.displayScaled = frame.displayCentreScaling = true;
    frame.displayScale = 0.5f;
    frame.inverseDisplayScale = 2.0f;
    DrawFrame([&] { DrawText(&font, "ab", 200, 120, kAlignLeft, 1.0f); });
    Expect({{"scaled first character", 101, 62, kWhite},
            {"half a glyph wide", 104, 62, kBlack},
            {"second character 5 pixels on", 106, 62, kWhite},
            {"half a glyph high", 101, 69, kBlack},
            {"nothing at the unscaled place", 202, 124, kBlack}});
}

TEST_F(TextFrame, TypewriterShowsOnlyTheTypedCharactersCentredInItsRectangle) {
    TypeoutTextDisplay display;
    display.font = &font;
    display.maxLineWidth = 100;
    display.maxLines = 2;
    display.rectTop = 140;
    display.rectRight = kWidth;
    display.rectBottom = kHeight;
    display.TypeOut("abc");
    display.Update();
    display.Update();
    DrawFrame([&] { display.Draw(); });
    // The 30-pixel block is centred: left 160 - 15, top 140 + 20 - 10.
    Expect({{"a", 147, 155, kWhite}, {"b", 157, 155, kWhite}, {"c not yet", 167, 155, kBlack}});
    EXPECT_EQ(font.colorA, 1.0f) << "the font keeps the fade factor as its alpha";
}

TEST_F(TextFrame, NameEntryDrawsItsCaretAfterTheText) {
    LDvTextEntry entry;
    entry.textOverlay.font = &font;
    entry.textOverlay.text = "ab";
    entry.SetPosition(10, 100);
    DrawFrame([&] { entry.Draw(); });
    Expect({{"text", 14, 108, kWhite},
            {"gap before the caret", 31, 108, kBlack},
            {"caret", 35, 108, kWhite},
            {"caret bottom at h - h / 4 + 1", 35, 116, kWhite},
            {"below the caret", 35, 118, kBlack}});
    entry.caretVisible = false;
    DrawFrame([&] { entry.Draw(); });
    Expect({{"caret hidden", 35, 108, kBlack}});
}
