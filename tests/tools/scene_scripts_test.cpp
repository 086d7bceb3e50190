// The generated adventure scenes played through their scripts: each script builds against the
// game's 52 scene functions, names only sections its document has, can be finished by a player who
// follows nothing but the hints or who tries everything in any order, and resumes any visit that
// was cut short just as it was left.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/game/logged_world.h"
#include "tests/tools/data_folder.h"
#include "tests/tools/scene_script_world.h"

namespace {

constexpr int kSettle = 150;     // steps for falls, fades and replays to finish after an action
constexpr int kMostActions = 80;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

// The things a player can do now: click any section that can be hit, and use any held item on it.
struct Action {
    std::string item;  // empty for a click
    std::string section;
};

std::vector<Action> possibleActions(const SceneScriptWorld& world) {
    std::vector<Action> actions;
    for (const SceneScriptWorld::Section& s : world.Sections()) {
        if (!s.active || !s.hit) continue;
        actions.push_back({"", s.name});
        for (const std::string& item : world.Held()) actions.push_back({item, s.name});
    }
    return actions;
}

void perform(SceneScriptWorld& world, const Action& action) {
    if (action.item.empty()) world.Click(action.section);
    else world.Use(action.item, action.section);
}

// Follows the hint: uses a held item where the hint rings if the scene says it fits, else clicks.
void followHint(SceneScriptWorld& world) {
    const std::string hint = world.Hint();
    ASSERT_EQ(hint.rfind("HZ:", 0), 0u) << "the hint is no place: " << hint;
    const std::string target = hint.substr(3);
    const SceneScriptWorld::Section* section = world.Find(target);
    ASSERT_TRUE(section != nullptr && section->active && section->hit) << "the hint rings " << target << ", which cannot be clicked";
    for (const std::string& item : world.Held()) {
        if (world.CanCombine(item, target)) return world.Use(item, target);
    }
    world.Click(target);
}

class SceneScripts : public ::testing::TestWithParam<const char*> {
protected:
    LoggedWorld logged;
};

TEST_P(SceneScripts, BuildCleanlyAgainstTheSceneFunctions) {
    SceneScriptWorld world(GetParam());
    EXPECT_TRUE(world.Build());
    EXPECT_EQ(logged.countInLog("Angelscript Error"), 0) << "the compiler complained; see the test log";
}

TEST_P(SceneScripts, HintsAloneLeadToTheEnd) {
    SceneScriptWorld world(GetParam());
    world.Enter();
    world.Tick(kSettle);
    for (int action = 0; action < kMostActions && !world.Finished(); ++action) {
        if (!world.Waiting()) followHint(world);
        if (HasFatalFailure()) return;
        world.Tick(kSettle);
    }
    EXPECT_TRUE(world.Finished());
    EXPECT_TRUE(world.faults.empty()) << joined(world.faults);
}

TEST_P(SceneScripts, TryingEverythingInAnyOrderFinishes) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        SceneScriptWorld world(GetParam());
        world.Enter();
        for (int round = 0; round < kMostActions && !world.Finished(); ++round) {
            std::vector<Action> actions = possibleActions(world);
            std::shuffle(actions.begin(), actions.end(), random);
            for (size_t i = 0; i < std::min<size_t>(actions.size(), 4); ++i) {
                world.Cursor(actions[i].section);
                perform(world, actions[i]);
            }
            world.Tick(kSettle);
        }
        EXPECT_TRUE(world.Finished());
        EXPECT_TRUE(world.faults.empty()) << joined(world.faults);
    }
}

// After every step of a play through, the player leaves and comes back: the scene must look and
// hold just what it did, and the play goes on from there to the end.
TEST_P(SceneScripts, AVisitCutShortResumesAsItWasLeft) {
    SceneScriptWorld world(GetParam());
    world.Enter();
    world.Tick(kSettle);
    for (int action = 0; action < kMostActions && !world.Finished(); ++action) {
        followHint(world);
        if (HasFatalFailure()) return;
        world.Tick(kSettle);
        if (world.Waiting() || world.Finished()) continue;
        const std::string before = world.Snapshot();
        world.Enter();
        world.Tick(kSettle);
        ASSERT_EQ(world.Snapshot(), before) << "after action " << action;
    }
    EXPECT_TRUE(world.Finished());
    EXPECT_TRUE(world.faults.empty()) << joined(world.faults);
}

INSTANTIATE_TEST_SUITE_P(Generated, SceneScripts, ::testing::Values("god_of_air", "medical_supplies_hog"));

TEST(GodOfAir, TheBranchPassesThroughTheBagAndTheRewardEndsIt) {
    LoggedWorld logged;
    SceneScriptWorld world("god_of_air");
    world.Enter();
    for (int action = 0; action < kMostActions && !world.Finished(); ++action) {
        if (!world.Waiting()) followHint(world);
        world.Tick(kSettle);
    }
    // The scene's own tips: "ADVENTURE_CLICK" at once, "INVENTORY_CLICK" while the branch is held.
    EXPECT_EQ(world.everHeld.count("BRANCH"), 1u);
    EXPECT_EQ(world.Held(), std::vector<std::string>{"REWARD"});
}

TEST(MedicalSupplies, NineListEntriesSomeCountedFitTheirCells) {
    LoggedWorld logged;
    SceneScriptWorld world("medical_supplies_hog");
    world.Enter();
    const std::map<unsigned long, long> font = readFontAdvances("Artifika_14Pt");
    constexpr long kCellWidth = 209;
    ASSERT_EQ(world.List().size(), 9u);
    int counted = 0;
    for (const SceneScriptWorld::ListEntry& entry : world.List()) {
        SCOPED_TRACE(entry.name);
        const std::string widest =
            entry.count > 1 ? (entry.plural.empty() ? entry.name : entry.plural) + " x" + std::to_string(entry.count) : entry.name;
        EXPECT_LT(textWidth(font, widest), kCellWidth);
        if (entry.count > 1) {
            ++counted;
            EXPECT_FALSE(entry.plural.empty());
        }
    }
    EXPECT_GE(counted, 1);
    int objects = 0;
    for (const SceneScriptWorld::ListEntry& entry : world.List()) objects += entry.count;
    EXPECT_GE(objects, 12);
}

}  // namespace
