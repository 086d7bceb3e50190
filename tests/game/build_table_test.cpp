// The camp's build table and its groups: how "build.ini" is read (prices, texts, gaps, the ten
// slots), the rewards that unlock the clinic and the hut upgrade, a group that stands built, and
// the construction of a bought one with its delays, stages, smoke and glow.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "framework/effects/tl_player.h"
#include "framework/ui/ldv_sound.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/build_smoke.h"
#include "game/expedition/build_table.h"
#include "tests/support/picture_fixtures.h"

namespace {

constexpr char kPlayed[] = "sound not enabled";

class BuildTableTest : public testing::Test {
protected:
    BuildTableTest() {
        Frame().imageFolder = "img";   // the game shell chose its own folder
        quiet.enabled = false;
        RegisterGameSound(sounds::kConstruction, &quiet);
        RegisterGameSound(sounds::kBuildingDone, &quiet);
        for (const char* image : {"hut", "lab"}) {
            for (int stage = 1; stage <= 3; ++stage) {
                world.writePng("img/states/camp/" + std::string(image) + "_s" + std::to_string(stage) + ".png", 80, 60);
            }
        }
        art = BuildArt{&smoke, &smokePuff, &powerUp};
    }
    ~BuildTableTest() override { ClearGameSounds(); }

    void Load(const std::string& text) {
        LDvIniFile table;
        table.Parse(text.data(), text.size());
        buildings.Load(table, art);
    }

    PictureWorld world;
    LDvGame game{"Quorvane", "Quorvane", 0, 2};
    LDvSound quiet;
    FrameSheetStub smoke{1};
    FrameSheetStub smokePuff{40};
    FrameSheetStub powerUp{32};
    BuildArt art;
    BuildTable buildings;
};

}  // namespace

TEST_F(BuildTableTest, ReadsGroupsInFileOrderWithPricesTextsAndBuildings) {
    Load("[HUTS]\nBUILDING1=hut;10,20;0,0;0\nNAME=Huts\n"
         "[LAB]\nBUILDING1=lab;30,40;5,6;120\nPRICE=\nDESCRIPTION=Study\n"
         "[CLINIC]\nBUILDING1=hut;0,0;0,0;0\nPRICE=250\n"
         "[GAP]\nBUILDING1=hut;1,1;0,0;0\nBUILDING2=hut;2,2;0,0;0\nBUILDING4=hut;4,4;0,0;0\n"
         "[BARE]\nNAME=Nothing to build\nPRICE=5\n");
    struct Case {
        const char* key;
        int slot;
        int price;
        const char* name;
        const char* description;
        int buildings;
    };
    const Case cases[] = {
        {"HUTS", 0, 1000, "Huts", "novalue", 1},      // no PRICE
        {"LAB", 1, 1000, "novalue", "Study", 1},      // an empty PRICE
        {"CLINIC", 2, 250, "novalue", "novalue", 1},
        {"GAP", 3, 1000, "novalue", "novalue", 2},    // reading stops at the missing third
        {"BARE", 4, 0, "", "", 0},                    // no building: only its key
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        BuildGroup* group = buildings.Find(c.key);
        ASSERT_EQ(group, &buildings.Slot(c.slot));
        EXPECT_EQ(group->price, c.price);
        EXPECT_EQ(group->name, c.name);
        EXPECT_EQ(group->description, c.description);
        EXPECT_EQ(group->buildings.Count(), c.buildings);
    }
    EXPECT_EQ(buildings.Find("huts"), nullptr) << "keys match exactly";
    const Building& hut = *buildings.Find("HUTS")->buildings.Head();
    EXPECT_EQ(hut.position.x, 10);
    EXPECT_EQ(hut.position.y, 20);
    EXPECT_EQ(hut.centre.x, 40) << "half the first stage picture";
    EXPECT_EQ(hut.centre.y, 30);
    const Building& lab = *buildings.Find("LAB")->buildings.Head();
    EXPECT_EQ(lab.centre.x, 5);
    EXPECT_EQ(lab.centre.y, 6);
    EXPECT_EQ(lab.delay, 120);
}

TEST_F(BuildTableTest, TenSlotsTakeTheFirstTenSectionsAndOddValuesReadSafely) {
    std::string text;
    for (int i = 0; i < 12; ++i) text += "[G" + std::to_string(i) + "]\nBUILDING1=hut;0,0;0,0;0\n";
    text += "[G2]\nBUILDING1=hut;0,0;0,0;0\n";
    Load(text);
    EXPECT_NE(buildings.Find("G9"), nullptr);
    EXPECT_EQ(buildings.Find("G10"), nullptr);
    EXPECT_EQ(world.countInLog("ignoring G10"), 1);

    struct ValueCase {
        const char* value;
        int x, y, delay;
    };
    const ValueCase values[] = {
        {"hut;12,34;0,0;60", 12, 34, 60}, {"hut;12", 12, 0, 0}, {"hut", 0, 0, 0},
        {"hut;1,2;3,4;-5", 1, 2, 0},      // a negative delay would never run out
        {"hut;1,2;3,4;99999999", 1, 2, 3600},
    };
    for (const ValueCase& c : values) {
        SCOPED_TRACE(c.value);
        const BuildingEntry entry = ParseBuildingEntry(c.value);
        EXPECT_EQ(entry.image, "hut");
        EXPECT_EQ(entry.position.x, c.x);
        EXPECT_EQ(entry.position.y, c.y);
        EXPECT_EQ(entry.delay, c.delay);
    }
}

TEST_F(BuildTableTest, TheClinicAndTheUpgradeWaitForTheirRewardsAndBuiltGroupsStandFinished) {
    const std::string table = "[CLINIC]\nBUILDING1=hut;0,0;0,0;0\n[UPG_HUTS]\nBUILDING1=hut;0,0;0,0;0\n"
                              "[LAB]\nBUILDING1=lab;0,0;0,0;0\n";
    struct Case {
        const char* what;
        bool player;
        const char* reward;
        bool labBuilt;
        bool clinicLocked, upgradeLocked, labStands;
    };
    const Case cases[] = {
        {"no player", false, nullptr, true, true, true, false},
        {"no rewards", true, nullptr, false, true, true, false},
        {"medical supplies", true, "MED_SUPPLIES", false, false, true, false},
        {"building materials", true, "BSUPPLY", false, true, false, false},
        {"the lab bought", true, nullptr, true, true, true, true},
    };
    CreatePlayer(0, "Ann");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game.selectedPlayer = 0;
        SetPlayerInt("REWARDS", "MED_SUPPLIES", 0);
        SetPlayerInt("REWARDS", "BSUPPLY", 0);
        if (c.reward != nullptr) SetPlayerInt("REWARDS", c.reward, 1);
        SetPlayerInt("BUILDING_DATA", "LAB_BUILT", c.labBuilt ? 1 : 0);
        if (!c.player) game.selectedPlayer = -1;
        Load(table);
        EXPECT_EQ(buildings.Find("CLINIC")->lockedByRequirement, c.clinicLocked ? 1 : 0);
        EXPECT_EQ(buildings.Find("UPG_HUTS")->lockedByRequirement, c.upgradeLocked ? 1 : 0);
        BuildGroup& lab = *buildings.Find("LAB");
        EXPECT_EQ(lab.built, c.labStands ? 1 : 0);
        if (!c.labStands) continue;
        // Bought on an earlier visit: finished without animating, showing its last stage, not its
        // scaffolding.
        EXPECT_EQ(lab.started, 1);
        EXPECT_EQ(lab.finished, 1);
        EXPECT_FALSE(buildings.AnyAnimating());
        const Building& building = *lab.buildings.Head();
        EXPECT_EQ(building.lastStage, Building::kStageCount - 1);
        EXPECT_EQ(building.complete, 1);
    }
}

TEST_F(BuildTableTest, ABoughtGroupBuildsAfterEachDelayAndGlowsOnceTheLastOneStands) {
    Load("[HUTS]\nBUILDING1=hut;100,100;0,0;0\nBUILDING2=hut;300,100;0,0;120\n");
    BuildGroup& huts = *buildings.Find("HUTS");
    Building& first = *huts.buildings.Head();
    Building& second = *huts.buildings.Tail();
    huts.Start(false);
    EXPECT_EQ(world.countInLog(kPlayed), 1) << "the construction sound";

    int firstSmoke = -1, stageOne = -1, stageTwo = -1, firstBuilt = -1, secondStarted = -1, secondBuilt = -1;
    int flash = -1, complete = -1;
    for (int tick = 1; tick <= 600 && complete < 0; ++tick) {
        huts.Tick(tick);
        const auto smokes = [](const Building& b) {
            int count = 0;
            for (const auto& effect : b.effects) count += dynamic_cast<BuildSmoke*>(effect.get()) != nullptr;
            return count;
        };
        if (firstSmoke < 0 && smokes(first) > 0) firstSmoke = tick;
        if (stageOne < 0 && first.lastStage == 1) stageOne = tick;
        if (stageTwo < 0 && first.lastStage == 2) stageTwo = tick;
        if (firstBuilt < 0 && first.built) firstBuilt = tick;
        if (secondStarted < 0 && second.remaining < Building::kDuration) secondStarted = tick;
        if (secondBuilt < 0 && second.built) secondBuilt = tick;
        if (flash < 0 && world.countInLog(kPlayed) > 1) flash = tick;
        if (complete < 0 && first.complete && second.complete) complete = tick;
    }
    EXPECT_GE(firstSmoke, 30);
    EXPECT_LE(firstSmoke, 50);
    EXPECT_EQ(stageOne, 67) << "a third of 200 steps";
    EXPECT_EQ(stageTwo, 134);
    EXPECT_EQ(firstBuilt, 200);
    EXPECT_EQ(secondStarted, 121) << "two seconds after the purchase";
    EXPECT_EQ(secondBuilt, 320);
    EXPECT_EQ(huts.finished, 1);
    EXPECT_EQ(flash, 380) << "one second after the last building stood";
    EXPECT_EQ(world.countInLog(kPlayed), 3) << "\"building_done\" for each building";
    EXPECT_EQ(complete, 440) << "and the glow pulse over the next second";
    EXPECT_FALSE(huts.IsAnimating());
    EXPECT_EQ(first.lastStage, Building::kStageCount - 1);
}
