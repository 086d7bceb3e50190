// The intro movie's frame on the generated data, drawn as the movie draws it (the black backdrop,
// the scene's skeleton zoomed and juddered, the film frame and the five scratches, composed on the
// processor and shown as one picture) into a 1600 x 900 software-rendered off-screen window.
// - One frame per scene, the scene's time stepping through its whole length, so each figure is
//   the scene's mean frame; the busiest scene is the budget's measure.
// - The busiest moment alone: the last scene at 6.8 s, the beach fading in over the storm, fog,
//   rocks and wreck (both backdrops, both fog banks and the stretched flash slot all drawn).
// - The frame's parts alone: the composed frame shown, the film frame, and a scene's skeleton.
// - An empty frame (clear and present) for the window's own cost.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "engine/pixel_canvas.h"
#include "framework/core/frame_context.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/overlay_images.h"
#include "game/cinematics/draw_movie.h"
#include "game/cinematics/intro_movie_files.h"
#include "game/cinematics/spine_actor.h"
#include "game/cinematics/spine_compose.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr float kBusiestTime = 6.8f;

class MovieFrame {
public:
    explicit MovieFrame(int scene) {
        Frame().rootDirOverride = QV_DATA_DIR;
        Frame().imageFolder = "img";
        Frame().width = kCanvasWidth;                // as the game sets it: the scene is centred on it
        Frame().height = kCanvasHeight;
        window.createGameWindow(kCanvasWidth, kCanvasHeight, 32, true, "bench");
        for (const char* file : kIntroMoviePictures) bundle.AddItem(std::string(kIntroMovieFolder) + file);
        bundle.LoadAll();
        RetainBundlePixels(bundle);
        actor = LoadActor(kIntroMovieClips[scene], &bundle);
        RestartActor(*actor);
        actor->visible = true;
        drawer.bundle = &bundle;
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

// The parts of a frame alone, on the title card, composed on the processor as the movie composes
// them: 0 the composed frame shown (the black backdrop alone, handed to the renderer and drawn),
// 1 the film frame (zoom 4), 2 the scene's skeleton at zoom 1, 3 at the zoom-out's start (1.1).
void BM_MoviePart(benchmark::State& run) {
    constexpr const char* kParts[] = {"backdrop shown", "film frame", "scene at zoom 1", "scene at zoom 1.1"};
    constexpr float kFrameZoom = 4.0f;
    MovieFrame movie(0);
    const int part = static_cast<int>(run.range(0));
    PixelCanvas canvas;
    canvas.resize(kCanvasWidth, kCanvasHeight);
    std::unique_ptr<KGraphic> shown = createKGraphic();
    const PixelPicture frame = pixelsOf(*movie.bundle.FindItem("oldfilm_frame")->Picture());
    const float frameCorners[8] = {0.0f, 0.0f, frame.width * kFrameZoom, 0.0f, frame.width * kFrameZoom,
                                   frame.height * kFrameZoom, 0.0f, frame.height * kFrameZoom};
    for (auto _ : run) {
        movie.Step();
        canvas.begin(0);
        if (part == 0) {
            canvas.finish();
            shown->updateOpaquePixels(canvas.pixels().data(), kCanvasWidth, kCanvasHeight);
            shown->blitAlphaRect(0.0f, 0.0f, kCanvasWidth, kCanvasHeight, 0.0f, 0.0f);
        } else if (part == 1) {
            canvas.drawPicture(frame, frameCorners, PixelTint{});
            canvas.finish();
        } else {
            SpineBone* root = movie.actor->skeleton.BoneAt(0);
            root->scaleX = root->scaleY = part == 2 ? 1.0f : DrawMovie::kStartZoom;
            SetActorPosition(*movie.actor, 800.0f, 450.0f);
            ComposeActor(*movie.actor, canvas);
            canvas.finish();
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
