// The title screen: the fish, waves and rays on their own, and the title in the real main loop
// with its dialogs answered through the engine's input: the first start's name, the greeting, the
// story button's way on for each state of the player's progress, and the player kept selected.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/black_out.h"
#include "framework/core/game_random.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/localization.h"
#include "game/frontend/fishy.h"
#include "game/frontend/ray_drawer.h"
#include "game/frontend/swim_sequence.h"
#include "game/frontend/wave.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"
#include "tests/support/test_log.h"

namespace {

struct WrapCase {
    const char* what;
    bool far;
    float x, y;
    int32_t slowness;
    float xAfter, yAfter;
};
const WrapCase kWraps[] = {
    {"a near fish past the left edge comes back at the right, y kept", false, -300.5f, 650.7f, 1, 1700.0f, 650.0f},
    {"a near fish just inside keeps swimming left", false, -299.0f, 650.5f, 3, -299.25f, 650.5f},
    {"a far fish past the right edge comes back at the left", true, 1700.5f, 620.9f, 3, -300.0f, 620.0f},
    {"a far fish swims right by a third of its slowness", true, 100.0f, 640.0f, 2, 100.0f + 2.0f / 3.0f, 640.0f},
};

TEST(TitleFish, SwimAcrossAndComeBackAtTheFarSide) {
    for (const WrapCase& c : kWraps) {
        SCOPED_TRACE(c.what);
        Fishy fish;
        fish.far = c.far;
        fish.x = c.x;
        fish.y = c.y;
        fish.slowness = c.slowness;
        fish.verticalSpeed = 0.0f;
        fish.OnTick(1);
        EXPECT_FLOAT_EQ(fish.x, c.xAfter);
        EXPECT_FLOAT_EQ(fish.y, c.yAfter);
    }
}

TEST(TitleFish, ARestingFishFinishesItsStrokeAndHoldsAtFrameZero) {
    Fishy fish;
    fish.resting = true;
    fish.slowness = 1;
    fish.frameIndex = Fishy::kWrapFrame - 2;
    std::vector<int> frames;
    for (int step = 1; step <= 4; ++step) {
        fish.OnTick(step);
        frames.push_back(fish.frameIndex);
    }
    EXPECT_EQ(frames, (std::vector<int>{38, 0, 0, 0}));
}

TEST(TitleFish, DepthLimitsStopTheClimbAndTheSink) {
    struct DepthCase { float y; float speed; float speedAfter; };
    const DepthCase kDepths[] = {{599.0f, -0.3f, 0.0f}, {599.0f, 0.3f, 0.3f}, {731.0f, 0.3f, 0.0f}, {700.0f, -0.3f, -0.3f}};
    for (const DepthCase& c : kDepths) {
        SCOPED_TRACE(c.y);
        Fishy fish;
        fish.y = c.y;
        fish.verticalSpeed = c.speed;
        fish.OnTick(1);
        EXPECT_FLOAT_EQ(fish.verticalSpeed, c.speedAfter);
    }
}

TEST(TitleDecorations, SwimSequenceRaysAndWavesLoopAsDrawn) {
    const SwimSequence& sequence = TheSwimSequence();
    EXPECT_EQ(sequence.front(), 0);
    EXPECT_EQ(sequence[39], 39);
    EXPECT_EQ(sequence[40], 38);
    EXPECT_EQ(sequence.back(), 1);

    struct RayCase { int32_t phase; float opacity; };
    constexpr RayCase kRays[] = {{0, 0.6f}, {90, 1.0f}, {270, 0.2f}, {60, 0.94f}, {360 * 10 + 60, 0.94f}};
    for (const RayCase& c : kRays) EXPECT_FLOAT_EQ(RayDrawer::OpacityAt(c.phase), c.opacity) << c.phase;

    Wave wave;
    wave.frameIndex = kSwimSequenceLength - 1;
    wave.OnTick(1);
    EXPECT_EQ(wave.frameIndex, kSwimSequenceLength - 1) << "waves move on every third step only";
    wave.OnTick(3);
    EXPECT_EQ(wave.frameIndex, 0);
}

constexpr const char* kProgressKeys[] = {"CASUAL_MODE", "CASUAL_MODE_ASKED", "PLAYED_INTRO_MOVIE", "SURVEY_REACHED"};

class TitleScreen : public DialogWorld {
protected:
    void SetUp() override {
        DialogWorld::SetUp();
        StartTestGameLog();
    }

    Title& TheTitle() { return game->title; }

    // Where a click on a picture button lands: the middle of its normal look.
    static std::function<LDvPoint()> MiddleOfLook(LDvButton& button) {
        return [&button] {
            const LDvRect box = button.normalLook->GetBounds();
            return LDvPoint{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        };
    }

    void EnterTitle() { SetState(&game->title, game.get(), false); }

    // Runs the loop until the player's script is done and the screen fade has somewhere to go.
    bool RunUntilFading(ScriptedPlayer& player) {
        return RunFramesUntil(ScriptedPlayer::kFrameLimit,
                              [&] { return player.TimedOut() || (player.Finished() && game->screenFade.nextState); });
    }

    static std::string Progress() {
        std::string flags;
        for (const char* key : kProgressKeys) flags += std::string(key) + "=" + GetPlayerString(key, "") + " ";
        return flags;
    }
};

// First start: no profile at all.
TEST_F(TitleScreen, FirstStartAsksANameThenThePlayStyleThenPlaysTheMovie) {
    EnterTitle();
    bool greetingHiddenWhileAsked = false;
    std::string greetingAfter, nameAfter;
    EnterNameParts& nameEntry = game->dialogParts.enterName;
    ScriptedPlayer player(Window());
    player.Check([&] { greetingHiddenWhileAsked = TheTitle().greeting.hidden; }, nameEntry.okButton)
        .Type("", true, nameEntry.okButton)         // an empty name keeps asking
        .Type("ann", true, nameEntry.okButton)
        .Check(
            [&] {
                greetingAfter = TheTitle().greeting.text;
                nameAfter = TheTitle().nameButton.text;
            },
            TheTitle().greeting)
        .ClickWhere(MiddleOfLook(TheTitle().storyButton), TheTitle().storyButton)
        .Click(game->dialogParts.casualExpert.casualButton);
    ASSERT_TRUE(RunUntilFading(player));

    EXPECT_FALSE(player.TimedOut());
    EXPECT_TRUE(greetingHiddenWhileAsked) << "no greeting before there is a name";
    EXPECT_EQ(greetingAfter, GetText(74) + " ");
    EXPECT_EQ(nameAfter, "Ann");
    EXPECT_EQ(GetPlayerNameOf(0), "Ann");
    EXPECT_EQ(game->selectedPlayer, 0);
    EXPECT_FALSE(Frame().settings->HasKey(nullptr, kSelectedProfileKey)) << "only the player selection writes it";
    EXPECT_EQ(Progress(), "CASUAL_MODE=1 CASUAL_MODE_ASKED=1 PLAYED_INTRO_MOVIE=1 SURVEY_REACHED= ");
    EXPECT_EQ(game->screenFade.nextState, &game->MovieState({}));
}

struct StoryCase {
    const char* what;
    std::vector<std::pair<const char*, const char*>> progress;
    bool asksPlayStyle;
    const char* progressAfter;
    const char* logLine;            // expected in the log, or null
    bool toMovie = false;           // the story fades to the intro movie rather than the camp or survey
};
const StoryCase kStories[] = {
    {"a fresh profile is asked, expert stores nothing, then the movie", {}, true,
     "CASUAL_MODE= CASUAL_MODE_ASKED=1 PLAYED_INTRO_MOVIE=1 SURVEY_REACHED= ", nullptr, true},
    {"once the movie was seen the camp follows without asking",
     {{"CASUAL_MODE_ASKED", "1"}, {"PLAYED_INTRO_MOVIE", "1"}}, false,
     "CASUAL_MODE= CASUAL_MODE_ASKED=1 PLAYED_INTRO_MOVIE=1 SURVEY_REACHED= ", nullptr},
    {"the survey comes first, even before the movie", {{"CASUAL_MODE_ASKED", "1"}, {"SURVEY_REACHED", "1"}}, false,
     "CASUAL_MODE= CASUAL_MODE_ASKED=1 PLAYED_INTRO_MOVIE= SURVEY_REACHED=1 ", nullptr},
    {"a scene quit from is resumed before anything else is asked",
     {{"SAVED_AT_ADVENTURE_SCENE", "1"}, {"SAVED_ADVENTURE_SCENE_NAME", "Cove"}}, false,
     "CASUAL_MODE= CASUAL_MODE_ASKED= PLAYED_INTRO_MOVIE= SURVEY_REACHED= ", "No scene called [Cove]"},
};

TEST_F(TitleScreen, StoryGoesOnWhereThePlayerLeftOff) {
    for (const StoryCase& c : kStories) {
        SCOPED_TRACE(c.what);
        for (int slot = 0; slot < kPlayerSlots; ++slot) DeletePlayer(slot);
        MakeProfiles({{0, "Ann"}});
        for (const auto& [key, value] : c.progress) SetPlayerString(key, value);
        game->screenFade.nextState = nullptr;
        EnterTitle();
        ScriptedPlayer player(Window());
        // The buttons answer once the title has faded in.
        player.Wait(BlackOut::kFadeSteps + 5, TheTitle().storyButton)
            .ClickWhere(MiddleOfLook(TheTitle().storyButton), TheTitle().storyButton);
        if (c.asksPlayStyle) player.Click(game->dialogParts.casualExpert.expertButton);
        ASSERT_TRUE(RunUntilFading(player));
        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(Progress(), c.progressAfter);
        const bool surveyReached = GetPlayerString("SURVEY_REACHED", "") == "1";
        if (c.logLine != nullptr) {
            EXPECT_NE(home.read("Drovana Games/Quorvane/Ver0.2/log.txt").find(c.logLine), std::string::npos);
        } else if (c.toMovie) {
            EXPECT_EQ(game->screenFade.nextState, &game->movie);
        } else {
            EXPECT_EQ(game->screenFade.nextState, surveyReached ? &game->SurveyState() : &game->CampState());
        }
        game->screenFade.FadeFromBlack();   // the next case starts on the title again, not where this one led
    }
}

// The profile in use follows the remembered slot, and is read from disk only when that changes.
TEST_F(TitleScreen, EnsurePlayerFollowsTheRememberedSlotWithoutRereadingIt) {
    MakeProfiles({{1, "Bob"}, {3, "Dan"}});
    SetSelectedProfileSetting(4);                       // a profile that is gone
    EnterTitle();
    TheTitle().EnsurePlayer();
    EXPECT_EQ(game->selectedPlayer, 1) << "the lowest existing profile stands in";

    home.write("Drovana Games/Quorvane/Ver0.2/player01.ini", "PlayerName=Changed\n");
    for (int step = 0; step < 3; ++step) TheTitle().EnsurePlayer();
    EXPECT_EQ(GetCurrentPlayerName(), "Bob") << "the profile was read again on a step";

    SetSelectedProfileSetting(3);
    TheTitle().EnsurePlayer();
    EXPECT_EQ(game->selectedPlayer, 3);
    EXPECT_EQ(GetCurrentPlayerName(), "Dan");
}

}  // namespace
