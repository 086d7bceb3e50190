// Drawing the play screen at its busiest: the board revealed, a cascade in progress with 30 live
// effects (score popups and stars on their way to the counter), the wind's tornado turning over
// the board, the monkey, the hourglass and the panels. The whole game runs in this process on the
// default data with the software renderer on SDL's dummy video driver; one iteration draws every
// overlay and presents the frame, with the game standing still so that every frame is alike.
// Budget: at most 8 ms per frame at 1600 x 900 (reported also at 1280 x 720, and for the jungle
// background with its swaying leaves and light rays).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_game_session.h"
#include "framework/core/game_random.h"
#include "game/match3/board.h"
#include "game/match3/tornado.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kLiveEffects = 30;
constexpr int kStepLimit = 2000;

class PlayScreenScene {
public:
    PlayScreenScene(int windowWidth, int windowHeight, int background)
        : session("qv_bench_playing_" + std::to_string(windowWidth), [&] {
              SeedGameRand(1);
              Scale(windowWidth, windowHeight);
          }) {
        if (!session.Started()) return;
        SetPlayerInt(nullptr, "CURRENT_BACKGROUND", background);
        session.Game().EnterFirstState();
        ready = Busy();
    }

    static void DrawFrame() { BenchGameSession::DrawFrame(); }

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

    static void Step(int count) { BenchGameSession::Step(count); }

    // The reveal over, a move falling, points flying to the counter and a tornado on the board.
    bool Busy() {
        Playing& play = session.Game().playing;
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

    BenchGameSession session;
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
