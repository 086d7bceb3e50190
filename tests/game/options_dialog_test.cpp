// The options dialog run modally over the real game on the generated data, played with scripted
// clicks and drags through the real dispatch.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/image_codec.h"
#include "engine/k_system.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "game/frontend/game_options_dialog.h"
#include "tests/game/game_world.h"
#include "tests/support/screen_pixels.h"

namespace {

using Slider = GameOptionsDialog::Slider;

LDvString Setting(const char* key) { return Frame().settings->GetString(nullptr, key, "(missing)"); }

// The test's desktop, handed to the dialog through its desktop-size function.
int desktopWidth = 1920;
int desktopHeight = 1080;
bool TestDesktop(int& width, int& height) {
    width = desktopWidth;
    height = desktopHeight;
    return true;
}

class OptionsDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.Started()) << world.LogText();
        dialog.desktopSize = TestDesktop;
    }

    // Closes the dialog with `button` after everything queued so far, then runs it.
    void RunAndCloseWith(LDvOverlay& button, int afterFrames) {
        world.ClickOn(button, afterFrames);
        RunModal(&dialog);
        ASSERT_NE(Frame().currentState, &dialog) << "the dialog did not close";
    }

    GameWorld world;
    Match3& game = world.Game();
    GameOptionsDialog dialog{game};
};

struct SliderCase {
    Slider slider;
    int dragToX;           // where the knob is dragged; -1 leaves it alone
    int volume;            // of the group afterwards, and stored under `key`
    int settingVolume;     // the group's second volume: the ambience's follows the effects slider
    const char* key;
};
const SliderCase kSliders[] = {
    {GameOptionsDialog::kMusicSlider, 300, 0, 0, "MUSIC_VOLUME"},          // far left of the track
    {GameOptionsDialog::kEffectsSlider, 1300, 100, 100, "SFX_VOLUME"},     // far right
    {GameOptionsDialog::kAmbienceSlider, -1, 70, 100, "ENV_VOLUME"},       // keeps the group's volume
};

}  // namespace

TEST_F(OptionsDialog, ClosingGivesTheGroupsTheSliderVolumesAndStoresThem) {
    game.music.volume = 40;
    game.effects.volume = 60;
    game.ambience.volume = 70;
    int at = 2;
    for (const SliderCase& c : kSliders) {
        if (c.dragToX < 0) continue;
        world.After(at, [this, c] {
            LDvSliderKnob& knob = dialog.Knob(c.slider);
            const Point from = MiddleOf(knob);
            world.DragFromTo(from, {c.dragToX, from.y}, 0);
        });
        at += 14;
    }
    RunAndCloseWith(dialog.closeButton, at);

    LDvWaveGroup* groups[] = {&game.music, &game.effects, &game.ambience};
    for (const SliderCase& c : kSliders) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(groups[c.slider]->volume, c.volume);
        EXPECT_EQ(groups[c.slider]->settingVolume, c.settingVolume);
        EXPECT_EQ(Setting(c.key), std::to_string(c.volume));
    }
    EXPECT_FALSE(dialog.leaveChosen);
    EXPECT_FALSE(dialog.quitChosen);
}

TEST_F(OptionsDialog, CheckBoxesActAtOnce) {
    CreatePlayer(0, "Ada");
    ASSERT_TRUE(IsPlayerSelected());
    struct Seen {
        LDvString hide, tips;
        bool pointer = false, gameCursorOff = false;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        seen.push_back({Setting("HIDE_CUSTOM_CURSORS"), GetPlayerString("SHOW_TIPS", "(missing)"), isSystemCursorShown(),
                        game.cursor.systemCursorMode});
    };
    world.ClickOn(dialog.hideCursorsBox, 2);
    world.ClickOn(dialog.showTipsBox, 10);
    world.After(18, look);
    // However often the pointer was shown in between, clearing the box hides it.
    world.After(19, [] {
        for (int i = 0; i < 3; ++i) showSystemCursor(true);
    });
    world.ClickOn(dialog.hideCursorsBox, 20);
    world.ClickOn(dialog.showTipsBox, 28);
    world.After(36, look);
    RunAndCloseWith(dialog.closeButton, 38);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].hide, "true");
    EXPECT_TRUE(seen[0].pointer);
    EXPECT_TRUE(seen[0].gameCursorOff);
    EXPECT_EQ(seen[0].tips, "0");  // the box starts ticked: tips are on until turned off
    EXPECT_EQ(seen[1].hide, "false");
    EXPECT_FALSE(seen[1].pointer);
    EXPECT_FALSE(seen[1].gameCursorOff);
    EXPECT_EQ(seen[1].tips, "1");
}

TEST_F(OptionsDialog, EnteringDimsTheScreenBehindAndLeavingBrightensIt) {
    float dimmedTo = 0.0f;
    world.After(25, [&] { dimmedTo = game.dialogDimmer.opacity; });
    RunAndCloseWith(dialog.closeButton, 26);
    EXPECT_FLOAT_EQ(dimmedTo, 0.5f);
    EXPECT_EQ(game.dialogDimmer.endPercent, 0);
    EXPECT_EQ(game.dialogDimmer.fadeStepsTotal, 20);
}

namespace {

struct WindowCase {
    const char* what;
    bool startFullScreen;
    int desktopWidth, desktopHeight;
    bool fullScreenAfter;
    bool warned;
};
const WindowCase kWindowCases[] = {
    {"windowed, full screen ticked", false, 1920, 1080, true, false},
    {"full screen, cleared, 800 x 600 desktop", true, 800, 600, true, true},
    {"full screen, cleared, 801 x 600 desktop", true, 801, 600, true, true},
    {"full screen, cleared, 801 x 601 desktop", true, 801, 601, false, false},
};

}  // namespace

TEST_F(OptionsDialog, FullScreenSwitchesOnClosingUnlessTheDesktopIsTooSmall) {
    for (const WindowCase& c : kWindowCases) {
        SCOPED_TRACE(c.what);
        world.messageBoxes.clear();
        desktopWidth = c.desktopWidth;
        desktopHeight = c.desktopHeight;
        KWindow& window = *Frame().window;
        ASSERT_TRUE(window.toggleFullScreen(c.startFullScreen));
        bool stillAsBefore = false;
        world.ClickOn(dialog.fullScreenBox, 2);
        world.After(10, [&] { stillAsBefore = window.isFullScreen() == c.startFullScreen; });
        RunAndCloseWith(dialog.closeButton, 12);
        EXPECT_TRUE(stillAsBefore) << "the box only records the wish";
        EXPECT_EQ(window.isFullScreen(), c.fullScreenAfter);
        EXPECT_EQ(Setting("FULL_SCREEN"), c.startFullScreen ? "false" : "true");
        if (c.warned) {
            ASSERT_EQ(world.messageBoxes.size(), 1u);
            EXPECT_EQ(world.messageBoxes[0],
                      "Warning : Desktop Resolution | Note: Your desktop resolution would be too small to display "
                      "the window. Staying full-screen.");
        } else {
            EXPECT_TRUE(world.messageBoxes.empty());
        }
    }
}

namespace {

struct CallerCase {
    const char* what;
    bool showLeave, showQuit;
    bool clickLeave;       // else the quit button is clicked
    bool leaveChosen, quitChosen;
};
const CallerCase kCallerCases[] = {
    {"camp: Main Menu", true, false, true, true, false},
    {"scene: Quit", false, true, false, false, true},
    {"both shown, leave", true, true, true, true, false},
};

}  // namespace

TEST_F(OptionsDialog, CallerButtonsAppearOnlyWhenAskedForAndReportTheChoice) {
    for (const CallerCase& c : kCallerCases) {
        SCOPED_TRACE(c.what);
        dialog.showLeaveButton = c.showLeave;
        dialog.showQuitButton = c.showQuit;
        dialog.leaveLabel = "Main Menu";
        dialog.quitLabel = "Quit";
        bool leaveShown = false, quitShown = false;
        world.After(1, [&] {
            leaveShown = dialog.leaveButton.registered;
            quitShown = dialog.quitButton.registered;
        });
        RunAndCloseWith(c.clickLeave ? static_cast<LDvOverlay&>(dialog.leaveButton) : dialog.quitButton, 2);
        EXPECT_EQ(leaveShown, c.showLeave);
        EXPECT_EQ(quitShown, c.showQuit);
        EXPECT_EQ(dialog.leaveChosen, c.leaveChosen);
        EXPECT_EQ(dialog.quitChosen, c.quitChosen);
        EXPECT_EQ(dialog.leaveButton.text, "Main Menu");
        EXPECT_FALSE(dialog.leaveButton.registered || dialog.quitButton.registered);
    }
}

namespace {


DecodedImage Picture(const char* file) {
    DecodedImage image;
    EXPECT_TRUE(decodeImageFile(std::string(QV_DATA_DIR) + "/img/gui/" + file, image)) << file;
    return image;
}

// A sample of the screen against the pixel of the picture drawn there; only opaque texels are
// taken, so the screen must show them exactly.
struct Sample {
    const char* what;
    const DecodedImage* picture;
    int pictureX, pictureY;
    int screenX, screenY;
};

}  // namespace

TEST_F(OptionsDialog, FrameShowsThePanelAndItsControlsFromTheGeneratedPictures) {
    game.music.volume = 50;
    const DecodedImage panel = Picture("back_options.png");
    const DecodedImage knob = Picture("slider_knob.png");
    const DecodedImage box = Picture("checkbox.png");
    const DecodedImage buttonLeft = Picture("button_l.png");
    world.CaptureAfter(30);
    RunAndCloseWith(dialog.closeButton, 32);
    ASSERT_EQ(world.captured.size(), 1600u * 900u);

    // Windowed, so the full-screen box is clear; tips default to on, so that box is ticked.
    const int knobX = 685 + (280 - knob.width) / 2;
    const int knobY = 230 - knob.height / 2;
    const Sample samples[] = {
        {"panel between the slider rows", &panel, 150, 240, 625, 310},
        {"panel under the check boxes' rule", &panel, 300, 310, 775, 380},
        {"music knob at 50 %", &knob, 15, 16, knobX + 15, knobY + 16},
        {"clear full-screen box", &box, 14, 20, 537 + 14, 386 + 20},
        {"ticked show-tips box", &box, 32 + 14, 20, 537 + 14, 476 + 20},
        {"close button's left piece", &buttonLeft, 10, 24, static_cast<int>(dialog.closeButton.x) + 10,
         static_cast<int>(dialog.closeButton.y) + 24},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.what);
        const uint32_t texel = s.picture->pixels[static_cast<size_t>(s.pictureY) * s.picture->width + s.pictureX];
        ASSERT_EQ(texel >> 24, 255u) << "the sample point of the picture is not opaque";
        const Rgb want = ColourOf(texel);
        const Rgb seen = ColourOf(world.captured[static_cast<size_t>(s.screenY) * 1600 + s.screenX]);
        EXPECT_NEAR(seen.r, want.r, 2);
        EXPECT_NEAR(seen.g, want.g, 2);
        EXPECT_NEAR(seen.b, want.b, 2);
    }
    const Rgb outside = ColourOf(world.captured[100 * 1600 + 100]);
    EXPECT_EQ(outside.r + outside.g + outside.b, 0) << "nothing is drawn outside the panel";
}
