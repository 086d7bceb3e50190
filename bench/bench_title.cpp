// The title screen's frame: the underwater picture with both fish schools, the waves, the five
// additive rays and both emitters (pre-run as on entry), drawn by the software renderer into the
// off-screen window, and one step of its animation with the frame. Budget: 8 ms per frame at
// 1600 x 900. In process on the default data, with a player made so no name is asked for.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/game_in_process.h"

namespace {

constexpr int kSettleSteps = 120;     // the fade-in over and the fish well under way

void BM_TitleFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    const bool withStep = state.range(1) != 0;
    GameInProcess world("qv_bench_title", width, height);
    if (world.started) {
        world.Game().EnterFirstState();
        world.Step(kSettleSteps);
    }
    if (!world.started || Frame().currentState != &world.Game().title) {
        state.SkipWithError("the title did not come up");
        return;
    }
    for (auto _ : state) {
        if (withStep) world.Step(1);
        world.DrawFrame();
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
