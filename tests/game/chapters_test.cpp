// The chapter card: its picture on the first entry, and a click anywhere leads straight to the map.
#include <gtest/gtest.h>

#include "game/expedition/chapters.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"

using ChaptersTest = DialogWorld;

TEST_F(ChaptersTest, AClickAnywhereGoesStraightToTheMap) {
    Chapters& chapters = game->chapters;
    SetState(&chapters, game.get(), false);
    ASSERT_TRUE(chapters.back.loaded);
    EXPECT_EQ(chapters.back.GetWidth(), 1600);
    EXPECT_TRUE(chapters.back.registered);

    ScriptedPlayer player(Window());
    player.ClickAt(1234, 567, chapters.back);
    EXPECT_TRUE(RunFramesUntil(60, [&] { return Frame().currentState != &chapters; }));
    EXPECT_EQ(Frame().currentState, &game->MapState());
    EXPECT_FALSE(chapters.back.registered);
    EXPECT_EQ(game->screenFade.nextState, nullptr) << "no fade to black on the way";
}
