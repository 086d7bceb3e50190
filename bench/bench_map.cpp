// Drawing the island map at its busiest. Reveal: the largest landmass in the fade of its reveal
// with its two turning flares over the rest of the island, every location marker shown as a new
// place (question mark and pointer), the player's marker, the buttons and the score board. Drag:
// the whole island shown with its markers while the view moves by a drag offset every frame. The
// whole game runs in this process on the default data with the software renderer on SDL's dummy
// video driver; one iteration draws every overlay and presents the frame. Budget: at most 8 ms per
// frame at 1600 x 900.
#include <benchmark/benchmark.h>

#include "bench/bench_game_session.h"
#include "framework/core/state_control.h"
#include "game/expedition/discovery.h"
#include "game/expedition/icon_dlg.h"

namespace {

constexpr int kAllExpeditions = 20;          // every landmass is out
constexpr int kExpeditionFunds = 5000;
constexpr int kIntoTheFade = 150;            // steps into a reveal: the flares are at their largest
constexpr int kFadeInSteps = 120;
constexpr int kDragSwing = 400;              // pixels the drag goes to either side

enum class MapMoment { Reveal, Drag };

class MapScene {
public:
    explicit MapScene(MapMoment moment) : session("qv_bench_map", {}) {
        if (!session.Started()) return;
        SetPlayerInt("MAP", "EXPEDITION_COUNT", kAllExpeditions);
        SetPlayerInt(nullptr, "CURRENT_RESOURCES", kExpeditionFunds);
        SetDialogRunnerForTesting([](LDvDialog& dialog) {
            if (auto* icon = dynamic_cast<IconDlg*>(&dialog)) icon->cancelled = false;
        });
        Match3& game = session.Game();
        SetState(&game.map, &game, false);
        BenchGameSession::Step(kFadeInSteps);
        Map& map = game.map;
        map.OnButton(&map.expeditionButton);
        for (auto& marker : map.locations) {
            marker->PopIn();
            marker->BecomeReachable(false);
        }
        map.markerDrawer.Show();
        map.player.Appear();
        if (moment == MapMoment::Reveal) {
            Biggest(map).StartReveal();
            BenchGameSession::Step(kIntoTheFade);
        } else {
            BenchGameSession::Step(kFadeInSteps);
        }
        ready = map.ExpeditionMode() && (moment == MapMoment::Drag || map.RevealRunning());
    }
    ~MapScene() { SetDialogRunnerForTesting({}); }

    static void DrawFrame() { BenchGameSession::DrawFrame(); }

    // The drag offset sweeps from one side to the other and back, a few pixels a frame.
    void Drag() {
        MapView& view = session.Game().map.view;
        view.dragX += direction * 7;
        view.dragY += direction * 3;
        if (view.dragX > kDragSwing || view.dragX < -kDragSwing) direction = -direction;
    }

    bool ready = false;

private:
    // An expedition reveals one landmass at a time; the largest picture is the costliest.
    static Landmass& Biggest(Map& map) {
        Landmass* biggest = map.landmasses.Head().get();
        for (auto& landmass : map.landmasses) {
            const LDvRect box = landmass->MapBounds();
            const LDvRect best = biggest->MapBounds();
            if ((box.right - box.left) * (box.bottom - box.top) > (best.right - best.left) * (best.bottom - best.top)) {
                biggest = landmass.get();
            }
        }
        return *biggest;
    }

    BenchGameSession session;
    int direction = 1;
};

void BM_MapFrame(benchmark::State& state) {
    const auto moment = static_cast<MapMoment>(state.range(0));
    MapScene scene(moment);
    if (!scene.ready) {
        state.SkipWithError("the map did not come up");
        return;
    }
    for (auto _ : state) {
        if (moment == MapMoment::Drag) scene.Drag();
        scene.DrawFrame();
    }
    state.SetLabel(moment == MapMoment::Reveal ? "1600x900 reveal, all markers" : "1600x900 dragging");
}

}  // namespace

BENCHMARK(BM_MapFrame)
    ->Arg(static_cast<int>(MapMoment::Reveal))
    ->Arg(static_cast<int>(MapMoment::Drag))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MinTime(1.0);

BENCHMARK_MAIN();
