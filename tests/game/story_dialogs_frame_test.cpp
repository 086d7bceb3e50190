// A tip and a character dialog drawn from the default data into the off-screen window and checked
// by pixel samples: each picture where its layout puts it, the frame's fill, and the text.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/k_graphic.h"
#include "framework/core/folders.h"
#include "framework/data/localization.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/tip_dialog.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"
#include "tests/support/screen_pixels.h"

namespace {

constexpr Rgb kDialogFill{55, 19, 3};

class StoryDialogsFrame : public DialogWorld {
protected:
    // Draws every registered overlay into a cleared back buffer and reads it back.
    void DrawFrame() {
        Window().flipBackBuffer(false);
        Window().setDefaultWorldView();
        DrawOverlays();
        int w = 0, h = 0;
        ASSERT_TRUE(Window().readPixels(screen, w, h));
        ASSERT_EQ(w, 1600);
        ASSERT_EQ(h, 900);
    }

    Rgb At(int x, int y) const { return ColourAt(screen, 1600, x, y); }

    // An opaque texel of a generated picture, read from its file.
    static Rgb Texel(const char* picture, int x, int y) {
        KGraphic graphic;
        graphic.setRetainPixels(true);
        EXPECT_TRUE(graphic.loadPicture(PicturePath(picture).c_str())) << picture;
        const auto width = static_cast<size_t>(graphic.getWidth());
        if (graphic.pixels().empty()) return {-1, -1, -1};
        uint8_t bytes[4];
        std::memcpy(bytes, &graphic.pixels()[static_cast<size_t>(y) * width + x], 4);
        EXPECT_EQ(bytes[3], 255) << picture << " is not opaque at " << x << ", " << y;
        return {bytes[0], bytes[1], bytes[2]};
    }

    void ExpectAt(const char* what, int x, int y, Rgb expected) const {
        ExpectPixels(screen, 1600, {{what, x, y, expected}});
    }

    // Pixels in the rectangle for which `match` holds.
    int Count(int left, int top, int right, int bottom, const std::function<bool(Rgb)>& match) const {
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) count += match(At(x, y)) ? 1 : 0;
        }
        return count;
    }

    std::vector<uint32_t> screen;
};

}  // namespace

TEST_F(StoryDialogsFrame, TipBoxArrowAndTextOverTheScreen) {
    MakeProfiles({{0, "Ann"}});
    TipDialog& tip = game->tipDialog;
    ASSERT_TRUE(ShowTipOnce(*game, "PLAY_TIP", GetText(24), {800, 600}, false, false, false));
    ASSERT_TRUE(RunFramesUntil(400, [&] { return tip.display.finished; }));
    DrawFrame();

    // Box (578, 214)-(1028, 514); the arrow (92 x 104) hangs from it with its tip at the point.
    ExpectAt("outside the box", 560, 200, kBlack);
    ExpectAt("frame corner", 578 + 25, 214 + 25, Texel("GUI/dialog_tl.png", 25, 25));
    ExpectAt("fill beside the check box label", 960, 450, kDialogFill);
    ExpectAt("arrow", 754 + 46, 496 + 30, Texel("GUI/tip_down_arrow.png", 46, 30));
    ExpectAt("header", 643 + 20, 244 + 33, Texel("GUI/tip_dialog.png", 20, 33));
    ExpectAt("check box", 608 + 4, 443 + 16, Texel("GUI/checkbox.png", 4, 16));
    const auto white = [](Rgb c) { return c.r > 200 && c.g > 200 && c.b > 200; };
    EXPECT_GT(Count(610, 314, 991, 416, white), 100) << "the tip's text in white";
    EXPECT_GT(Count(646, 449, 900, 475, white), 30) << "the check box label";
}

TEST_F(StoryDialogsFrame, CharacterDialogPortraitPagesAndHighlightedWords) {
    CharacterDialog dialog(*game);
    dialog.SetTitle(GetText(31));
    dialog.SetTitleFont(&game->font4);
    dialog.SetBodyFont(&game->font1);
    dialog.SetSpeaker(CharacterDialog::kCaptain);
    dialog.AppendPage("We need a ~lab~ for the professor before anyone sets out.");
    CharacterDialogParts& parts = game->dialogParts.character;
    ScriptedPlayer player(Window());
    player.Wait(40, parts.pageButton).Check([&] { DrawFrame(); }, parts.pageButton).Click(parts.pageButton);
    RunModal(&dialog);
    ASSERT_FALSE(player.TimedOut());
    ASSERT_FALSE(screen.empty());

    // Background (480, 120), 640 x 450; frame (450, 70), 700 x 550; captain at (895, 112).
    ExpectAt("frame corner", 450 + 25, 70 + 25, Texel("GUI/dialog_tl.png", 25, 25));
    ExpectAt("parchment", 480 + 40, 120 + 400, Texel("GUI/char_dlg_back.png", 40, 400));
    ExpectAt("captain's cap", 895 + 108, 112 + 100, Texel("GUI/captain.png", 108, 100));
    ExpectAt("page button", 950 + 10, 511 + 24, Texel("GUI/button_l.png", 10, 24));
    ExpectAt("dimmed screen outside", 100, 100, kBlack);
    const auto dark = [](Rgb c) { return c.r < 80 && c.g < 80 && c.b < 80; };
    const auto blue = [](Rgb c) { return c.b > 120 && c.b > c.r + 60 && c.b > c.g + 30; };
    EXPECT_GT(Count(494, 115, 880, 192, dark), 50) << "the title in dark grey";
    EXPECT_GT(Count(495, 200, 872, 300, dark), 100) << "the body in dark grey";
    EXPECT_GT(Count(495, 200, 872, 300, blue), 20) << "the word between the two ~ in blue";
}
