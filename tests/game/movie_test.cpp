// The intro movie: when its timed cues fire, when a scene starts fading out, how scenes follow one
// another to the camp, and the skip button, on the generated data in an off-screen window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "game/cinematics/movie.h"
#include "game/cinematics/movie_triggers.h"
#include "tests/game/game_world.h"

namespace {

// The tick (1-based) of running scene time on which the cue at `index` of the table fires.
int FiringTick(size_t index) {
    const MovieTrigger& trigger = kMovieTriggers[index];
    MovieTriggerFlags fired{};
    float time = 0.0f;
    RunMovieTriggers(trigger.scene, time, fired, [](const MovieTrigger&) {});
    for (int tick = 1; tick < 1000; ++tick) {
        time += kSpineTickSeconds;
        bool firedNow = false;
        RunMovieTriggers(trigger.scene, time, fired, [&](const MovieTrigger& t) { firedNow |= &t == &trigger; });
        if (firedNow) return tick;
    }
    return -1;
}

size_t TriggerIndex(int32_t scene, MovieCue cue, const char* sound, int32_t text) {
    for (size_t i = 0; i < kMovieTriggers.size(); ++i) {
        const MovieTrigger& t = kMovieTriggers[i];
        if (t.scene == scene && t.cue == cue && t.text == text &&
            (sound == nullptr ? t.sound == nullptr : t.sound != nullptr && std::string(t.sound) == sound)) {
            return i;
        }
    }
    return kMovieTriggers.size();
}

struct TickCase {
    const char* what;
    int32_t scene;
    MovieCue cue;
    const char* sound;
    int32_t text;
    int tick;
};

// The scene's time is a float gaining 1/60 s a tick: after 6 ticks it is exactly 0.1f, which is not
// past 0.1, so a 0.1 s cue waits for the 7th tick; a 0.05 s cue fires on the 3rd.
constexpr TickCase kTicks[] = {
    {"title song at 0.1 s", 0, MovieCue::PlaySound, "titlecard_song", 0, 7},
    {"dock caption at 0.1 s", 1, MovieCue::Caption, nullptr, 56, 7},
    {"storm caption at 0.05 s", 4, MovieCue::Caption, nullptr, 58, 3},
    {"projector at 3 s", 0, MovieCue::PlayAmbience, "projector_running", 0, 181},
};

}  // namespace

TEST(MovieTriggers, FireOnTheTickTheFloatTimeFirstPassesTheirMoment) {
    for (const TickCase& c : kTicks) {
        SCOPED_TRACE(c.what);
        const size_t index = TriggerIndex(c.scene, c.cue, c.sound, c.text);
        ASSERT_LT(index, kMovieTriggers.size());
        EXPECT_EQ(FiringTick(index), c.tick);
    }
}

TEST(MovieTriggers, FireOncePerShowingAndAgainAfterARestart) {
    MovieTriggerFlags fired{};
    int fires = 0;
    auto count = [&](const MovieTrigger&) { ++fires; };
    RunMovieTriggers(5, 10.0f, fired, count);   // every cue of the last scene is due
    RunMovieTriggers(5, 11.0f, fired, count);
    EXPECT_EQ(fires, 4);
    RunMovieTriggers(5, 0.0f, fired, count);    // the scene restarted
    RunMovieTriggers(5, 10.0f, fired, count);
    EXPECT_EQ(fires, 8);
}

namespace {

// The movie entered on the intro's scenes, stepped by hand as the main loop steps it: the state's
// Update, then the screen fade's.
class MovieWorld {
public:
    MovieWorld() {
        if (!world.Started()) return;
        game().movie.SetIntroClips();
        SetState(&game().movie, &game(), false);
    }
    Match3& game() { return world.Game(); }
    Movie& movie() { return world.Game().movie; }
    void Step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            movie().Update();
            game().screenFade.Update();
        }
    }
    // Until the current scene's fade-in is over and its time runs.
    bool StepUntilRunning() {
        for (int i = 0; i < 60; ++i) {
            SpineActor* actor = movie().CurrentActor();
            if (actor != nullptr && !actor->held && game().screenFade.fadeStepsRemaining == 0) return true;
            Step();
        }
        return false;
    }

    GameWorld world;
};

int CountIn(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
    return count;
}

}  // namespace

TEST(Movie, LoadsEverySceneAndStartsTheFirstHeldBehindAShortFadeIn) {
    MovieWorld m;
    ASSERT_TRUE(m.world.Started()) << m.world.LogText();
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(m.movie().actors[i], nullptr);
        EXPECT_GT(m.movie().actors[i]->animation.duration, 1.0f) << kIntroMovieClips[i];
    }
    EXPECT_EQ(m.movie().CurrentActor(), m.movie().actors[0].get());
    EXPECT_TRUE(m.movie().CurrentActor()->held);
    EXPECT_EQ(m.game().screenFade.fadeStepsRemaining, Movie::kSceneFadeSteps);
    EXPECT_EQ(m.game().screenFade.startPercent, 100);
    EXPECT_TRUE(m.StepUntilRunning());
    EXPECT_EQ(m.world.messageBoxes.size(), 0u) << "a file the movie needs is missing";
}

TEST(Movie, ASceneFadesOutOnTheFirstTickPastOneTwelfthOfASecondBeforeItsEnd) {
    MovieWorld m;
    ASSERT_TRUE(m.world.Started()) << m.world.LogText();
    ASSERT_TRUE(m.StepUntilRunning());
    SpineActor& actor = *m.movie().CurrentActor();
    actor.animation.duration = 6.0f;
    actor.time = 5.85f;
    const float fadeFrom = 6.0f - Movie::kFadeLead;
    float before = 0.0f;
    for (int i = 0; i < 20 && m.game().screenFade.fadeStepsRemaining == 0; ++i) {
        before = actor.time;
        m.Step();
    }
    EXPECT_EQ(m.game().screenFade.endPercent, 100);
    EXPECT_EQ(m.game().screenFade.holdStepsRemaining, Movie::kSceneHoldSteps);
    EXPECT_GT(actor.time, fadeFrom);
    EXPECT_LE(before, fadeFrom) << "the fade started a tick late";
    const float fadingAt = actor.time;
    m.Step(3);
    EXPECT_GT(actor.time, fadingAt) << "the scene's time runs on through the fade";
}

TEST(Movie, ScenesFollowThroughFadesWithTheirCaptionsAndTheLastEndsInTheCamp) {
    MovieWorld m;
    ASSERT_TRUE(m.world.Started()) << m.world.LogText();
    for (int scene = 0; scene < 6; ++scene) {
        SCOPED_TRACE(kIntroMovieClips[scene]);
        ASSERT_EQ(m.movie().sceneIndex, scene);
        ASSERT_TRUE(m.StepUntilRunning());
        m.Step(10);
        SpineActor& actor = *m.movie().CurrentActor();
        actor.time = actor.animation.duration - 0.2f;
        for (int i = 0; i < 60 && m.movie().sceneIndex == scene; ++i) m.Step();
    }
    EXPECT_EQ(m.game().screenFade.nextState, m.game().StateAfterLevel());
    EXPECT_EQ(m.game().screenFade.fadeStepsTotal, BlackOut::kFadeSteps) << "the long fade of the movie's end";
    const std::string log = m.world.LogText();
    for (const char* sound : {"titlecard_song", "dock_ambience", "ocean", "fog", "projector_stop"}) {
        EXPECT_EQ(CountIn(log, std::string("playing sound : '") + sound + "'"), 1) << sound;
    }
    EXPECT_GE(m.game().scene.textBox.display.lines.Count(), 1) << "the last caption is shown";
    m.Step(BlackOut::kFadeSteps + BlackOut::kHoldSteps);
    EXPECT_EQ(Frame().currentState, m.game().StateAfterLevel());
    EXPECT_EQ(m.movie().CurrentActor(), nullptr);
    EXPECT_EQ(m.movie().actors[0], nullptr) << "leaving deletes the scenes";
}

TEST(Movie, SkipDuringTheFinalFadeStartsTheEndAgain) {
    MovieWorld m;
    ASSERT_TRUE(m.world.Started()) << m.world.LogText();
    ASSERT_TRUE(m.StepUntilRunning());
    m.movie().OnButton(&m.movie().skipButton);
    m.Step(20);
    ASSERT_EQ(m.game().screenFade.fadeStepsRemaining, BlackOut::kFadeSteps - 20);
    m.movie().OnButton(&m.movie().skipButton);
    EXPECT_EQ(m.game().screenFade.fadeStepsRemaining, BlackOut::kFadeSteps);
    EXPECT_EQ(m.game().screenFade.holdStepsRemaining, BlackOut::kHoldSteps);
    EXPECT_EQ(m.game().movieSounds.fadeOutRemaining, BlackOut::kFadeSteps);
    EXPECT_EQ(m.game().movieAmbience.fadeOutRemaining, BlackOut::kFadeSteps);
    EXPECT_EQ(CountIn(m.world.LogText(), "playing sound : 'projector_stop'"), 2);
    EXPECT_TRUE(m.movie().CurrentActor()->held);
}

// Played in the real main loop: the first scene runs, the skip button is clicked through the
// engine's events, and the game fades to the camp.
TEST(Movie, PlaysAndIsSkippedWithAClickIntoTheCamp) {
    GameWorld world;
    ASSERT_TRUE(world.Started()) << world.LogText();
    Match3& game = world.Game();
    game.movie.SetIntroClips();
    SetState(&game.movie, &game, false);
    float timeBeforeSkip = 0.0f;
    LDvState* stateAfter = nullptr;
    world.After(20, [&] { timeBeforeSkip = game.movie.CurrentActor()->time; });
    world.After(20, [&] { world.ClickOn(game.movie.skipButton); });
    // The click lands a few frames after it is queued; the fade and its hold follow.
    constexpr int kAfterFade = 20 + BlackOut::kFadeSteps + BlackOut::kHoldSteps + 20;
    world.After(kAfterFade, [&] { stateAfter = Frame().currentState; });
    world.frameLimit = kAfterFade + 2;
    game.RunGame();
    EXPECT_GT(timeBeforeSkip, 0.1f) << "the title card was not playing";
    EXPECT_EQ(stateAfter, game.StateAfterLevel());
    EXPECT_EQ(CountIn(world.LogText(), "playing sound : 'titlecard_song'"), 1);
    EXPECT_EQ(CountIn(world.LogText(), "playing sound : 'projector_stop'"), 1);
}

// A scene whose files are missing has nothing to show and no length: the movie fades through it
// instead of standing on a black screen, and still ends in the camp.
TEST(Movie, AMissingSceneIsPassedOverAndTheMovieStillEnds) {
    MovieWorld m;
    ASSERT_TRUE(m.world.Started()) << m.world.LogText();
    LDvList<LDvString> names;
    names.Add("no_such_scene");
    m.movie().SetClips(names, m.game().IntroMovie());
    SetState(&m.game().movie, &m.game(), false);
    for (int i = 0; i < 60 && m.game().screenFade.nextState == nullptr; ++i) m.Step();
    EXPECT_EQ(m.game().screenFade.nextState, m.game().StateAfterLevel());
}
