// The level-end animations on the generated data.
// - One frame of the "levelwin" actor as the level-end screen draws it: posed and drawn into a
//   1600 x 900 software-rendered off-screen window, its time stepping through the animation,
//   beside posing alone and beside an empty frame (clear and present) for the window's own cost.
// - Loading both level-end animations ("levelwin" and "loselevel") from their files.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_actor.h"
#include "game/cinematics/spine_pose.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr float kCentreX = 800.0f;
constexpr float kCentreY = 370.0f;

constexpr const char* kWinLosePictures[] = {
    "win_panel", "win_title", "blue", "bonus", "timeleft", "total", "lose_panel", "lose_title",
    "hourglass", "coconut", "parrot_body", "parrot_head", "parrot_head_cheer", "parrot_head_sad",
    "parrot_wing_front", "parrot_wing_back", "parrot_tail", "confetti_red", "confetti_gold",
    "confetti_blue", "confetti_green", "star"};

class LevelEnd {
public:
    LevelEnd() {
        Frame().rootDirOverride = QV_DATA_DIR;
        Frame().imageFolder = "img";
        window.createGameWindow(kCanvasWidth, kCanvasHeight, 32, true, "bench");
        for (const char* name : kWinLosePictures) bundle.AddItem(std::string("states/playing/winlose/") + name + ".png");
        bundle.LoadAll();
        actor = LoadActor("levelwin", &bundle);
        RestartActor(*actor);
        actor->visible = true;
    }

    // The next tick's time, wrapping round at the end so every part of the animation is measured.
    void Step() {
        actor->time += kSpineTickSeconds;
        if (actor->time > actor->animation.duration) actor->time = 0.0f;
    }

    void Draw() {
        SpineBone* root = actor->skeleton.BoneAt(0);
        root->scaleX = root->scaleY = Frame().displayScale;
        SetActorPosition(*actor, kCentreX, kCentreY);
        DrawActor(*actor);
    }

    KWindow window{K_RENDERER_SOFTWARE};
    LDvTextureAtlas bundle;
    std::unique_ptr<SpineActor> actor;
};

void BM_DrawLevelWinFrame(benchmark::State& run) {
    LevelEnd scene;
    for (auto _ : run) {
        scene.Step();
        scene.Draw();
        scene.window.flipBackBuffer(false);
    }
}

void BM_EmptyFrame(benchmark::State& run) {
    LevelEnd scene;
    for (auto _ : run) scene.window.flipBackBuffer(false);
}

void BM_PoseLevelWin(benchmark::State& run) {
    LevelEnd scene;
    for (auto _ : run) {
        scene.Step();
        ApplyAnimation(scene.actor->animation, scene.actor->skeleton, scene.actor->time, false);
        UpdateWorld(scene.actor->skeleton);
        benchmark::DoNotOptimize(scene.actor->skeleton.BoneAt(0)->m00);
    }
}

void BM_LoadLevelEndAnimations(benchmark::State& run) {
    Frame().rootDirOverride = QV_DATA_DIR;
    LDvTextureAtlas bundle;
    for (auto _ : run) {
        std::unique_ptr<SpineActor> win = LoadActor("levelwin", &bundle);
        std::unique_ptr<SpineActor> lose = LoadActor("loselevel", &bundle);
        benchmark::DoNotOptimize(win->animation.duration + lose->animation.duration);
    }
}

}  // namespace

BENCHMARK(BM_DrawLevelWinFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PoseLevelWin)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_LoadLevelEndAnimations)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
