// Drawing the play screen at its busiest: the board revealed, a cascade in progress with 30 live
// effects (score popups and stars on their way to the counter), the wind's tornado turning over
// the board, the monkey, the hourglass and the panels. The whole game runs in this process on the
// default data with the software renderer on SDL's dummy video driver; one iteration draws every
// overlay and presents the frame, with the game standing still so that every frame is alike.
// Budget: at most 8 ms per frame at 1600 x 900 (reported also at 1280 x 720, and for the jungle
// background with its swaying leaves and light rays).
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
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"
#include "game/match3/board.h"
#include "game/match3/tornado.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kLiveEffects = 30;
constexpr int kStepLimit = 2000;

class PlayScreenScene {
public:
    PlayScreenScene(int windowWidth, int windowHeight, int background) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        save = std::filesystem::temp_directory_path() / ("qv_bench_playing_" + std::to_string(windowWidth));
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
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        SetPlayerInt(nullptr, "CURRENT_BACKGROUND", background);
        game->EnterPlayScreen();
        ready = Busy();
    }
    ~PlayScreenScene() {
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

    bool ready = false;
    int effects = 0;

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

    void Step(int count) {
        for (int i = 0; i < count; ++i) {
            RunOneStep();
            DispatchEvents();
        }
    }

    // The reveal over, a move falling, points flying to the counter and a tornado on the board.
    bool Busy() {
        Playing& play = game->playing;
        for (int i = 0; i < kStepLimit && !play.values.startSequenceDone; ++i) Step(1);
        Step(60);
        Board& board = *play.board;
        for (int i = 0; board.effects.Count() + board.underEffects.Count() < kLiveEffects && i < kLiveEffects; ++i) {
            const LDvPoint at = Board::cellCentre({6 + i % 8, 3 + i / 8});
            board.awardPoints(50, at);
        }
        const LDvPoint aim = Board::cellCentre({9, 6});
        board.startWind(aim);
        play.tornado->start(aim.x, aim.y + 250);
        Step(20);
        effects = board.effects.Count() + board.underEffects.Count();
        return play.values.startSequenceDone && play.tornado->isRunning();
    }

    std::filesystem::path save;
    std::unique_ptr<Match3> game;
};

void BM_PlayScreenFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    PlayScreenScene scene(width, height, static_cast<int>(state.range(1)));
    if (!scene.ready) {
        state.SkipWithError("the play screen did not come up");
        return;
    }
    for (auto _ : state) scene.DrawFrame();
    state.counters["effects"] = scene.effects;
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) +
                   (state.range(1) == 2 ? " jungle" : " beach"));
}

}  // namespace

BENCHMARK(BM_PlayScreenFrame)
    ->Args({1600, 1})
    ->Args({1280, 1})
    ->Args({1600, 2})
    ->Args({1280, 2})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MinTime(1.0);

BENCHMARK_MAIN();
