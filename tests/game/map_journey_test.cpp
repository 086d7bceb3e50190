// A player's first expeditions on the island map, played with clicks through the engine's event
// path on the generated data: the free expedition to the supply crates, then a paid one to the
// thorns, which turn the expedition back until the medical supplies are owned.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/discovery_dlg.h"
#include "game/expedition/icon_dlg.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/map.h"
#include "game/expedition/path_blocking_dlg.h"
#include "tests/game/game_world.h"

namespace {

class MapJourney : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.Started()) << world.LogText();
        SetDialogRunnerForTesting([this](LDvDialog& dialog) { Answer(dialog); });
    }
    void TearDown() override { SetDialogRunnerForTesting({}); }

    // Each dialog is answered with a click on its confirming button once it is up.
    void Answer(LDvDialog& dialog) {
        if (auto* icon = dynamic_cast<IconDlg*>(&dialog)) {
            seen.push_back("expedition");
            world.ClickOn(icon->confirmButton, 30);
        } else if (auto* path = dynamic_cast<PathBlockingDlg*>(&dialog)) {
            const bool found = dynamic_cast<DiscoveryDlg*>(&dialog) != nullptr;
            seen.push_back((found ? "discovery: " : "blocked: ") + path->text.text);
            world.ClickOn(path->continueButton, 30);
        } else if (auto* info = dynamic_cast<InfoDlg*>(&dialog)) {
            seen.push_back("passed: " + info->text.text);
            world.ClickOn(info->continueButton, 30);
        }
        RunModal(&dialog);
    }

    // The steps run one after another, each once the map is on screen with nothing in motion and
    // its condition holds.
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void Play(std::vector<Step> script) {
        steps = std::move(script);
        Poll();
    }
    void Poll() {
        world.After(1, [this] {
            if (next < steps.size() && Still() && steps[next].ready()) {
                steps[next++].act();
                world.After(10, [this] { Poll(); });
                return;
            }
            if (next < steps.size()) Poll();
        });
    }
    bool Still() {
        Map& map = game.map;
        return Frame().currentState == &map && !map.ScreenFading() && !map.RevealRunning() && !map.pan.Running() &&
               !map.player.Travelling() && !map.markersPending;
    }
    bool ButtonsIn() { return Map::ReadyForInput(game.map.expeditionSlide, game.map.expeditionButton); }
    void ClickPlace(const char* id) {
        const Placemarker* place = game.map.FindLocation(id);
        ASSERT_NE(place, nullptr) << id;
        const LDvPoint at = game.map.ScreenPointOf(place->position);
        world.ClickAt({at.x, at.y}, 0);
    }
    Step GoTo(const char* id) {
        return {[this] { return game.map.ExpeditionMode(); }, [this, id] { ClickPlace(id); }};
    }

    GameWorld world;
    Match3& game = world.Game();
    std::vector<Step> steps;
    size_t next = 0;
    std::vector<std::string> seen;
};

}  // namespace

TEST_F(MapJourney, AFoundRewardIsWrittenAndABlockerOpensOnceItsRewardIsOwned) {
    CreatePlayer(0, "Ada");
    SetPlayerInt(nullptr, "SHOW_TIPS", 0);
    SetPlayerInt(nullptr, "CURRENT_RESOURCES", 6000);
    // Land seen before shows at once: the walk, not the reveals, is what is played here.
    for (const char* land : {"CAMP", "DRIFTWOOD_COAST", "THORN_WOODS"}) SetPlayerInt("LANDMASSES", land, 1);
    Map& map = game.map;
    int bsupplyAfterCrates = -1;
    int expeditionsWhenBlocked = -1;
    std::string placeWhenBlocked;
    bool walkingOn = false;
    Play({
        {[this] { return ButtonsIn(); }, [&] { world.ClickOn(map.expeditionButton, 0); }},
        GoTo("SUPPLY_BEACH"),
        {[this] { return ButtonsIn(); },
         [&] {
             bsupplyAfterCrates = GetPlayerInt("REWARDS", "BSUPPLY", 0);
             world.ClickOn(map.expeditionButton, 0);
         }},
        GoTo("REEF_LOOKOUT"),
        GoTo("PALM_GROVE"),
        GoTo("THORN_GULLY"),
        {[&] { return map.player.currentLocation == "PALM_GROVE"; },
         [&] {
             expeditionsWhenBlocked = GetPlayerInt("MAP", "EXPEDITION_COUNT", 0);
             placeWhenBlocked = GetPlayerString("LAST_MAP_LOCATION", "");
             SetPlayerInt("REWARDS", "MED_SUPPLIES", 1);   // as the wreck's scene gives it
             ClickPlace("THORN_GULLY");
         }},
        {[this] { return true; },
         [&] {
             walkingOn = map.ExpeditionMode();
             world.frameLimit = world.Frame() + 5;
         }},
    });
    world.frameLimit = 4000;
    SetState(&map, &game, false);
    game.RunGame();

    ASSERT_EQ(next, steps.size()) << "stuck before step " << next;
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0], "expedition");
    EXPECT_EQ(seen[1].rfind("discovery: Half buried in the sand", 0), 0u) << seen[1];
    EXPECT_EQ(bsupplyAfterCrates, 1);
    EXPECT_EQ(seen[2], "expedition");
    EXPECT_EQ(seen[3].rfind("blocked: ", 0), 0u) << seen[3];
    EXPECT_EQ(seen[4].rfind("passed: With bandages packed", 0), 0u) << seen[4];

    EXPECT_EQ(expeditionsWhenBlocked, 2);
    EXPECT_EQ(placeWhenBlocked, "PALM_GROVE") << "turned back where it came from";
    EXPECT_EQ(GetPlayerInt("MAP", "EXPEDITION_COUNT", 0), 3) << "the passed blocker counts";
    EXPECT_EQ(GetPlayerInt("DISCOVERIES", "SUPPLY_CRATES", 0), 1);
    EXPECT_EQ(GetPlayerInt("DISCOVERIES", "THORN_PASSAGE", 0), 1);
    EXPECT_TRUE(walkingOn) << "past the blocker the expedition walks on";
    EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_RESOURCES", 0), 1000) << "quitting after the blocker refunds nothing";
}
