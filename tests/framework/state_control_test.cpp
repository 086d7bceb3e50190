#include <gtest/gtest.h>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "tests/framework/recording_state.h"
#include "tests/framework/shell_fixture.h"

namespace {

class StateTest : public ShellTest {
protected:
    Journal journal;
    RecordingState a{"a", journal};
    RecordingState b{"b", journal};
    RecordingState tip{"tip", journal};
};

}  // namespace

TEST_F(StateTest, EnteringCallsFirstEnterOnceAndLeavesThePreviousState) {
    SetState(&a, nullptr, false);
    SetState(&b, nullptr, false);
    SetState(&a, nullptr, false);
    EXPECT_EQ(journal, (Journal{"a:first-enter", "a:toggle", "a:enter",
                                "a:toggle", "a:leave b", "b:first-enter", "b:toggle", "b:enter",
                                "b:toggle", "b:leave a", "a:toggle", "a:enter"}));
    EXPECT_EQ(Frame().currentState, &a);
}

TEST_F(StateTest, SettingTheCurrentStateAgainTogglesItsOverlaysOffAndOn) {
    SetState(&a, nullptr, false);
    journal.clear();
    SetState(&a, nullptr, false);
    EXPECT_EQ(journal, (Journal{"a:toggle", "a:leave a", "a:toggle", "a:enter"}));
}

TEST_F(StateTest, KeepingThePreviousStateLeavesItUntouched) {
    SetState(&a, nullptr, false);
    journal.clear();
    SetState(&b, nullptr, true);
    EXPECT_EQ(journal, (Journal{"b:first-enter", "b:toggle", "b:enter"}));
}

TEST_F(StateTest, ReenteringResetsTheTickCountAndRemembersTheGame) {
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    SetState(&a, &game, false);
    for (int i = 0; i < 5; ++i) RunOneStep();
    EXPECT_EQ(a.tickCount, 5);
    EXPECT_EQ(a.updates, 5);
    EXPECT_EQ(Frame().tickCount, 5);
    SetState(&b, &game, false);
    SetState(&a, &game, false);
    EXPECT_EQ(a.tickCount, 0);
    EXPECT_EQ(a.game, &game);
}

TEST_F(StateTest, StepUpdatesTheSecondaryBeforeTheState) {
    SetState(&a, nullptr, false);
    ShowSecondary(&tip);
    std::string order;
    tip.onUpdate = [&] { order += "tip "; };
    a.onUpdate = [&] { order += "a "; };
    RunOneStep();
    EXPECT_EQ(order, "tip a ");
    EXPECT_EQ(tip.tickCount, 0);  // only the current state counts its ticks
}

TEST_F(StateTest, SecondaryOpensOverTheStateAndClosesWhenStatesChange) {
    SetState(&a, nullptr, false);
    journal.clear();
    ShowSecondary(&tip);
    ShowSecondary(&tip);  // showing it again closes it first
    SetState(&b, nullptr, false);
    EXPECT_EQ(journal, (Journal{"tip:first-enter", "tip:enter", "tip:toggle",
                                "tip:toggle", "tip:leave none", "tip:enter", "tip:toggle",
                                "tip:toggle", "tip:leave none",
                                "a:toggle", "a:leave b", "b:first-enter", "b:toggle", "b:enter"}));
    EXPECT_EQ(Frame().secondary, nullptr);
}

TEST_F(StateTest, EndModalReturnsWithoutEnteringAgain) {
    SetState(&a, nullptr, false);
    Frame().stateStack.Add(&a);  // as RunModal leaves it
    SetState(&b, nullptr, true);
    journal.clear();
    EndModal();
    EXPECT_EQ(journal, (Journal{"b:toggle", "b:leave a"}));
    EXPECT_EQ(Frame().currentState, &a);
    EXPECT_TRUE(Frame().stateStack.IsEmpty());
    EndModal();  // nothing left to end: ignored
    EXPECT_EQ(Frame().currentState, &a);
}

TEST_F(StateTest, BlackOutFadesHoldsAndThenSwitches) {
    struct SceneGame : LDvGame {
        SceneGame() : LDvGame("Quorvane", "Quorvane", 0, 2) {}
        void LoadSceneForFade(const LDvString& name) override { loaded += name; }
        std::string loaded;
    } game;
    SetState(&a, &game, false);
    BlackOut fade;
    fade.game = &game;
    fade.sceneName = "beach";
    fade.FadeToState(true, &b);
    journal.clear();
    struct Expect { int step; int percent; };
    // trunc(100 x (1 - remaining / 45)); at 9 steps 1 - 36 / 45 is just under 0.2.
    const Expect figures[] = {{1, 2}, {9, 19}, {23, 51}, {44, 97}, {45, 100}};
    int step = 0;
    for (const Expect& e : figures) {
        while (step < e.step) {
            fade.Update();
            ++step;
        }
        SCOPED_TRACE(step);
        EXPECT_EQ(static_cast<int>(fade.opacity * 100.0f + 0.5f), e.percent);
    }
    EXPECT_TRUE(fade.opaque);
    for (int hold = 0; hold < 9; ++hold) fade.Update();
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(game.loaded, "");
    fade.Update();  // the tenth held step switches
    EXPECT_EQ(game.loaded, "beach");
    EXPECT_EQ(journal, (Journal{"a:toggle", "a:leave b", "b:first-enter", "b:toggle", "b:enter"}));

    fade.FadeFromBlack();
    fade.Update();
    EXPECT_FLOAT_EQ(fade.opacity, 0.97f);
    for (int i = 1; i < 45; ++i) fade.Update();
    EXPECT_FLOAT_EQ(fade.opacity, 0.0f);
    EXPECT_FALSE(fade.opaque);
}

TEST_F(StateTest, BlackOutResumesAPartialFadeFromThirtyPercent) {
    BlackOut fade;
    fade.resumePartial = true;
    fade.FadeToState(false, nullptr);
    fade.Update();
    EXPECT_FLOAT_EQ(fade.opacity, 0.31f);  // 30 + 70 x 1/45 = 31.6
    EXPECT_FALSE(fade.resumePartial);
    for (int i = 0; i < 60; ++i) fade.Update();  // no next state: nothing switches
    EXPECT_EQ(Frame().currentState, nullptr);
}
