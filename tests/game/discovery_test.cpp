// The discovery procedure on a small table of our own: which dialog shows what, and what is
// written to the player's progress. The dialogs are looked at instead of run; running them
// modally is in expedition_dialogs_test.cpp.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/expedition/discovery.h"
#include "game/expedition/discovery_dlg.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/reward_list.h"
#include "tests/game/logged_world.h"

namespace {

constexpr const char* kTable = R"([SPRING]
DESCRIPTION=Fresh water at last!
REWARDS=MED_SUPPLIES,Medical Supplies;BSUPPLY,Building Materials
ICON=SPRING_ICON

[OPEN_GATE]
BLOCKER=OLD_GATE
DESCRIPTION=The gate swings open.

[OLD_GATE]
BLOCKER=An old gate, not even locked.

[SWAMP]
BLOCKER=FEVER
DESCRIPTION=Across the swamp.

[FEVER]
BLOCKER=Swamp fever!
REWARDS=MED_SUPPLIES,Medical Supplies;WATER,Fresh Water
)";

struct Row {
    const KGraphic* picture;
    std::string text;
    bool owned;
    bool markShown;
    bool operator==(const Row&) const = default;
};

// What a dialog showed when Discover ran it.
struct Shown {
    std::string kind;
    std::string text;
    std::vector<Row> rows;
};

class DiscoveryTest : public testing::Test {
protected:
    void SetUp() override {
        Frame().rootDirOverride = QV_DATA_DIR;
        game.gui.Load();
        ASSERT_EQ(world.messageBoxes, 0) << "a GUI picture is missing";
        Frame().rootDirOverride = data.path();
        data.write("discoveries.ini", kTable);
        SetDialogRunnerForTesting([this](LDvDialog& dialog) { shown.push_back(Look(dialog)); });
        CreatePlayer(0, "Ada");
    }
    void TearDown() override { SetDialogRunnerForTesting({}); }

    static Shown Look(LDvDialog& dialog) {
        Shown seen;
        if (auto* info = dynamic_cast<InfoDlg*>(&dialog)) {
            seen.kind = "info";
            seen.text = info->text.text;
        } else if (auto* path = dynamic_cast<PathBlockingDlg*>(&dialog)) {
            seen.kind = dynamic_cast<DiscoveryDlg*>(&dialog) != nullptr ? "discovery" : "blocked";
            seen.text = path->text.text;
            for (const auto& row : path->Rows()) {
                seen.rows.push_back({row->icon.Picture(), row->text, row->owned, row->markShown});
            }
        }
        return seen;
    }

    // A fresh player who owns `owned`.
    void FreshPlayer(std::initializer_list<const char*> owned) {
        DeletePlayer(0);
        CreatePlayer(0, "Ada");
        for (const char* key : owned) SetPlayerBool(kRewardsSection, key, true);
        shown.clear();
    }

    const KGraphic* PictureOf(const LDvSprite& sprite) const { return sprite.Picture(); }

    LoggedWorld world;
    TempDir data;
    Match3 game;
    std::vector<Shown> shown;
};

}  // namespace

TEST_F(DiscoveryTest, OutcomesShowTheirDialogAndWriteWhatWasFound) {
    const KGraphic* medical = PictureOf(game.gui.rewardMedicalSymbol);
    const KGraphic* supply = PictureOf(game.gui.rewardSupply);
    const KGraphic* bucket = PictureOf(game.gui.rewardBucket);
    struct Case {
        const char* what;
        const char* id;
        std::initializer_list<const char*> owned;
        DiscoveryOutcome outcome;
        const char* kind;
        const char* text;
        std::vector<Row> rows;
        std::vector<std::pair<const char*, const char*>> written;  // section, key
        int expeditions;
    };
    const Case cases[] = {
        {"two rewards", "SPRING", {}, DiscoveryOutcome::Discovered, "discovery", "Fresh water at last!",
         {{medical, "Medical Supplies", true, true}, {supply, "Building Materials", true, true}},
         {{"REWARDS", "MED_SUPPLIES"}, {"REWARDS", "BSUPPLY"}, {"ICONS", "SPRING_ICON"}, {"DISCOVERIES", "SPRING"}},
         0},
        {"a blocker that asks for nothing", "OPEN_GATE", {}, DiscoveryOutcome::BlockerPassed, "info",
         "The gate swings open.", {}, {{"DISCOVERIES", "OPEN_GATE"}}, 1},
        {"a blocker with one reward missing", "SWAMP", {"MED_SUPPLIES"}, DiscoveryOutcome::Blocked, "blocked",
         "Swamp fever!", {{medical, "Medical Supplies", true, true}, {bucket, "Fresh Water", false, true}}, {}, 0},
        {"a blocker with every reward owned", "SWAMP", {"MED_SUPPLIES", "WATER"}, DiscoveryOutcome::BlockerPassed,
         "info", "Across the swamp.", {}, {{"DISCOVERIES", "SWAMP"}}, 1},
        {"an id the table lacks", "NOWHERE", {}, DiscoveryOutcome::Discovered, "discovery", "NONE", {},
         {{"DISCOVERIES", "NOWHERE"}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshPlayer(c.owned);
        const int rewardsBefore = static_cast<int>(c.owned.size());
        EXPECT_EQ(Discover(game, c.id), c.outcome);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].kind, c.kind);
        EXPECT_EQ(shown[0].text, c.text);
        EXPECT_EQ(shown[0].rows, c.rows);
        for (const auto& [section, key] : c.written) EXPECT_EQ(GetPlayerInt(section, key, 0), 1) << section << "/" << key;
        const LDvIniSection* discoveries = Frame().progress->FindSection("DISCOVERIES");
        EXPECT_EQ(discoveries != nullptr && discoveries->Find(c.id) != nullptr,
                  c.outcome != DiscoveryOutcome::Blocked);
        const LDvIniSection* rewards = Frame().progress->FindSection("REWARDS");
        const int rewardsAfter = rewards != nullptr ? rewards->values.Count() : 0;
        EXPECT_EQ(rewardsAfter - rewardsBefore, c.outcome == DiscoveryOutcome::Discovered ? static_cast<int>(c.rows.size()) : 0);
        EXPECT_EQ(GetPlayerInt("MAP", "EXPEDITION_COUNT", 0), c.expeditions);
    }
}

TEST_F(DiscoveryTest, PassingABlockerRaisesTheExpeditionCountByOne) {
    FreshPlayer({});
    SetPlayerInt("MAP", "EXPEDITION_COUNT", 3);
    EXPECT_EQ(Discover(game, "OPEN_GATE"), DiscoveryOutcome::BlockerPassed);
    EXPECT_EQ(GetPlayerInt("MAP", "EXPEDITION_COUNT", 0), 4);
}

TEST_F(DiscoveryTest, WithoutAPlayerEveryBlockerBlocksAndNothingIsWritten) {
    game.selectedPlayer = -1;
    Frame().progress->Clear();
    EXPECT_EQ(Discover(game, "OPEN_GATE"), DiscoveryOutcome::Blocked);
    EXPECT_EQ(Discover(game, "SPRING"), DiscoveryOutcome::Discovered);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, "blocked");
    EXPECT_EQ(shown[1].rows.size(), 2u) << "the rewards are still shown";
    EXPECT_EQ(Frame().progress->SectionCount(), 0);
}

TEST_F(DiscoveryTest, AMissingOrBrokenTableReadsAsEmpty) {
    struct Case {
        const char* what;
        std::string contents;  // empty: no file
    };
    const Case cases[] = {
        {"no file", ""},
        {"binary garbage", std::string("\x00\xff[\x01=\n\r[[[=;;,,\x7f", 16)},
        {"an unterminated block", "<[SPRING]\nREWARDS=MED_SUPPLIES"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshPlayer({});
        std::remove(data.file("discoveries.ini").c_str());
        if (!c.contents.empty()) data.write("discoveries.ini", c.contents);
        EXPECT_EQ(Discover(game, "SPRING"), DiscoveryOutcome::Discovered);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "NONE");
        EXPECT_TRUE(shown[0].rows.empty());
        EXPECT_EQ(GetPlayerInt("DISCOVERIES", "SPRING", 0), 1) << "the discovery is still recorded";
        EXPECT_EQ(FileExists(data.file("discoveries.ini")), !c.contents.empty()) << "nothing is created in the data";
    }
    EXPECT_EQ(world.countInLog("discoveries.ini not found"), 1);
}

TEST(RewardList, SplitsEntriesAtSemicolonsAndTheFirstComma) {
    struct Case {
        const char* list;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    const Case cases[] = {
        {"", {}},
        {"WATER,Fresh Water", {{"WATER", "Fresh Water"}}},
        {"TORTUGA,Beach, with turtles; BSUPPLY ,Planks;", {{"TORTUGA", "Beach, with turtles"}, {"BSUPPLY", "Planks"}}},
        {";;,No key;WINDBONUS", {{"WINDBONUS", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        std::vector<std::pair<std::string, std::string>> seen;
        for (const RewardEntry& e : ParseRewardList(c.list)) seen.emplace_back(e.key, e.text);
        EXPECT_EQ(seen, c.entries);
    }
}

TEST(RewardList, OnlyTheKnownKeysHavePictures) {
    GuiPictures gui;
    const std::pair<const char*, const LDvSprite*> cases[] = {
        {"MED_SUPPLIES", &gui.rewardMedicalSymbol}, {"CLINIC", &gui.rewardMedicalSymbol},
        {"CLINIC_BUILT", &gui.rewardMedicalSymbol}, {"TORTUGA", &gui.rewardTortugaBeach},
        {"WATER", &gui.rewardBucket},               {"HUTS_FINISHED", &gui.rewardHut},
        {"WINDBONUS", &gui.rewardGodOfAir},         {"BSUPPLY", &gui.rewardSupply},
        {"GOLD", nullptr},                          {"water", nullptr},
    };
    for (const auto& [key, sprite] : cases) EXPECT_EQ(RewardPicture(gui, key), sprite) << key;
}

TEST(DefaultDiscoveries, BlockersResolveRewardsHavePicturesAndTheScenesFindTheirDiscoveries) {
    LoggedWorld world;
    Frame().rootDirOverride = QV_DATA_DIR;
    LDvIniFile table;
    LoadDiscoveryTable(table);
    ASSERT_GT(table.SectionCount(), 0);
    const GuiPictures gui;
    for (LDvString name = table.FirstSectionName(); !name.empty(); name = table.NextSectionName(name)) {
        SCOPED_TRACE(name);
        const LDvString blocker = table.GetString(name.c_str(), "BLOCKER", "");
        if (table.FindSection(blocker) != nullptr) {
            EXPECT_FALSE(table.GetString(blocker.c_str(), "BLOCKER", "").empty()) << "the blocker explains itself";
        }
        // A blocker's own BLOCKER is a sentence; every other section is a discovery and tells what was found.
        const bool isBlocker = blocker.find(' ') != LDvString::npos;
        if (!isBlocker) {
            EXPECT_FALSE(table.GetString(name.c_str(), "DESCRIPTION", "").empty());
        }
        for (const RewardEntry& reward : ParseRewardList(table.GetString(name.c_str(), "REWARDS", ""))) {
            EXPECT_NE(RewardPicture(gui, reward.key), nullptr) << reward.key;
            EXPECT_FALSE(reward.text.empty()) << reward.key;
        }
    }
    // The adventure scenes end by showing these discoveries.
    const std::pair<const char*, const char*> scenes[] = {{"MEDICAL_SUPPLIES", "medical_supplies_hog"},
                                                          {"GOD_OF_AIR", "god_of_air"}};
    for (const auto& [id, scene] : scenes) {
        EXPECT_EQ(table.GetString(id, "SCENE", ""), scene);
        EXPECT_FALSE(table.GetString(id, "EXPLORE", "").empty()) << id;
    }
}
