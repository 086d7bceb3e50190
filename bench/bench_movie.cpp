// The intro movie's frame on the generated data, drawn as the movie draws it (the black backdrop,
// the scene's skeleton zoomed and juddered, the film frame and the five scratches) into a
// 1600 x 900 software-rendered off-screen window.
// - One frame per scene, the scene's time stepping through its whole length, so each figure is
//   the scene's mean frame; the busiest scene is the budget's measure.
// - The busiest moment alone: the last scene at 6.8 s, the beach fading in over the storm, fog,
//   rocks and wreck (both backdrops, both fog banks and the stretched flash slot all drawn).
// - The frame's parts alone: the backdrop, the film frame, and a scene's skeleton.
// - An empty frame (clear and present) for the window's own cost.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/overlay_images.h"
#include "game/cinematics/draw_movie.h"
#include "game/cinematics/intro_movie_files.h"
#include "game/cinematics/spine_actor.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr float kBusiestTime = 6.8f;

class MovieFrame {
public:
    explicit MovieFrame(int scene) {
        Frame().rootDirOverride = QV_DATA_DIR;
        Frame().imageFolder = "img";
        window.createGameWindow(kCanvasWidth, kCanvasHeight, 32, true, "bench");
        for (const char* file : kIntroMoviePictures) bundle.AddItem(std::string(kIntroMovieFolder) + file);
        bundle.LoadAll();
        LoadImage(&black, "GUI/black.png");
        actor = LoadActor(kIntroMovieClips[scene], &bundle);
        RestartActor(*actor);
        actor->visible = true;
        drawer.bundle = &bundle;
        drawer.blackPicture = &black;
        drawer.currentActor = actor.get();
        drawer.zoomX = drawer.zoomY = DrawMovie::kStartZoom;
        drawer.judderAmplitude = DrawMovie::kStartJudder;
        drawer.ResetScratches();
    }

    // One tick of the drawer's motion and of the scene's time, wrapping at the scene's end.
    void Step() {
        drawer.OnTick(++tick);
        actor->time += kSpineTickSeconds;
        if (actor->time > actor->animation.duration) actor->time = 0.0f;
    }

    KWindow window{K_RENDERER_SOFTWARE};
    LDvTextureAtlas bundle;
    LDvSprite black;
    std::unique_ptr<SpineActor> actor;
    DrawMovie drawer;
    int tick = 0;
};

void BM_MovieSceneFrame(benchmark::State& run) {
    MovieFrame movie(static_cast<int>(run.range(0)));
    for (auto _ : run) {
        movie.Step();
        movie.drawer.Draw();
        movie.window.flipBackBuffer(false);
    }
    run.SetLabel(kIntroMovieClips[run.range(0)]);
}

void BM_MovieBusiestFrame(benchmark::State& run) {
    MovieFrame movie(static_cast<int>(kIntroMovieClips.size()) - 1);
    for (auto _ : run) {
        movie.drawer.OnTick(++movie.tick);
        movie.actor->time = kBusiestTime;
        movie.drawer.Draw();
        movie.window.flipBackBuffer(false);
    }
}

// The parts of a frame alone, on the title card: 0 the black backdrop (zoom 13), 1 the film frame
// (zoom 4), 2 the scene's skeleton at zoom 1, 3 at the zoom-out's start (1.1).
void BM_MoviePart(benchmark::State& run) {
    constexpr const char* kParts[] = {"backdrop", "film frame", "scene at zoom 1", "scene at zoom 1.1"};
    MovieFrame movie(0);
    const int part = static_cast<int>(run.range(0));
    LDvSprite* frame = movie.bundle.FindItem("oldfilm_frame");
    for (auto _ : run) {
        movie.Step();
        if (part == 0) {
            movie.black.SetCentre(800, 450);
            movie.black.zoom = 13.0f;
            movie.black.Draw();
        } else if (part == 1) {
            frame->SetCentre(800, 450);
            frame->zoom = 4.0f;
            frame->Draw();
        } else {
            SpineBone* root = movie.actor->skeleton.BoneAt(0);
            root->scaleX = root->scaleY = part == 2 ? 1.0f : DrawMovie::kStartZoom;
            SetActorPosition(*movie.actor, 800.0f, 450.0f);
            DrawActor(*movie.actor);
        }
        movie.window.flipBackBuffer(false);
    }
    run.SetLabel(kParts[part]);
}

void BM_EmptyFrame(benchmark::State& run) {
    MovieFrame movie(0);
    for (auto _ : run) movie.window.flipBackBuffer(false);
}

}  // namespace

BENCHMARK(BM_MovieSceneFrame)->DenseRange(0, 5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MovieBusiestFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MoviePart)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
