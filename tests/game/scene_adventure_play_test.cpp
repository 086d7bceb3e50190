// The game's two painted scenes played to their ends through the engine's event path: a player who
// follows the hint every time clicks the ringed section, or first picks up the held item the scene
// says fits there. The scene must end with its discovery, and the scripts' player values must be
// written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/info_dlg.h"
#include "game/scenes/script_host.h"
#include "tests/game/game_world.h"

namespace {

constexpr int kEntrySteps = 110;         // the fade into the scene
constexpr int kStepsPerAction = 150;     // for flights, fades and the script's own waits
constexpr int kMostActions = 60;

// A canvas point on the section's hit mask, nearest its centre.
bool PointOn(const Scene& scene, const Section& section, Point& at) {
    const int cx = static_cast<int>(section.maskX) + section.maskWidth / 2;
    const int cy = static_cast<int>(section.maskY) + section.maskHeight / 2;
    for (int radius = 0; radius < 200; radius += 2) {
        for (int dy = -radius; dy <= radius; dy += 2) {
            for (int dx = -radius; dx <= radius; dx += 2) {
                if (scene.SectionAt(cx + dx, cy + dy) == &section && cy + dy < 900 - Scene::kBarPointerHeight) {
                    at = {cx + dx, cy + dy};
                    return true;
                }
            }
        }
    }
    return false;
}

class HintFollower {
public:
    explicit HintFollower(GameWorld& world) : world(world), game(world.Game()), scene(game.scene) {}

    void Start() { world.After(kEntrySteps, [this] { Act(); }); }

    std::vector<std::string> faults;
    int actions = 0;

private:
    void Act() {
        if (scene.sceneFinished) {
            // Time for the discovery and the fade to the map, then the run ends.
            world.frameLimit = world.Frame() + kStepsPerAction;
            return;
        }
        if (++actions > kMostActions) return faults.push_back("too many actions");
        if (scene.waiting) return Later();
        const LDvString hint = game.scriptHost.CallForText("LDvString GetHint()");
        if (hint.rfind("HZ:", 0) != 0) return Later();
        const Section* section = scene.content.FindSection(hint.substr(3), false);
        Point at;
        if (section == nullptr || !PointOn(scene, *section, at)) return faults.push_back("cannot click " + hint);
        int slot = 0;
        for (const auto& item : game.adventureBar.inventory.held) {
            if (!item->flying && scene.script.CanCombine(item->id, section->name)) {
                const LDvPoint point = game.adventureBar.inventory.SlotPoint(slot, item->picture->GetFrameHeight());
                world.ClickAt({point.x + 20, point.y + 20}, 1);
                world.ClickAt(at, 12);
                return Later();
            }
            ++slot;
        }
        world.ClickAt(at, 1);
        Later();
    }

    void Later() { world.After(kStepsPerAction, [this] { Act(); }); }

    GameWorld& world;
    Match3& game;
    Scene& scene;
};

struct PlayCase {
    const char* scene;
    const char* playerValue;   // written by the script on the way
};

TEST(AdventurePlay, FollowingTheHintsFinishesEachScene) {
    const PlayCase kCases[] = {{"god_of_air", "GOA_URN_OPEN"}, {"medical_supplies_hog", "MSH_LOCKER_OPEN"}};
    for (const PlayCase& c : kCases) {
        SCOPED_TRACE(c.scene);
        GameWorld world;
        ASSERT_TRUE(world.Started()) << world.LogText();
        CreatePlayer(0, "Tester");
        SelectPlayer(0);
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        std::vector<std::string> dialogs;
        SetDialogRunnerForTesting([&](LDvDialog& dialog) {
            dialogs.push_back(dynamic_cast<InfoDlg*>(&dialog) != nullptr ? "info" : "discovery");
        });
        Match3& game = world.Game();
        HintFollower player(world);
        world.After(1, [&] { game.FadeToScene(c.scene); });
        player.Start();
        world.frameLimit = kEntrySteps + kStepsPerAction * (kMostActions + 2);
        game.RunGame();
        const bool finished = game.scene.sceneFinished;
        SetDialogRunnerForTesting({});

        EXPECT_TRUE(finished) << "after " << player.actions << " actions\n" << world.LogText();
        EXPECT_TRUE(player.faults.empty()) << player.faults.front();
        EXPECT_FALSE(dialogs.empty()) << "the scene's discovery was not shown";
        EXPECT_TRUE(GetPlayerBool(nullptr, c.playerValue, false)) << c.playerValue;
        EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 0) << "a finished scene is not resumed";
    }
}

}  // namespace
