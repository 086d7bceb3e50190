// Drawing the play screen at its busiest: the board revealed, a cascade in progress with 30 live
// effects (score popups and stars on their way to the counter), the wind's tornado turning over
// the board, the monkey, the hourglass and the panels. The whole game runs in this process on the
// default data with the software renderer on SDL's dummy video driver; one iteration draws every
// overlay and presents the frame, with the game standing still so that every frame is alike.
// Budget: at most 8 ms per frame at 1600 x 900 (reported also at 1280 x 720, and for the jungle
// background with its swaying leaves and light rays).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/game_in_process.h"
#include "game/match3/board.h"
#include "game/match3/tornado.h"

namespace {

constexpr int kLiveEffects = 30;
constexpr int kStepLimit = 2000;

class PlayScreenScene {
public:
    PlayScreenScene(int windowWidth, int windowHeight, int background)
        : world("qv_bench_playing", windowWidth, windowHeight) {
        if (!world.started) return;
        SetPlayerInt(nullptr, "CURRENT_BACKGROUND", background);
        world.Game().EnterPlayScreen();
        ready = Busy();
    }

    void DrawFrame() { world.DrawFrame(); }

    bool ready = false;
    int effects = 0;

private:
    // The reveal over, a move falling, points flying to the counter and a tornado on the board.
    bool Busy() {
        Playing& play = world.Game().playing;
        for (int i = 0; i < kStepLimit && !play.values.startSequenceDone; ++i) world.Step(1);
        world.Step(60);
        Board& board = *play.board;
        for (int i = 0; board.effects.Count() + board.underEffects.Count() < kLiveEffects && i < kLiveEffects; ++i) {
            const LDvPoint at = Board::cellCentre({6 + i % 8, 3 + i / 8});
            board.awardPoints(50, at);
        }
        const LDvPoint aim = Board::cellCentre({9, 6});
        board.startWind(aim);
        play.tornado->start(aim.x, aim.y + 250);
        world.Step(20);
        effects = board.effects.Count() + board.underEffects.Count();
        return play.values.startSequenceDone && play.tornado->isRunning();
    }

    GameInProcess world;
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
