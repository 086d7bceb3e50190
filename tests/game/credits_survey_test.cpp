// The credits and survey screens in the real main loop, clicked through the real dispatch.
#include <gtest/gtest.h>

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "tests/game/game_world.h"

TEST(CreditsAndSurvey, CreditsFadeInAndAClickFadesToTheTitle) {
    GameWorld world;
    ASSERT_TRUE(world.Started()) << world.LogText();
    Match3& game = world.Game();
    SetState(&game.credits, &game, false);
    int fadeStart = -1;
    LDvState* afterFade = nullptr;
    world.After(1, [&] { fadeStart = game.screenFade.startPercent; });
    world.ClickAt({800, 450}, 5);
    world.After(75, [&] { afterFade = Frame().currentState; });
    world.frameLimit = 80;
    game.RunGame();
    EXPECT_EQ(fadeStart, 100) << "the credits emerge from black";
    EXPECT_EQ(afterFade, game.TitleState());
}

TEST(CreditsAndSurvey, AClickOnTheSurveyQuitsTheGame) {
    GameWorld world;
    ASSERT_TRUE(world.Started()) << world.LogText();
    Match3& game = world.Game();
    SetState(&game.survey, &game, false);
    int fadeStart = -1;
    world.After(1, [&] { fadeStart = game.screenFade.startPercent; });
    world.ClickAt({800, 450}, 5);
    game.RunGame();  // returns once the window was asked to close
    EXPECT_EQ(fadeStart, 100);
    EXPECT_NE(world.LogText().find("=== Game Ended ===\n"), std::string::npos) << "not ended by the click";
}
