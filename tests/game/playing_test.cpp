// The play screen as a player meets it: the whole game in this process on the default data, the
// mouse and the window focus given through the engine's event path, what is on screen checked by
// pixel samples and what is kept checked in the player's profile file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/k_event.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/expedition/tip_dialog.h"
#include "game/frontend/game_options_dialog.h"
#include "game/match3/aimer_cursor.h"
#include "game/match3/board.h"
#include "game/match3/tornado.h"
#include "game/match3/wind_bonus.h"
#include "game/match3/wind_god_button.h"
#include "tests/game/match3_bot.h"
#include "tests/game/play_world.h"

namespace {

constexpr int kLevelEndLimit = 900;
constexpr int kFadeSteps = 60;             // the black-out's 45 steps of fading and 10 held

bool InCamp(PlayWorld& world) { return Frame().currentState == &world.game().camp; }

bool WaitForEndButtons(PlayWorld& world) {
    Playing& play = world.play();
    return world.stepUntil([&play] { return !play.continueButton.hidden || !play.retryButton.hidden; },
                           kLevelEndLimit);
}

// Lets the sand of a short level run out until the retry and leave buttons show.
bool PlayUntilLost(PlayWorld& world) {
    Playing& play = world.play();
    return world.waitForPlay() && world.stepUntil([&play] { return play.values.lost; }, 200) &&
           WaitForEndButtons(world);
}

LDvPoint Centre(LDvOverlay& overlay) {
    const LDvRect box = overlay.GetBounds();
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// A level table of one short design, so time runs out quickly.
void UseShortLevels(const MirroredData& data, const std::string& time) {
    data.write("levels.ini", "LEVEL_ORDER=0\n[TIMES]\nLEVEL_TIME_0=" + time + "\n");
}

bool HasKey(const std::string& profile, const std::string& key) {
    return profile.find("\n" + key + "=") != std::string::npos || profile.rfind(key + "=", 0) == 0;
}

}  // namespace

TEST(PlayScreen, RevealsTheBoardAndADragOfThirteenPixelsMakesAMatchThatScores) {
    PlayWorld world;
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    world.steps(40);
    ASSERT_TRUE(play.board->revealing);
    world.drawFrame("reveal");
    // The bar and the timer slot stand at the bottom while the tiles fly in.
    EXPECT_FALSE(Near(world.pixel(300, 860), Pixel{0, 0, 0}, 20));
    EXPECT_EQ(play.timerDigits.text(), "01:45");
    ASSERT_TRUE(world.waitForPlay());
    EXPECT_EQ(play.timerDigits.text(), "01:44") << "the sand starts running with the play";

    LDvPoint from, to;
    ASSERT_TRUE(world.waitForQuiet());
    ASSERT_TRUE(ChooseSwap(*play.board, from, to));
    const LDvPoint centre = Board::cellCentre(from);
    const LDvPoint target = Board::cellCentre(to);
    world.drawFrame("before_move");
    const Pixel before = world.pixel(target.x, target.y);
    world.drag(centre, (to.x - from.x) * 12, (to.y - from.y) * 12);
    EXPECT_EQ(play.board->swapTicks, 0) << "twelve pixels are not a swap";
    world.drag(centre, (to.x - from.x) * 13, (to.y - from.y) * 13);
    EXPECT_GT(play.board->swapTicks + play.board->points, 0) << "thirteen pixels swap";
    world.steps(30);
    world.drawFrame("cascade");
    EXPECT_FALSE(Near(world.pixel(target.x, target.y), before, 20)) << "the matched piece is on its way out";
    ASSERT_TRUE(world.waitForQuiet());
    const Counter& score = play.scoreCounter();
    EXPECT_GT(score.target, 0);
    EXPECT_TRUE(world.stepUntil([&score] { return score.shown == score.target; }, 300));
}

TEST(PlayScreen, DragsSwapOnceTheyReachThirteenPixelsHorizontalFirst) {
    struct DragCase {
        int dx, dy;
        LDvPoint step;                     // the neighbour swapped with; (0, 0) none
    };
    const DragCase cases[] = {
        {12, 0, {0, 0}},  {0, -12, {0, 0}}, {13, 0, {1, 0}},  {-13, 0, {-1, 0}},
        {0, 13, {0, 1}},  {13, 20, {1, 0}}, {-12, 13, {0, 1}},
    };
    PlayWorld world;
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(world.waitForPlay());
    Board& board = *world.play().board;
    const LDvPoint cell{9, 6};             // in the middle of the first level's field
    for (const DragCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + ", " + std::to_string(c.dy));
        ASSERT_TRUE(world.waitForQuiet());
        board.lastA = board.lastB = nullptr;
        GamePiece* expected = board.pieceAt(cell.x + c.step.x, cell.y + c.step.y);
        const LDvPoint centre = Board::cellCentre(cell);
        world.drag(centre, c.dx, c.dy);
        if (c.step.x == 0 && c.step.y == 0) {
            EXPECT_EQ(board.lastB, nullptr);
        } else {
            EXPECT_EQ(board.lastB, expected);
        }
    }
}

TEST(PlayScreen, LevelOneIsWonWithTheMouseAndContinueStoresTheNextLevel) {
    PlayWorld world;
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    ASSERT_TRUE(world.playToTheWin());
    ASSERT_TRUE(WaitForEndButtons(world));
    EXPECT_TRUE(play.levelEnd.isWin());
    EXPECT_TRUE(play.retryButton.hidden);
    world.drawFrame("level_won");
    // The win panel covers the middle of the screen; the veil darkens the board around it.
    EXPECT_FALSE(Near(world.pixel(800, 400), world.pixel(200, 400), 30));
    const int resources = play.scoreCounter().target;
    EXPECT_EQ(play.levelEnd.counterAt(3).shown, resources);

    world.clickOn(play.continueButton);
    ASSERT_TRUE(world.stepUntil([&world] { return InCamp(world); }, kFadeSteps + 10));
    EXPECT_EQ(play.values.levelNumber, 2);
    const std::string profile = world.saveFile("player00.ini");
    EXPECT_NE(profile.find("CURRENT_LEVEL=2"), std::string::npos) << profile;
    EXPECT_NE(profile.find("SET_LEVEL=1"), std::string::npos) << profile;
    EXPECT_NE(profile.find("CURRENT_RESOURCES=" + std::to_string(resources)), std::string::npos) << profile;
    EXPECT_EQ(play.scoreCounter().shown, resources);
}

TEST(PlayScreen, AWinWithNinetySecondsLeftAddsAThreeHundredSixtyTimeBonus) {
    PlayWorld world({QV_DATA_DIR}, [] { SetPlayerInt(nullptr, "CURRENT_RESOURCES", 1000); });
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    ASSERT_TRUE(world.waitForQuiet());
    play.values.timeLeft = 5400;
    for (BoardCell& cell : play.board->cells) cell.colourLayers = 0;
    ASSERT_TRUE(world.stepUntil([&play] { return play.values.outroStarted; }, 5));
    EXPECT_EQ(play.values.timeLeft, 5400) << "the timer stops with the last blue tile";
    EXPECT_EQ(play.scoreCounter().target, 1000 + 360);
    EXPECT_EQ(play.levelEnd.counterAt(2).target, 360);
    EXPECT_EQ(play.levelEnd.counterAt(3).target, 360);
    ASSERT_TRUE(WaitForEndButtons(world));
    world.clickOn(play.continueButton);
    world.steps(kFadeSteps);
    EXPECT_NE(world.saveFile("player00.ini").find("CURRENT_RESOURCES=1360"), std::string::npos);
}

TEST(PlayScreen, ExpertModeLosesWhenTheSandRunsOutAndWritesNothing) {
    const MirroredData data;
    UseShortLevels(data, "0:03");
    PlayWorld world(data.path(), [] { SetPlayerInt(nullptr, "CURRENT_RESOURCES", 500); });
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    EXPECT_EQ(play.values.timeTotal, 180);
    play.scoreCounter().target += 50;      // points won before the sand ran out
    ASSERT_TRUE(world.stepUntil([&play] { return play.values.lost; }, 200));
    EXPECT_EQ(play.timerDigits.text(), "00:00");
    ASSERT_NE(play.levelEnd.loseActor(), nullptr);
    EXPECT_TRUE(play.levelEnd.loseActor()->visible);
    EXPECT_FALSE(play.levelEnd.winActor()->visible);
    ASSERT_TRUE(WaitForEndButtons(world));
    EXPECT_TRUE(play.continueButton.hidden);
    EXPECT_EQ(play.scoreCounter().shown, 500) << "the resources count back to the entry value";
    world.drawFrame("level_lost");
    EXPECT_FALSE(Near(world.pixel(800, 300), world.pixel(200, 300), 30));

    world.clickOn(play.leaveButton);
    world.steps(kFadeSteps + 5);
    const std::string profile = world.saveFile("player00.ini");
    EXPECT_FALSE(HasKey(profile, "CURRENT_LEVEL")) << profile;
    EXPECT_NE(profile.find("CURRENT_RESOURCES=500"), std::string::npos) << profile;
    EXPECT_TRUE(InCamp(world)) << "a lost level leads back to the camp as well";
}

TEST(PlayScreen, RetryAfterALossStartsTheLevelAfresh) {
    const MirroredData data;
    UseShortLevels(data, "0:02");
    PlayWorld world(data.path());
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(PlayUntilLost(world));
    world.clickOn(play.retryButton);
    EXPECT_FALSE(play.values.lost);
    EXPECT_TRUE(play.board->revealing);
    EXPECT_FALSE(play.levelEnd.isShowing());
    EXPECT_TRUE(play.retryButton.hidden);
    EXPECT_EQ(play.values.timeLeft, 120);
}

TEST(PlayScreen, CasualModeStopsAtZeroAndTheLevelCanStillBeWon) {
    const MirroredData data;
    UseShortLevels(data, "0:02");
    PlayWorld world(data.path(), [] { SetPlayerInt(nullptr, "CASUAL_MODE", 1); });
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    world.steps(200);
    EXPECT_EQ(play.values.timeLeft, 0);
    EXPECT_EQ(play.timerDigits.text(), "00:00");
    EXPECT_FALSE(play.values.lost);
    EXPECT_FALSE(play.values.levelOver);
    ASSERT_TRUE(world.playToTheWin());
    EXPECT_TRUE(world.stepUntil([&play] { return play.levelEnd.isWin(); }, 600));
    EXPECT_EQ(play.levelEnd.counterAt(2).target, 0) << "no time left, no time bonus";
}

TEST(PlayScreen, TheLevelChoosesItsMusicTrack) {
    struct TrackCase {
        int level;
        int index;
        const char* path;
    };
    const TrackCase cases[] = {{1, 0, "sounds\\music\\play1.ogg"}, {2, 1, "sounds\\music\\play4.ogg"},
                               {5, 4, "sounds\\music\\play5.ogg"}, {6, 0, "sounds\\music\\play1.ogg"},
                               {12, 1, "sounds\\music\\play4.ogg"}};
    for (const TrackCase& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(Playing::musicIndexFor(c.level), c.index);
        EXPECT_STREQ(Playing::playTrackPath(c.index), c.path);
    }
    PlayWorld world({QV_DATA_DIR}, [] { SetPlayerInt(nullptr, "CURRENT_LEVEL", 6); });
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(world.waitForPlay());
    EXPECT_EQ(world.play().values.musicIndex, 0);
    EXPECT_EQ(world.play().values.fileNumber, 5);
}

// The frames of these tests are checked on both renderers: the software one off screen, the
// accelerated one under the tests' own Xvfb (skipped without it).
class PlayScreenFrames : public testing::TestWithParam<TestRenderer> {
protected:
    bool Unavailable(const PlayWorld& world) const {
        return GetParam() == TestRenderer::Accelerated && !world.started();
    }
};

TEST_P(PlayScreenFrames, LosingTheWindowFocusPausesTheLevelBehindThePauseCard) {
    PlayWorld world(PlayWindow{GetParam()});
    if (Unavailable(world)) GTEST_SKIP() << "no Xvfb with OpenGL";
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    world.steps(30);
    world.drawFrame("playing");
    const Pixel before = world.pixel(800, 450);
    const Pixel sky = world.pixel(100, 100);
    world.focus(false);
    const int timeLeft = play.values.timeLeft;
    const int boardTicks = play.board->tickCount;
    world.steps(120);
    EXPECT_TRUE(play.isPaused());
    EXPECT_EQ(play.values.timeLeft, timeLeft);
    EXPECT_EQ(play.board->tickCount, boardTicks);
    world.drawFrame("paused");
    EXPECT_FALSE(Near(world.pixel(800, 450), before, 20)) << "the card covers the middle";
    const Pixel dimmed = world.pixel(100, 100);
    EXPECT_LT(dimmed.r + dimmed.g + dimmed.b, (sky.r + sky.g + sky.b) * 6 / 10) << "the rest is dimmed";

    world.click(800, 450);                 // nothing reaches the board meanwhile
    EXPECT_EQ(play.board->selected.x, -1);
    world.focus(true);
    world.steps(60);
    EXPECT_FALSE(play.isPaused());
    EXPECT_TRUE(play.pauseCard.hidden);
    EXPECT_LT(play.values.timeLeft, timeLeft);
    EXPECT_GT(play.board->tickCount, boardTicks);
}

// The first level's tip floats over the board while the level runs; when the window loses the
// focus, the card and its dimming lie over the tip as over everything else.
TEST_P(PlayScreenFrames, ThePauseCardLiesOverTheOpenTip) {
    PlayWorld world(PlayWindow{GetParam()}, [] { SetPlayerInt(nullptr, "SHOW_TIPS", 1); });
    if (Unavailable(world)) GTEST_SKIP() << "no Xvfb with OpenGL";
    ASSERT_TRUE(world.started());
    ASSERT_TRUE(world.stepUntil([] { return Frame().secondary != nullptr; }, 1200)) << "the first tip opens";
    world.steps(120);                      // its text typed out
    TipDialog& tip = world.game().tipDialog;
    const LDvRect box = tip.frame.GetBounds();
    // A corner inside the tip's frame that the card, which covers the middle of the screen, leaves
    // in view (the tip box may sit above or below it).
    PauseCard& card = world.play().pauseCard;
    const int cardTop = PauseCard::kCentreY - card.cardHeight() / 2;
    const int cardBottom = PauseCard::kCentreY + card.cardHeight() / 2;
    const int x = box.left + 40;
    const int y = box.top + 40 < cardTop || box.top + 40 > cardBottom ? box.top + 40 : box.bottom - 40;
    ASSERT_TRUE(y < cardTop || y > cardBottom) << "no part of the tip left beside the card";
    world.drawFrame("tip");
    const Pixel open = world.pixel(x, y);
    world.focus(false);
    world.steps(2);
    ASSERT_TRUE(world.play().isPaused());
    world.drawFrame("tip_paused");
    const Pixel dimmed = world.pixel(x, y);
    EXPECT_TRUE(Near(dimmed, Pixel{open.r / 2, open.g / 2, open.b / 2}, 8))
        << "the tip is dimmed like the rest: " << dimmed.r << "," << dimmed.g << "," << dimmed.b << " from " << open.r
        << "," << open.g << "," << open.b;
}

// The same moment of the same level in the 1600 x 900 window and in the 1365 x 768 one that a
// 1366 x 768 desktop gets: the smaller shows the whole canvas scaled, colours kept.
TEST_P(PlayScreenFrames, TheLaptopWindowShowsTheWholeCanvasScaled) {
    struct Place { const char* what; int x, y; };
    constexpr Place kPlaces[] = {{"sky", 100, 100}, {"sea", 1400, 470}, {"sand", 700, 740}, {"bar", 300, 860}};
    std::vector<Pixel> seen[2];
    for (int laptop = 0; laptop < 2; ++laptop) {
        PlayWorld world(PlayWindow{GetParam(), laptop ? 1366 : 1600, laptop ? 768 : 900});
        if (Unavailable(world)) GTEST_SKIP() << "no Xvfb with OpenGL";
        ASSERT_TRUE(world.started());
        ASSERT_TRUE(world.waitForPlay());
        world.drawFrame(laptop ? "laptop" : "canvas");
        const float scale = laptop ? 1365.0f / 1600.0f : 1.0f;
        for (const Place& place : kPlaces) {
            seen[laptop].push_back(world.pixel(static_cast<int>(place.x * scale), static_cast<int>(place.y * scale)));
        }
        if (laptop) {
            EXPECT_EQ(world.pixel(1365, 100).r, -1) << "the window ends at 1365";
        }
    }
    for (size_t i = 0; i < std::size(kPlaces); ++i) {
        EXPECT_TRUE(Near(seen[1][i], seen[0][i], 16)) << kPlaces[i].what;
    }
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, PlayScreenFrames,
                         testing::Values(TestRenderer::Software, TestRenderer::Accelerated),
                         [](const auto& info) { return RendererLabel(info.param); });

TEST(PlayScreen, TheWindGodAimsAndFiresAndTheCountIsStored) {
    PlayWorld world({QV_DATA_DIR}, [] {
        SetPlayerInt(nullptr, "WBS", 2);
        SetPlayerInt(nullptr, "WBS_ACTIVE", 1);
    });
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    ASSERT_TRUE(world.waitForQuiet());
    world.steps(1);
    EXPECT_FALSE(play.windButton->hidden);
    EXPECT_FALSE(play.bonusDrawer.hidden);
    EXPECT_EQ(play.bonusDrawer.count, 2);

    world.click(539, 816);
    EXPECT_TRUE(play.wind->aiming);
    EXPECT_FALSE(play.aimer->hidden);
    world.rightClick(700, 400);
    EXPECT_FALSE(play.wind->aiming);
    EXPECT_TRUE(play.aimer->hidden);

    world.click(539, 816);
    const LDvPoint target = Board::cellCentre({9, 6});
    world.click(target.x, target.y);
    EXPECT_FALSE(play.wind->aiming);
    EXPECT_GT(play.board->windTicks, 0);
    EXPECT_TRUE(play.tornado->isRunning());
    EXPECT_TRUE(play.values.windRunning);
    EXPECT_NE(world.saveFile("player00.ini").find("WBS=1"), std::string::npos);
    world.click(target.x, target.y);       // ignored while the wind blows
    EXPECT_EQ(play.board->selected.x, -1);
    EXPECT_TRUE(world.stepUntil([&play] { return !play.values.windRunning; }, 200));
}

TEST(PlayScreen, TheLevelStartOffersAtMostOneTipInItsOrder) {
    struct TipCase {
        int level;
        int winds;
        bool instructionsShown;
        std::vector<std::string> offered;
    };
    const TipCase cases[] = {
        {1, 0, true, {"SAW_INSTRUCTIONS"}},
        {1, 0, false, {"SAW_INSTRUCTIONS"}},
        {2, 0, false, {"SAW_INSTRUCTIONS", "SAW_BIG_EXPLODER_HELP"}},
        {3, 0, false, {"SAW_INSTRUCTIONS", "SAW_SMALL_EXPLODER_HELP"}},
        {4, 0, false, {"SAW_INSTRUCTIONS", "SAW_CRATE_BONUS_TIP"}},
        {4, 3, false, {"SAW_INSTRUCTIONS", "SAW_WIND_BONUS_TIP"}},
    };
    PlayWorld world;
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    std::vector<Playing::TipRequest> offered;
    bool showInstructions = false;
    play.offerTip = [&](const Playing::TipRequest& tip) {
        offered.push_back(tip);
        return showInstructions && std::string(tip.key) == "SAW_INSTRUCTIONS";
    };
    for (const TipCase& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        SetPlayerInt(nullptr, "CURRENT_LEVEL", c.level);
        SetPlayerInt(nullptr, "WBS", c.winds);
        showInstructions = c.instructionsShown;
        offered.clear();
        SetState(&play, &world.game(), false);
        ASSERT_TRUE(world.waitForPlay());
        std::vector<std::string> keys;
        for (const Playing::TipRequest& tip : offered) keys.emplace_back(tip.key);
        EXPECT_EQ(keys, c.offered);
        if (offered.size() == 2 && c.level == 2) {
            const LDvPoint crystal = offered[1].point;
            LDvPoint cell;
            ASSERT_TRUE(play.board->screenToCell(crystal, cell));
            ASSERT_NE(play.board->pieceAt(cell), nullptr);
            EXPECT_TRUE(play.board->pieceAt(cell)->special);
            EXPECT_STREQ(offered[1].argument, "EXPLODE");
        }
    }
    offered.clear();
    LDvPoint from, to;
    ASSERT_TRUE(world.waitForQuiet());
    ASSERT_TRUE(ChooseSwap(*play.board, from, to));
    world.dragSwap(from, to);
    world.steps(20);
    ASSERT_FALSE(offered.empty());
    EXPECT_STREQ(offered[0].key, "SAW_BLUETILE_HELP");
    EXPECT_EQ(offered[0].point.x, 936);
}

TEST(PlayScreen, TheMenuRestartsOrLeavesTheLevel) {
    PlayWorld world;
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    Playing::MenuAnswer answer = Playing::MenuAnswer::Close;
    int opened = 0;
    play.runMenu = [&](const LDvString& restart, const LDvString& leave) {
        ++opened;
        EXPECT_EQ(restart, GetText(69));
        EXPECT_EQ(leave, GetText(70));
        return answer;
    };
    ASSERT_TRUE(world.waitForPlay());
    world.steps(60);
    const LDvRect menu = play.menuButton.GetBounds();
    const int menuX = (menu.left + menu.right) / 2;
    const int menuY = (menu.top + menu.bottom) / 2;
    const int timeLeft = play.values.timeLeft;

    world.moveMouse(menuX, menuY);
    world.click(menuX, menuY);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(play.board->revealing) << "closing the menu changes nothing";

    answer = Playing::MenuAnswer::Restart;
    world.click(menuX, menuY);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(play.board->revealing);
    EXPECT_GT(play.values.timeLeft, timeLeft);

    ASSERT_TRUE(world.waitForPlay());
    answer = Playing::MenuAnswer::Leave;
    world.click(menuX, menuY);
    EXPECT_EQ(opened, 3);
    EXPECT_TRUE(play.values.left);
    ASSERT_TRUE(world.stepUntil([&world] { return InCamp(world); }, kFadeSteps + 10));
    EXPECT_FALSE(HasKey(world.saveFile("player00.ini"), "CURRENT_LEVEL"));
}

// The game's own options dialog, run modally from the menu button: its leave button says
// "restart" and starts the level afresh, its quit button leaves without writing anything.
TEST(PlayScreen, TheOptionsDialogOfTheMenuRestartsOrLeavesTheLevel) {
    struct Case {
        const char* what;
        bool restart;
    };
    for (const Case& c : {Case{"restart", true}, Case{"leave", false}}) {
        SCOPED_TRACE(c.what);
        PlayWorld world;
        ASSERT_TRUE(world.started());
        Playing& play = world.play();
        ASSERT_TRUE(world.waitForPlay());
        world.steps(60);
        const int timeLeft = play.values.timeLeft;
        LDvString restartLabel, leaveLabel;
        int frames = 0;
        // Inside the modal run only the loop's hooks get a say: they read the dialog and click
        // the chosen button once its dimmer has settled.
        LoopHooks hooks;
        hooks.afterPresent = [&](int) {
            auto* dialog = dynamic_cast<GameOptionsDialog*>(Frame().currentState);
            if (dialog == nullptr) return;
            restartLabel = dialog->leaveLabel;
            leaveLabel = dialog->quitLabel;
            ButtonBase& button = c.restart ? dialog->leaveButton : dialog->quitButton;
            const LDvRect box = button.GetBounds();
            const int x = (box.left + box.right) / 2, y = (box.top + box.bottom) / 2;
            ++frames;
            if (frames == 25) Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEMOVE, 0, x, y));
            if (frames == 26) Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEDOWN, 1, x, y));
            if (frames == 28) Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEUP, 1, x, y));
            if (frames > 600) Frame().window->requestQuit();
        };
        SetLoopHooks(std::move(hooks));
        world.clickOn(play.menuButton);
        SetLoopHooks({});
        EXPECT_EQ(Frame().currentState, &play);
        EXPECT_EQ(restartLabel, GetText(69));
        EXPECT_EQ(leaveLabel, GetText(70));
        if (c.restart) {
            EXPECT_TRUE(play.board->revealing);
            EXPECT_GT(play.values.timeLeft, timeLeft);
            EXPECT_FALSE(play.values.left);
        } else {
            EXPECT_TRUE(play.values.left);
            EXPECT_FALSE(HasKey(world.saveFile("player00.ini"), "CURRENT_LEVEL"));
        }
    }
}

// A tap (press and release within one step, as a touchpad or xdotool gives it) takes the
// level-end buttons, the menu button and the buttons of the options dialog it opens.
TEST(PlayScreen, ATapWithinOneStepTakesEveryButtonOfTheScreen) {
    for (const bool retry : {true, false}) {
        SCOPED_TRACE(retry ? "retry" : "back to camp");
        const MirroredData data;
        UseShortLevels(data, "0:01");
        PlayWorld world(data.path());
        ASSERT_TRUE(world.started());
        Playing& play = world.play();
        ASSERT_TRUE(PlayUntilLost(world));
        const LDvPoint at = Centre(retry ? play.retryButton : play.leaveButton);
        world.tap(at.x, at.y);
        EXPECT_EQ(play.values.lost, !retry);
        EXPECT_EQ(play.values.left, !retry);
    }

    PlayWorld world;
    ASSERT_TRUE(world.started());
    Playing& play = world.play();
    ASSERT_TRUE(world.waitForPlay());
    world.steps(60);
    int frames = 0;  // of the options dialog's modal run
    LoopHooks hooks;
    hooks.afterPresent = [&](int) {
        auto* dialog = dynamic_cast<GameOptionsDialog*>(Frame().currentState);
        if (dialog == nullptr) return;
        if (++frames == 25) {
            const LDvPoint at = Centre(dialog->closeButton);
            Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEMOVE, 0, at.x, at.y));
            Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEDOWN, 1, at.x, at.y));
            Frame().window->deliverEvent(KTestInput::mouseEvent(K_EVENT_MOUSEUP, 1, at.x, at.y));
        }
        if (frames > 600) Frame().window->requestQuit();
    };
    SetLoopHooks(std::move(hooks));
    const LDvPoint menu = Centre(play.menuButton);
    world.tap(menu.x, menu.y);
    SetLoopHooks({});
    EXPECT_GT(frames, 0) << "the menu opened";
    EXPECT_LT(frames, 30) << "the tap on its close button closed it";
    EXPECT_EQ(Frame().currentState, &play);
}

// The first tip of a level floats until the first move; a level that ends before takes it along.
TEST(PlayScreen, AFloatingTipClosesWhenItsLevelEnds) {
    enum class End { Lost, Restarted, Left };
    for (const End end : {End::Lost, End::Restarted, End::Left}) {
        SCOPED_TRACE(static_cast<int>(end));
        const MirroredData data;
        UseShortLevels(data, "0:02");
        PlayWorld world(data.path(), [] { SetPlayerInt(nullptr, "SHOW_TIPS", 1); });
        ASSERT_TRUE(world.started());
        Playing& play = world.play();
        play.runMenu = [end](const LDvString&, const LDvString&) {
            return end == End::Restarted ? Playing::MenuAnswer::Restart : Playing::MenuAnswer::Leave;
        };
        ASSERT_TRUE(world.waitForPlay());
        ASSERT_EQ(Frame().secondary, &world.game().tipDialog) << "the instructions float over the board";
        if (end == End::Lost) {
            ASSERT_TRUE(world.stepUntil([&play] { return play.values.lost; }, 200));
        } else {
            world.steps(60);  // the menu sign has dropped in
            world.clickOn(play.menuButton);
        }
        EXPECT_EQ(Frame().secondary, nullptr);
    }
}
