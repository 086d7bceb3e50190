// The tip: where its box and arrow go, when it shows at all, its check box and OK button played
// through the real input, and its typing speed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/core/folders.h"
#include "framework/data/player_profiles.h"
#include "framework/data/localization.h"
#include "game/expedition/camp_map_tips.h"
#include "game/expedition/tip_dialog.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"

namespace {

class TipDialogTest : public DialogWorld {
protected:
    void SetUp() override {
        DialogWorld::SetUp();
        MakeProfiles({{0, "Ann"}});
    }
    TipDialog& Tip() { return game->tipDialog; }
    bool Floating() { return Frame().secondary == &Tip(); }
    static bool Seen(const char* key) { return GetPlayerInt("TIPS", key, 0) == 1; }
};

struct PlacementCase {
    const char* what;
    int x, y;
    bool below;
    bool ok;
    LDvRect box;
    bool arrowUp;
};
// The box is 450 x 300; it opens above points from y 350 down unless told to go below.
constexpr PlacementCase kPlacements[] = {
    {"low point, box above", 800, 600, false, true, {578, 214, 1028, 514}, false},
    {"high point, box below", 800, 200, false, false, {578, 291, 1028, 591}, true},
    {"y 349 opens below", 300, 349, false, false, {78, 440, 528, 740}, true},
    {"y 350 opens above", 300, 350, false, true, {78, -36, 528, 264}, false},
    {"y 350 with the below flag", 300, 350, true, false, {78, 441, 528, 741}, true},
};

}  // namespace

TEST_F(TipDialogTest, BoxArrowAndButtonsFollowTheTipPoint) {
    int key = 0;
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.what);
        const std::string tipKey = "PLACE_" + std::to_string(++key);
        ASSERT_TRUE(ShowTipOnce(*game, tipKey, "Look here", {c.x, c.y}, c.ok, c.below, false));
        ASSERT_TRUE(Floating());
        const LDvRect box = Tip().frame.GetBounds();
        EXPECT_EQ(box.left, c.box.left);
        EXPECT_EQ(box.top, c.box.top);
        EXPECT_EQ(box.right, c.box.right);
        EXPECT_EQ(box.bottom, c.box.bottom);

        TipDialog& tip = Tip();
        EXPECT_EQ(tip.arrow.flipY, c.arrowUp);
        EXPECT_EQ(tip.arrow.x, box.left + 176);
        EXPECT_EQ(tip.arrow.y, c.arrowUp ? box.top + 15 - tip.arrow.GetHeight() : box.top + 282);
        EXPECT_EQ(tip.okButton.hidden, !c.ok);
        EXPECT_EQ(tip.okButton.enabled, c.ok);
        if (c.ok) {
            const LDvRect ok = tip.okButton.GetBounds();
            EXPECT_EQ(ok.right, box.left + 415);
            EXPECT_EQ(ok.bottom, box.top + 270);
            EXPECT_EQ(tip.okButton.text, GetText(6));
        }
    }
}

struct ShowCase {
    const char* what;
    const char* showTips;   // null: the player never touched the setting
    bool seenBefore;
    bool shown;
};
constexpr ShowCase kShowCases[] = {
    {"tips on by default", nullptr, false, true},
    {"an empty value counts as on", "", false, true},
    {"turned on", "1", false, true},
    {"turned off: marked seen, not shown", "0", false, false},
    {"seen before", nullptr, true, false},
    {"seen before with tips off", "0", true, false},
};

TEST_F(TipDialogTest, ATipShowsOnceAndIsMarkedSeenEvenWhenTipsAreOff) {
    for (const ShowCase& c : kShowCases) {
        SCOPED_TRACE(c.what);
        CloseSecondary();
        SetPlayerValue(nullptr, "SHOW_TIPS", c.showTips != nullptr ? c.showTips : "");
        SetPlayerValue("TIPS", "PLAY_TIP", c.seenBefore ? "1" : "");
        EXPECT_EQ(ShowCampMapTip(*game, kPlayTip), c.shown);
        EXPECT_EQ(Floating(), c.shown);
        EXPECT_TRUE(Seen("PLAY_TIP"));
    }
    // A tip passed over while tips were off stays away once they are turned on again.
    SetPlayerValue(nullptr, "SHOW_TIPS", "0");
    EXPECT_FALSE(ShowCampMapTip(*game, kExploreTip));
    SetPlayerValue(nullptr, "SHOW_TIPS", "1");
    EXPECT_FALSE(ShowCampMapTip(*game, kExploreTip));
}

// The camp and the map ask for their tips every step; with tips off only the first request may
// write the profile, or it would be saved twice a step.
TEST_F(TipDialogTest, WithTipsOffARepeatedRequestLeavesTheProfileAlone) {
    SetPlayerValue(nullptr, "SHOW_TIPS", "0");
    EXPECT_FALSE(ShowCampMapTip(*game, kBuildTip));
    ASSERT_TRUE(Seen("SAW_BUILD_TIP"));
    const LDvString profile = PlayerIniPath(0);
    std::remove(profile.c_str());
    for (int step = 0; step < 3; ++step) EXPECT_FALSE(ShowCampMapTip(*game, kBuildTip));
    EXPECT_FALSE(FileExists(profile)) << "the profile was written again";
}

TEST_F(TipDialogTest, AskingForASeenTipStillClosesTheOpenOne) {
    ASSERT_TRUE(ShowTipOnce(*game, "SAW_BUILD_TIP", GetText(19), {481, 760}, false, false, false));
    ASSERT_TRUE(Floating());
    EXPECT_FALSE(ShowTipOnce(*game, "SAW_BUILD_TIP", GetText(19), {481, 760}, false, false, false));
    EXPECT_FALSE(Floating());
    EXPECT_FALSE(Tip().frame.registered) << "the closed tip's overlays left the screen";
}

TEST_F(TipDialogTest, CheckBoxTurnsTipsOffAndOnWhileTheTipStays) {
    ASSERT_TRUE(ShowTipOnce(*game, "SAW_INSTRUCTIONS", "Swap two pieces", {800, 600}, true, false, false));
    std::string afterFirst, afterSecond;
    bool openBetween = false;
    ScriptedPlayer player(Window());
    player.Click(Tip().checkBox)
        .Check([&] { afterFirst = GetPlayerString("SHOW_TIPS", "unset"); openBetween = Floating(); }, Tip().checkBox)
        .Click(Tip().checkBox)
        .Check([&] { afterSecond = GetPlayerString("SHOW_TIPS", "unset"); }, Tip().checkBox)
        .Click(Tip().okButton);
    EXPECT_TRUE(RunFramesUntil(300, [&] { return player.Finished() && !Floating(); }));
    EXPECT_EQ(afterFirst, "0");
    EXPECT_TRUE(openBetween);
    EXPECT_EQ(afterSecond, "1");
    EXPECT_FALSE(Floating()) << "OK closes the floating tip";
    EXPECT_EQ(Frame().currentState, &game->blankState);
}

TEST_F(TipDialogTest, ModalTipRunsUntilItsOkButton) {
    ScriptedPlayer player(Window());
    player.Click(Tip().okButton);
    EXPECT_TRUE(ShowTipOnce(*game, "SAW_WIND_BONUS_TIP", GetText(62), {1400, 500}, true, false, true));
    EXPECT_TRUE(player.Finished());
    EXPECT_FALSE(player.TimedOut());
    EXPECT_EQ(Frame().currentState, &game->blankState);
    EXPECT_FALSE(Tip().okButton.registered);
}

TEST_F(TipDialogTest, ALineOfSixtyCharactersTakesOneHundredTwentySteps) {
    const std::string line(60, 'i');
    ASSERT_TRUE(ShowTipOnce(*game, "SAW_BLUETILE_HELP", line, {800, 600}, false, false, false));
    ASSERT_EQ(Tip().display.lines.Count(), 1);
    for (int step = 0; step < 119; ++step) RunOneStep();
    EXPECT_EQ(Tip().display.visibleChars, 59u);
    RunOneStep();
    EXPECT_EQ(Tip().display.visibleChars, 60u);
}
