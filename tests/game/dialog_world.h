#pragma once
// A game on the default data with its window open (off-screen), the manual clock on, the save
// folder in a temporary folder and a blank screen current: the ground the dialogs run on in the
// tests, modally through the real main loop or floating over the blank screen.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

#include "engine/k_clock.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/core/step_schedule.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "tests/support/temp_dir.h"

class DialogWorld : public testing::Test {
protected:
    void SetUp() override {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting([this](const LDvString&, const LDvString&) { ++messageBoxes; });
        setManualClock(true);
        game = std::make_unique<Match3>();
        Frame().rootDirOverride = QV_DATA_DIR;
        ASSERT_TRUE(game->InitGame(false));
        ASSERT_EQ(messageBoxes, 0) << "something the game loads at start-up is missing";
        SetState(&game->blankState, game.get(), false);
    }
    // The game goes while its window still stands, so its pictures are freed on their renderer. No
    // UninitGame: the quit it posts would stay queued in SDL and close the next test's window.
    void TearDown() override {
        if (Frame().currentState != nullptr) Frame().currentState->ToggleOverlays();
        Frame().currentState = nullptr;
        game.reset();
        setManualClock(false);
        ResetFrameForTesting();
        SetMessageBoxHookForTesting({});
    }

    KWindow& Window() { return *Frame().window; }

    // Profiles by slot; the last one created is selected.
    static void MakeProfiles(std::initializer_list<std::pair<int, const char*>> profiles) {
        for (const auto& [slot, name] : profiles) CreatePlayer(slot, name);
    }

    // Passes of the main loop over whatever is current (a floating tip, the blank screen) until
    // `done` answers true or `frames` passes ran; true when done.
    template <typename Done>
    bool RunFramesUntil(int frames, Done done) {
        StepSchedule schedule(Frame().updatesPerSecond, StepClock::Raw);
        schedule.Start();
        for (int i = 0; i < frames; ++i) {
            if (done()) return true;
            RunLoopPass(schedule);
        }
        return done();
    }

    TempDir home;
    ScopedEnv xdg{"XDG_DATA_HOME", home.path()};
    std::unique_ptr<Match3> game;
    int messageBoxes = 0;
};
