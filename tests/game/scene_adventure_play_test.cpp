// The game's two painted scenes played through the engine's event path: a player who follows the
// hint every time clicks the ringed section, or first picks up the held item the scene says fits
// there. Played to the end, the scene must show its own discovery and its script must have written
// a player value for every step and every found object. Quit half-done through the menu and resumed
// from the title's story button, the scene is loaded afresh and its script puts back what was done.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/discovery_dlg.h"
#include "game/expedition/reward_list.h"
#include "game/frontend/game_options_dialog.h"
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
    int stopAfter = kMostActions;            // actions before `stopped` runs instead of the next one
    std::function<void()> stopped;

private:
    void Act() {
        if (scene.sceneFinished) {
            // Time for the discovery and the fade to the map, then the run ends.
            world.frameLimit = world.Frame() + kStepsPerAction;
            return;
        }
        if (actions == stopAfter && stopped) return stopped();
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

// The keys the scripts write, without their prefix; every one is "1" once the scene is done.
const std::vector<std::string> kAirSteps = {"BRANCH_TAKEN", "FLINT_TAKEN", "NEST_KNOCKED", "CLOUD_TAKEN",
                                            "VINES_CUT",    "FEATHER_TAKEN", "URN_OPEN",   "SPIRAL_TAKEN",
                                            "CLOUD_SET",    "FEATHER_SET",   "SPIRAL_SET"};
const std::vector<std::string> kSupplyFinds = {"BANDAGE1", "BANDAGE2", "BANDAGE3",    "VIAL1",    "VIAL2",
                                               "VIAL3",    "IODINE",   "SPECTACLES",  "STETHOSCOPE", "SCISSORS",
                                               "MORTAR",   "TWEEZERS", "THERMOMETER", "LOCKER_OPEN"};

struct PlayCase {
    const char* scene;
    const char* discovery;                    // its section in the discovery table
    const char* reward;                       // a reward key that discovery grants
    const char* prefix;                       // of the script's player values
    const std::vector<std::string>* values;
};
const PlayCase kPlays[] = {
    {"god_of_air", "GOD_OF_AIR", "WINDBONUS", "GOA_", &kAirSteps},
    {"medical_supplies_hog", "MEDICAL_SUPPLIES", "MED_SUPPLIES", "MSH_", &kSupplyFinds},
};

// A new player with the tutorial tips off.
void StartAsNewPlayer() {
    CreatePlayer(0, "Tester");
    SelectPlayer(0);
    SetPlayerInt(nullptr, "SHOW_TIPS", 0);
}

struct ShownDialog {
    bool discovery;
    std::string text;
};

TEST(AdventurePlayThrough, FollowingTheHintsFinishesEachSceneWithItsDiscoveryAndValues) {
    for (const PlayCase& c : kPlays) {
        SCOPED_TRACE(c.scene);
        GameWorld world;
        ASSERT_TRUE(world.Started()) << world.LogText();
        StartAsNewPlayer();
        std::vector<ShownDialog> dialogs;
        SetDialogRunnerForTesting([&](LDvDialog& dialog) {
            const auto* found = dynamic_cast<DiscoveryDlg*>(&dialog);
            dialogs.push_back({found != nullptr, found != nullptr ? found->text.text : ""});
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
        LDvIniFile table;
        LoadDiscoveryTable(table);
        ASSERT_EQ(dialogs.size(), 1u) << "one dialog, the scene's discovery";
        EXPECT_TRUE(dialogs[0].discovery);
        EXPECT_EQ(dialogs[0].text, table.GetString(c.discovery, "DESCRIPTION", "(none)"));
        EXPECT_TRUE(GetPlayerBool("DISCOVERIES", c.discovery, false));
        EXPECT_TRUE(GetPlayerBool(kRewardsSection, c.reward, false));
        for (const std::string& key : *c.values) {
            EXPECT_EQ(GetPlayerString(c.prefix + key, "(none)"), "1") << c.prefix << key;
        }
        for (const auto& entry : game.adventureBar.hog.entries) EXPECT_EQ(entry->found, entry->count) << entry->name;
        EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 0) << "a finished scene is not resumed";
    }
}

// What the player sees of a scene's progress: the bag's items and the list's counts.
struct Progress {
    std::vector<std::string> held;
    std::map<std::string, int> found;
    bool operator==(const Progress&) const = default;
};

Progress ProgressOf(Match3& game) {
    Progress progress;
    for (const auto& item : game.adventureBar.inventory.held) progress.held.push_back(item->id);
    for (const auto& entry : game.adventureBar.hog.entries) progress.found[entry->name] = entry->found;
    return progress;
}

struct ResumeCase {
    const char* scene;
    int actionsBeforeQuit;
};
// The hidden-object scene: its script rebuilds the list by letting the earlier finds fly back.
const ResumeCase kResumes[] = {{"medical_supplies_hog", 4}};

constexpr int kMenuOpenSteps = 30;
constexpr int kDialogSteps = 40;
constexpr int kFadeToTitleSteps = 110;
constexpr int kResumeSteps = 110;
constexpr int kReplaySteps = 200;     // earlier finds fly back to the list one by one

TEST(AdventureResume, QuitHalfDoneAndResumedFromTheTitleTheSceneKeepsWhatWasDone) {
    for (const ResumeCase& c : kResumes) {
        SCOPED_TRACE(c.scene);
        GameWorld world;
        ASSERT_TRUE(world.Started()) << world.LogText();
        StartAsNewPlayer();
        Match3& game = world.Game();
        Scene& scene = game.scene;
        HintFollower player(world);
        Progress beforeQuit, afterResume;
        int savedFlag = -1;
        int flagInResumedScene = -1;
        LDvState* onTitle = nullptr;
        LDvState* resumedIn = nullptr;
        player.stopAfter = c.actionsBeforeQuit;
        player.stopped = [&] {
            beforeQuit = ProgressOf(game);
            world.ClickOn(scene.menuButton, 2);
            world.After(kMenuOpenSteps, [&] {
                auto* menu = dynamic_cast<GameOptionsDialog*>(Frame().currentState);
                ASSERT_NE(menu, nullptr) << "the menu did not open";
                world.ClickOn(menu->leaveButton, 0);
                world.After(kDialogSteps, [&] { world.ClickOn(game.dialogParts.yesNo.yesButton, 0); });
            });
            world.After(kMenuOpenSteps + kDialogSteps + kFadeToTitleSteps, [&] {
                onTitle = Frame().currentState;
                savedFlag = GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1);
                // A picture button answers where its picture is drawn.
                const LDvRect look = game.title.storyButton.normalLook->GetBounds();
                world.ClickAt({(look.left + look.right) / 2, (look.top + look.bottom) / 2}, 0);
            });
            const int resumed = kMenuOpenSteps + kDialogSteps + kFadeToTitleSteps + kResumeSteps;
            world.After(resumed, [&] { resumedIn = Frame().currentState; });
            world.After(resumed + kReplaySteps, [&] {
                afterResume = ProgressOf(game);
                flagInResumedScene = GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1);
                world.frameLimit = world.Frame() + 1;
            });
        };
        world.After(1, [&] { game.FadeToScene(c.scene); });
        player.Start();
        world.frameLimit = kEntrySteps + kStepsPerAction * (c.actionsBeforeQuit + 1) + 2000;
        game.RunGame();

        EXPECT_TRUE(player.faults.empty()) << player.faults.front();
        EXPECT_EQ(onTitle, &game.title);
        EXPECT_EQ(savedFlag, 1);
        EXPECT_EQ(resumedIn, &scene);
        EXPECT_EQ(scene.name, c.scene);
        EXPECT_FALSE(beforeQuit.held.empty()) << "nothing was done before quitting";
        EXPECT_EQ(afterResume.held, beforeQuit.held) << "the bag as it was";
        EXPECT_EQ(afterResume.found, beforeQuit.found) << "the list as it was";
        EXPECT_EQ(flagInResumedScene, 0) << "during play the flag is off";
    }
}

}  // namespace
