// Drawing the camp at its busiest: every building of the camp standing except two that are under
// construction (stages cross-fading, puffs of smoke), the 17 palms swaying, the wave crests of the
// five emitters, the boards and both menus' buttons. The whole game runs in this process on the
// default data with the software renderer on SDL's dummy video driver; one iteration draws every
// overlay and presents the frame, with the game standing still so that every frame is alike.
// Budget: at most 8 ms per frame at 1600 x 900 (reported also at 1280 x 720).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/game_in_process.h"
#include "framework/core/state_control.h"
#include "game/expedition/camp.h"

namespace {

constexpr int kSettleSteps = 200;          // the fade-in, the boards' drop and the menu's slide
constexpr int kBuildingSteps = 100;        // halfway through the construction, smoke in the air

class CampScene {
public:
    CampScene(int windowWidth, int windowHeight) : world("qv_bench_camp", windowWidth, windowHeight) {
        if (!world.started) return;
        SetPlayerInt(nullptr, "CURRENT_LEVEL", 5);
        SetPlayerInt(nullptr, "CURRENT_RESOURCES", 50000);
        for (const char* seen : {"SAW_FIRST_ANNOUNCEMENT", "SAW_CONGRATS_CAMP_MESSAGE", "SAW_ANIMAL_ANNOUNCEMENT",
                                 "VISITED_MAP"}) {
            SetPlayerInt(nullptr, seen, 1);
        }
        for (const char* reward : {"MED_SUPPLIES", "BSUPPLY"}) SetPlayerInt("REWARDS", reward, 1);
        for (const char* built : {"HUTS_BUILT", "UPG_HUTS_BUILT", "LAB_BUILT"}) SetPlayerInt("BUILDING_DATA", built, 1);
        Camp& camp = world.Game().camp;
        SetState(&camp, &world.Game(), false);
        world.Step(kSettleSteps);
        for (const char* group : {"CLINIC", "FINISH_CAMP"}) {
            if (BuildGroup* building = camp.buildings.Find(group)) building->Start(false);
        }
        world.Step(kBuildingSteps);
        for (int slot = 0; slot < BuildTable::kSlots; ++slot) {
            for (const auto& building : camp.buildings.Slot(slot).buildings) {
                ++buildings;
                effects += building->effects.Count();
            }
        }
        ready = Frame().currentState == &camp && camp.buildings.AnyAnimating();
    }

    void DrawFrame() { world.DrawFrame(); }

    bool ready = false;
    int buildings = 0;
    int effects = 0;

private:
    GameInProcess world;
};

void BM_CampFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = width * 9 / 16;
    CampScene scene(width, height);
    if (!scene.ready) {
        state.SkipWithError("the camp did not come up with construction running");
        return;
    }
    for (auto _ : state) scene.DrawFrame();
    state.counters["buildings"] = scene.buildings;
    state.counters["effects"] = scene.effects;
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}

}  // namespace

BENCHMARK(BM_CampFrame)
    ->Arg(1600)
    ->Arg(1280)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MinTime(1.0);

BENCHMARK_MAIN();
