// The title screen's frame: the underwater picture with both fish schools, the waves, the five
// additive rays and both emitters (pre-run as on entry), drawn by the software renderer into the
// off-screen window, and one step of its animation with the frame. Budget: 8 ms per frame at
// 1600 x 900. In process on the default data, with a player made so no name is asked for.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/k_files.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kSettleSteps = 120;     // the fade-in over and the fish well under way

class TitleScene {
public:
    TitleScene(int windowWidth, int windowHeight) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        save = std::filesystem::temp_directory_path() / ("qv_bench_title_" + std::to_string(windowWidth));
        std::filesystem::create_directories(save);
        setenv("XDG_DATA_HOME", save.c_str(), 1);
        ResetFrameForTesting();
        SeedGameRand(1);
        setGameBaseFolder(QV_DATA_DIR);
        game = std::make_unique<Match3>();
        Frame().rootDirOverride = QV_DATA_DIR;
        StartLogging("Quorvane", "0.2", false);
        Scale(windowWidth, windowHeight);
        if (!game->InitGame(false)) return;
        CreatePlayer(0, "Bench");
        game->EnterFirstState();
        Step(kSettleSteps);
        ready = Frame().currentState == &game->title && game->title.emitterA != nullptr;
    }
    ~TitleScene() {
        if (Frame().window != nullptr) game->UninitGame();
        game.reset();
        ResetFrameForTesting();
        std::error_code ec;
        std::filesystem::remove_all(save, ec);
    }

    void DrawFrame() {
        KWindow& window = *Frame().window;
        window.setDefaultWorldView();
        DrawOverlays();
        window.flipBackBuffer(false);
    }

    void Step(int count) {
        for (int i = 0; i < count; ++i) {
            RunOneStep();
            DispatchEvents();
        }
    }

    bool ready = false;

private:
    static void Scale(int width, int height) {
        FrameContext& frame = Frame();
        frame.width = static_cast<int16_t>(width);
        frame.height = static_cast<int16_t>(height);
        if (width == kCanvasWidth) return;
        frame.displayScaled = frame.displayCentreScaling = true;
        frame.displayScale = static_cast<float>(width) / kCanvasWidth;
        frame.inverseDisplayScale = 1.0f / frame.displayScale;
    }

    std::filesystem::path save;
    std::unique_ptr<Match3> game;
};

void BM_TitleFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    const bool withStep = state.range(1) != 0;
    TitleScene scene(width, height);
    if (!scene.ready) {
        state.SkipWithError("the title did not come up");
        return;
    }
    for (auto _ : state) {
        if (withStep) scene.Step(1);
        scene.DrawFrame();
    }
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) + (withStep ? " step+draw" : " draw"));
}

}  // namespace

BENCHMARK(BM_TitleFrame)
    ->Args({1600, 0})
    ->Args({1600, 1})
    ->Args({1366, 1})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MinTime(1.0);

BENCHMARK_MAIN();
