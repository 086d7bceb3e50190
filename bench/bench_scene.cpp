// Changing to an adventure scene, for each default scene: LoadScene (the document read, the
// sections and pictures made, the script built) with the pictures' textures uploaded by a first
// draw, side by side with ImageMagick reading the same file (`convert scene.psd null:`, a whole
// process); the whole change (leaving the last screen, LoadScene, entering with the bar's 17
// pictures, one frame drawn and shown); and one frame of the scene, drawn and shown. The game runs
// in this process on the default data with the software renderer on SDL's dummy video driver.
// While the data has no scene of that name, a forge-written document of the scene's size stands
// in (bench/synthetic_scene.h), and so do plain bar pictures; the label says which.
// Also: one call of the scene script's OnTick as the scene makes it every step (microseconds), and
// a frame of the hidden-object scene with everything around its bar showing: the list with a
// struck and a flashing entry, the hint's star ring and both ready glows at full strength.
// Budgets: LoadScene at least 3 times faster than ImageMagick, the whole change within 250 ms, a
// frame at 1600 x 900 within 8 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/child_process_timing.h"
#include "bench/synthetic_scene.h"
#include "engine/k_files.h"
#include "engine/k_window.h"
#include "framework/core/black_out.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"
#include "game/scenes/adventure_bar.h"
#include "game/scenes/script_host.h"
#include "game/scenes/scene_name.h"
#include "tests/support/scene_data.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kDefaultScenes[] = {"god_of_air", "medical_supplies_hog"};

struct BenchScene {
    std::string name;
    bool synthetic;   // the data has no such scene yet
};

// The game on a copy of the default data that holds every default scene (or its stand-in).
class SceneBench {
public:
    SceneBench() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("XDG_DATA_HOME", save.path().c_str(), 1);
        for (const char* name : kDefaultScenes) {
            const bool present = data.holds(std::string(kScenesFolder) + "/" + name + kScenePictureExtension);
            if (!present) data.AddScene(name, synthetic_scene::scene(), "");
            scenes.push_back({name, !present});
        }
        ResetFrameForTesting();
        setGameBaseFolder(QV_DATA_DIR);
        game = std::make_unique<Match3>();
        Frame().rootDirOverride = data.path();
        StartLogging("Quorvane", "0.2", false);
        if (!game->InitGame(false)) return;
        CreatePlayer(0, "Bench");
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        SetState(&game->blankState, game.get(), false);
        ready = true;
    }
    ~SceneBench() {
        if (Frame().window != nullptr) game->UninitGame();
        game.reset();
        ResetFrameForTesting();
    }

    std::string PicturePath(int index) const {
        return data.path() + "/" + kScenesFolder + "/" + scenes[index].name + kScenePictureExtension;
    }

    // The whole screen as the main loop draws it, shown.
    void DrawFrame() {
        KWindow& window = *Frame().window;
        window.setDefaultWorldView();
        DrawOverlays();
        window.flipBackBuffer(false);
    }

    // The scene entered and its fade over, as the player sees it.
    void Enter(int index) {
        SetState(&game->blankState, game.get(), false);
        game->scene.LoadScene(scenes[index].name);
        SetState(&game->scene, game.get(), false);
        game->screenFade.fadeStepsRemaining = 0;
        game->screenFade.opaque = false;
    }

    TempDir save;
    SceneData data;
    std::vector<BenchScene> scenes;
    std::unique_ptr<Match3> game;
    bool ready = false;
};

// Made in main and gone before the program's own statics, like the game in the real program.
std::unique_ptr<SceneBench>& Holder() {
    static std::unique_ptr<SceneBench> bench;
    return bench;
}

SceneBench& Bench() { return *Holder(); }

bool Prepare(benchmark::State& state) {
    SceneBench& bench = Bench();
    if (!bench.ready) {
        state.SkipWithError("the game did not start");
        return false;
    }
    const BenchScene& scene = bench.scenes[static_cast<size_t>(state.range(0))];
    state.SetLabel(scene.name + (scene.synthetic ? " (forge-written stand-in)" : ""));
    return true;
}

void BM_LoadScene(benchmark::State& state) {
    if (!Prepare(state)) return;
    SceneBench& bench = Bench();
    Scene& scene = bench.game->scene;
    const int index = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (!scene.LoadScene(bench.scenes[index].name)) state.SkipWithError("the scene did not load");
        scene.DrawContent();  // uploads the textures
    }
    state.counters["sections"] = scene.content.sections.Count();
}

void BM_ImageMagickScene(benchmark::State& state) {
    if (!Prepare(state)) return;
    timeChildProcess(state, {"convert", Bench().PicturePath(static_cast<int>(state.range(0))), "null:"});
}

void BM_SceneChange(benchmark::State& state) {
    if (!Prepare(state)) return;
    SceneBench& bench = Bench();
    for (auto _ : state) {
        bench.Enter(static_cast<int>(state.range(0)));
        bench.DrawFrame();
    }
}

void BM_SceneFrame(benchmark::State& state) {
    if (!Prepare(state)) return;
    SceneBench& bench = Bench();
    bench.Enter(static_cast<int>(state.range(0)));
    bench.DrawFrame();
    for (auto _ : state) bench.DrawFrame();
}

void BM_SceneScriptOnTick(benchmark::State& state) {
    if (!Prepare(state)) return;
    SceneBench& bench = Bench();
    bench.Enter(static_cast<int>(state.range(0)));
    ScriptHost& host = bench.game->scriptHost;
    for (auto _ : state) host.CallVoid("void OnTick()");
}

constexpr int kHiddenObjectScene = 1;
constexpr int kGlowSteps = 40;    // into the pulse, near its brightest
constexpr int kStarSteps = 70;    // past the ring's fade-in

// Everything around the hidden-object bar at once, then held still while frames are drawn.
void ShowEverythingAroundTheList(Match3& game) {
    AdventureBar& bar = game.adventureBar;
    Scene& scene = game.scene;
    bar.UseHint(scene);
    bar.HintReady(scene, false);
    bar.SkipReady(scene);
    for (int i = 0; i < kStarSteps; ++i) bar.hintDisplay.OnTick(i);
    for (int i = 0; i < kGlowSteps; ++i) {
        bar.hintGlow.OnTick(i);
        bar.skipGlow.OnTick(i);
    }
    if (bar.hog.entries.Count() >= 2) {
        const auto& done = bar.hog.entries.Get(1);
        for (int i = done->found; i < done->count; ++i) bar.hog.MarkFound(UpperId(done->name));
        for (int i = 0; i < 10; ++i) bar.hog.OnTick(i);
        bar.hog.MarkFound(UpperId(bar.hog.entries.Get(0)->name));
    }
}

void BM_HiddenObjectFrame(benchmark::State& state) {
    if (!Prepare(state)) return;
    SceneBench& bench = Bench();
    bench.Enter(kHiddenObjectScene);
    ShowEverythingAroundTheList(*bench.game);
    bench.DrawFrame();
    for (auto _ : state) bench.DrawFrame();
    state.counters["listed"] = bench.game->adventureBar.hog.entries.Count();
    state.counters["stars"] = bench.game->adventureBar.hintDisplay.alpha;
    state.counters["hint_glow"] = bench.game->adventureBar.hintGlow.alpha;
}

}  // namespace

BENCHMARK(BM_LoadScene)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickScene)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SceneChange)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SceneFrame)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SceneScriptOnTick)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HiddenObjectFrame)->Arg(kHiddenObjectScene)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Holder() = std::make_unique<SceneBench>();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Holder().reset();
    return 0;
}
