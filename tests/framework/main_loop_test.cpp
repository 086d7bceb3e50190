// The main loop and modal loops in a real (off-screen) window on the manual clock.
#include <gtest/gtest.h>

#include "engine/display_watch.h"
#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "tests/framework/recording_state.h"
#include "tests/framework/shell_fixture.h"

namespace {

class CountingGame : public LDvGame {
public:
    CountingGame() : LDvGame("Quorvane", "Quorvane", 0, 2) {}
    bool OnInit() override { return initResult; }
    void OnTick() override { ++ticks; }
    void OnExit() override { ++exits; }

    bool initResult = true;
    int ticks = 0;
    int exits = 0;
};

class MainLoopTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        setManualClock(true);
        game = std::make_unique<CountingGame>();
        Frame().updatesPerSecond = 60;
        StartLogging("Quorvane", "0.2", false);
    }
    void TearDown() override {
        game.reset();
        setManualClock(false);
        ShellTest::TearDown();
    }
    // The life-cycle calls only: the window's first frame also brings the mouse to its centre.
    Journal LifeCycle() const {
        Journal calls;
        for (const std::string& entry : journal) {
            if (entry.find(":move ") == std::string::npos) calls.push_back(entry);
        }
        return calls;
    }
    std::string LogText() const { return dataHome.read("Drovana Games/Quorvane/Ver0.2/log.txt"); }

    std::unique_ptr<CountingGame> game;
    Journal journal;
    RecordingState a{"a", journal};
    RecordingState b{"b", journal};
    RecordingState c{"c", journal};
};

}  // namespace

TEST_F(MainLoopTest, InitGameOpensAWindowAndLogsEachStep) {
    ASSERT_TRUE(game->InitGame(false));
    ASSERT_NE(Frame().window, nullptr);
    EXPECT_NE(Frame().primitivePicture, nullptr);
    const std::string log = LogText();
    EXPECT_EQ(log.rfind("=== Game Initializing ===\n->Linux - Using SDL2 accelerated renderer\n", 0), 0u) << log;
    EXPECT_NE(log.find("-> Setting callbacks\n=== Game Finished Initializing Successfully ===\n"
                       "=== Calling User OnInit ===\n-> User init succeeded\n"),
              std::string::npos)
        << log;
}

// The display going away under the game (the X server ends): an unsaved change is saved, the log
// says why the game ended, and the process ends at once with its own status.
TEST_F(MainLoopTest, LosingTheDisplaySavesAndEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child writes into this test's folder
    const std::string profile = dataHome.file("Drovana Games/Quorvane/Ver0.2/player00.ini");
    EXPECT_EXIT(
        {
            if (!game->InitGame(false)) std::exit(1);
            Frame().progress = std::make_unique<LDvIniFile>(profile);
            Frame().progress->SetAutoSave(true);
            failNextAtomicWritesForTesting(1);
            Frame().progress->SetString(nullptr, "CURRENT_LEVEL", "5");  // the write fails: unsaved
            loseDisplayForTesting();
        },
        testing::ExitedWithCode(kDisplayLostExitCode), "");
    EXPECT_EQ(dataHome.read("Drovana Games/Quorvane/Ver0.2/player00.ini"), "CURRENT_LEVEL=5\n\n");
    EXPECT_NE(LogText().find("=== Game Ended: the display went away ===\n"), std::string::npos) << LogText();
}

TEST_F(MainLoopTest, FailedOnInitClosesTheWindow) {
    game->initResult = false;
    EXPECT_FALSE(game->InitGame(false));
    EXPECT_EQ(Frame().window, nullptr);
    EXPECT_NE(LogText().find("-> User init failed / returned false\n"), std::string::npos);
}

TEST_F(MainLoopTest, MissingMediaEndsTheLoopAfterTheFrame) {
    ASSERT_TRUE(game->InitGame(false));
    SetState(&a, game.get(), false);
    a.onUpdate = [this] {
        if (a.tickCount == 30) MediaMissing("levels.ini");
    };
    game->RunGame();
    EXPECT_EQ(a.tickCount, 30);
    EXPECT_EQ(a.updates, 30);
    EXPECT_EQ(game->ticks, 30);
    EXPECT_EQ(game->exits, 1);
    EXPECT_EQ(Frame().currentState, nullptr);
    EXPECT_EQ(Frame().window, nullptr);
    const std::string log = LogText();
    EXPECT_NE(log.find("=== Game started ===\n=== Game Ended Next Update ===\n=== Game Ended ===\n"
                       "=== Game Uninit() called ===\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(journal.back(), "a:leave none");
}

TEST_F(MainLoopTest, ModalStateRunsUntilItEndsAndReturnsWithoutReentering) {
    ASSERT_TRUE(game->InitGame(false));
    SetState(&a, game.get(), false);
    b.onUpdate = [this] {
        if (b.tickCount == 20) EndModal();
    };
    journal.clear();
    RunModal(&b);
    EXPECT_EQ(LifeCycle(), (Journal{"b:first-enter", "b:toggle", "b:enter", "b:toggle", "b:leave a"}));
    EXPECT_EQ(b.updates, 20);
    EXPECT_EQ(a.updates, 0);  // the state beneath is drawn, not stepped
    EXPECT_EQ(Frame().currentState, &a);
    EXPECT_FALSE(Frame().modalAbort);
    EXPECT_FALSE(Frame().window->isQuitRequested());
}

TEST_F(MainLoopTest, QuitInsideNestedModalsUnwindsEveryOne) {
    ASSERT_TRUE(game->InitGame(false));
    SetState(&a, game.get(), false);
    b.onUpdate = [this] {
        if (b.tickCount == 3) RunModal(&c);
    };
    c.onUpdate = [this] {
        if (c.tickCount == 2) Frame().window->requestQuit();
    };
    journal.clear();
    RunModal(&b);
    EXPECT_EQ(LifeCycle(), (Journal{"b:first-enter", "b:toggle", "b:enter", "c:first-enter", "c:toggle", "c:enter",
                                "c:toggle", "c:leave b", "b:toggle", "b:leave a"}));
    EXPECT_EQ(Frame().currentState, &a);
    EXPECT_TRUE(Frame().modalAbort);
    EXPECT_TRUE(Frame().stateStack.IsEmpty());
}
