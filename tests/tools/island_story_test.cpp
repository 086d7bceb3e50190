// The island's story as the default data tells it: map.ini, discoveries.ini, build.ini,
// fieldguide.ini and the language table checked against each other and played through in every
// order a player could take.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>

#include "game/expedition/map_layout.h"
#include "tests/tools/island_tables.h"
#include "tests/tools/island_walk.h"

namespace {

std::set<std::string> sectionNames(const char* file) {
    std::string text;
    readDataFile(dataPath(file), text);
    std::set<std::string> names;
    for (const TableSection& section : readTableSections(text)) names.insert(section.name);
    return names;
}

// The sections some discovery names as its BLOCKER (a blocker's own BLOCKER is a sentence).
std::set<std::string> blockerSections(const DiscoveryTable& discoveries) {
    std::set<std::string> blockers;
    for (const auto& [name, section] : discoveries) {
        if (discoveries.count(section.value("BLOCKER")) != 0) blockers.insert(section.value("BLOCKER"));
    }
    return blockers;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += "\n  " + item;
    return text;
}

class IslandStory : public ::testing::Test {
protected:
    IslandMap map = dataIslandMap();
    DiscoveryTable discoveries = dataDiscoveries();
    std::set<std::string> blockers = blockerSections(discoveries);
};

}  // namespace

TEST_F(IslandStory, MapNamesThePlacesTheGameLooksFor) {
    EXPECT_TRUE(map.problems.empty()) << "values the map would misread:" << joined(map.problems);
    ASSERT_FALSE(map.lands.empty());
    EXPECT_EQ(map.lands.front().name, "CAMP") << "the view centres on CAMP and the marker starts at the first place";
    EXPECT_EQ(map.lands.front().reveal, 0);
    EXPECT_GE(map.lands.size(), 6u);
    EXPECT_GE(map.places().size(), 10u);
    for (const char* id : {"SUPPLY_BEACH", "TORTUGA", "MED_SUPPLIES", "GOD_OF_AIR", "JUNGLE_ENTRANCE", "PICORU"}) {
        EXPECT_NE(map.place(id), nullptr) << id;
    }
    std::set<std::string> ids;
    for (const IslandPlace* place : map.places()) {
        SCOPED_TRACE(place->id);
        EXPECT_TRUE(ids.insert(place->id).second) << "two places share the id";
        for (const std::string& exit : place->exits) EXPECT_NE(map.place(exit), nullptr) << "an exit to no place: " << exit;
    }
}

// One-way paths are fine as long as no place is a trap: from every place the marker can walk to
// every other (the first expedition cannot be cancelled).
TEST_F(IslandStory, EveryPlaceCanReachEveryOther) {
    for (const IslandPlace* from : map.places()) {
        std::set<std::string> seen{from->id};
        std::deque<const IslandPlace*> queue{from};
        while (!queue.empty()) {
            const IslandPlace* at = queue.front();
            queue.pop_front();
            for (const std::string& exit : at->exits) {
                const IslandPlace* to = map.place(exit);
                if (to != nullptr && seen.insert(to->id).second) queue.push_back(to);
            }
        }
        EXPECT_EQ(seen.size(), map.places().size()) << "not every place can be reached from " << from->id;
    }
}

// A mistyped id silently becomes a discovery with no text that is still recorded; an icon no
// discovery names never shows; a scene discovery must keep the id the scene reports.
TEST_F(IslandStory, PlacesDiscoveriesAndIconsNameEachOther) {
    std::set<std::string> named, hiddenIcons, iconsNamed;
    for (const IslandPlace* place : map.places()) {
        SCOPED_TRACE(place->id);
        if (place->discovery == kNoDiscovery) continue;
        named.insert(place->discovery);
        EXPECT_EQ(discoveries.count(place->discovery), 1u) << "names a discovery with no section";
        EXPECT_EQ(blockers.count(place->discovery), 0u) << "names a blocker section as its discovery";
    }
    for (const IslandLand& land : map.lands) {
        for (const IslandIcon& icon : land.icons) {
            if (icon.visibility == "HIDE") hiddenIcons.insert(icon.name);
        }
    }
    for (const auto& [name, section] : discoveries) {
        SCOPED_TRACE(name);
        if (blockers.count(name) != 0) {
            EXPECT_FALSE(section.value("BLOCKER").empty()) << "a blocker says what stands in the way";
            EXPECT_FALSE(rewardList(section.value("REWARDS")).empty()) << "a blocker without needs is always passed";
            continue;
        }
        EXPECT_EQ(named.count(name), 1u) << "no place finds this discovery";
        const std::string blocker = section.value("BLOCKER");
        EXPECT_TRUE(blocker.empty() || blockers.count(blocker) == 1) << "names the blocker " << blocker;
        EXPECT_FALSE(!section.value("EXPLORE").empty() && !blocker.empty()) << "a scene is entered before any blocker is read";
        const std::string icon = section.value("ICON");
        if (icon.empty()) continue;
        iconsNamed.insert(icon);
        EXPECT_EQ(hiddenIcons.count(icon), 1u) << "its ICON " << icon << " is not a HIDE icon of the map";
    }
    for (const std::string& icon : hiddenIcons) EXPECT_EQ(iconsNamed.count(icon), 1u) << "no discovery shows the icon " << icon;
}

TEST_F(IslandStory, SceneDiscoveriesLeadToTheirScenes) {
    struct SceneCase { const char* place; const char* discovery; const char* scene; };
    constexpr SceneCase kScenes[] = {
        {"GOD_OF_AIR", "GOD_OF_AIR", "god_of_air"},
        {"MED_SUPPLIES", "MEDICAL_SUPPLIES", "medical_supplies_hog"},
    };
    for (const SceneCase& c : kScenes) {
        SCOPED_TRACE(c.discovery);
        const IslandPlace* place = map.place(c.place);
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(place->discovery, c.discovery);
        ASSERT_EQ(discoveries.count(c.discovery), 1u);
        EXPECT_FALSE(discoveries.at(c.discovery).value("EXPLORE").empty());
        EXPECT_EQ(discoveries.at(c.discovery).value("SCENE"), c.scene);
    }
}

// Rewards some discovery must grant: the camp's tasks, the clinic and the hut upgrade read them,
// and TORTUGA moves the boards to the jungle.
TEST_F(IslandStory, DiscoveriesGrantTheRewardsTheCampNeeds) {
    std::set<std::string> granted;
    for (const auto& [name, section] : discoveries) {
        if (blockers.count(name) != 0) continue;
        for (const auto& [key, text] : rewardList(section.value("REWARDS"))) {
            granted.insert(key);
            EXPECT_FALSE(text.empty()) << name << " grants " << key << " without a text to show";
        }
    }
    for (const char* key : {"BSUPPLY", "MED_SUPPLIES", "WATER", "TORTUGA"}) EXPECT_EQ(granted.count(key), 1u) << key;
}

TEST_F(IslandStory, EveryOrderOfPlayUncoversTheSecretAndEndsAtPicoru) {
    const WalkReport report = walkEveryOrder(map, discoveries, sectionNames("build.ini"));
    EXPECT_TRUE(report.faults.empty()) << joined(report.faults);
    ASSERT_GT(report.endings, 0);
    for (const IslandLand& land : map.lands) EXPECT_EQ(report.landsShown.count(land.name), 1u) << land.name << " is never shown";
    for (const auto& [name, section] : discoveries) {
        if (blockers.count(name) == 0) {
            EXPECT_EQ(report.discoveriesAtEnd.count(name), 1u) << "Picoru can be reached before " << name;
        }
    }
    // The camp's task list (texts 35 to 43) and what ticks each task.
    struct TaskCase { int text; const char* building; const char* reward; };
    constexpr TaskCase kTasks[] = {
        {35, "HUTS", nullptr}, {36, "LAB", nullptr}, {37, nullptr, "MED_SUPPLIES"}, {38, nullptr, "CLINIC_BUILT"},
        {39, nullptr, "BSUPPLY"}, {40, "UPG_HUTS", nullptr}, {41, nullptr, "WATER"}, {42, nullptr, "HUTS_FINISHED"},
    };
    std::string english;
    ASSERT_TRUE(readDataFile(dataPath("Locale/english.txt"), english));
    const std::vector<std::string> texts = splitLines(english);
    ASSERT_GE(texts.size(), 43u);
    for (const TaskCase& task : kTasks) {
        SCOPED_TRACE(texts[static_cast<size_t>(task.text - 1)]);
        if (task.building) {
            EXPECT_EQ(report.buildingsAtEnd.count(task.building), 1u);
        }
        if (task.reward) {
            EXPECT_EQ(report.rewardsAtEnd.count(task.reward), 1u);
        }
    }
    EXPECT_FALSE(texts[42].empty()) << "the last task, ticked on arriving at Picoru";
}

// Each blocker is passed at the same count whatever the order of play, and the land it opens has
// exactly that REVEAL; an expedition paid for earlier can never reach that count.
TEST_F(IslandStory, BlockersOpenTheirLandAtOneCount) {
    const WalkReport report = walkEveryOrder(map, discoveries, sectionNames("build.ini"));
    ASSERT_FALSE(report.countsAfterPassing.empty());
    for (const auto& [discovery, counts] : report.countsAfterPassing) {
        SCOPED_TRACE(discovery);
        ASSERT_EQ(counts.size(), 1u) << "passed at different counts in different orders of play";
        const int count = *counts.begin();
        const bool opens = std::any_of(map.lands.begin(), map.lands.end(), [&](const IslandLand& l) { return l.reveal == count; });
        EXPECT_TRUE(opens);
    }
}

// A scene left unfinished ends its expedition with the count paid, so the count can run ahead
// of the story and show land behind a blocker early; no order of play may then find a way round
// the blocker, strand the player, or reach Picoru with anything left unfound.
TEST_F(IslandStory, ScenesLeftUnfinishedNeverOpenAWayRoundABlocker) {
    constexpr int kScenesLeft = 2;
    const WalkReport report = walkEveryOrder(map, discoveries, sectionNames("build.ini"), kScenesLeft);
    EXPECT_TRUE(report.faults.empty()) << joined(report.faults);
    ASSERT_GT(report.endings, 0);
    for (const auto& [name, section] : discoveries) {
        if (blockers.count(name) == 0) {
            EXPECT_EQ(report.discoveriesAtEnd.count(name), 1u) << "Picoru can be reached before " << name;
        }
    }
}

// The first expedition is free and cannot be cancelled: a plain discovery must be in reach, and
// the second map tip points at SUPPLY_BEACH from below, its box on screen with the view on the
// first place.
TEST_F(IslandStory, FirstExpeditionFindsSupplyBeachUnderTheTip) {
    constexpr int kTipLeft = 222, kTipRight = 228, kTipTop = 27 + 64, kTipBottom = 27 + 64 + 300;
    const WalkReport report = walkEveryOrder(map, discoveries, sectionNames("build.ini"));
    const auto& targets = report.firstExpeditionTargets;
    EXPECT_NE(std::find(targets.begin(), targets.end(), "SUPPLY_BEACH"), targets.end());
    const IslandPlace* beach = map.place("SUPPLY_BEACH");
    ASSERT_NE(beach, nullptr);
    ASSERT_FALSE(map.places().empty());
    const IslandPoint start = map.places().front()->point;
    const int x = map_layout::kCanvasWidth / 2 + beach->point.x - start.x;
    const int y = map_layout::kCanvasHeight / 2 + beach->point.y - start.y;
    EXPECT_GE(x - kTipLeft, 0);
    EXPECT_LE(x + kTipRight, map_layout::kCanvasWidth);
    EXPECT_LE(y + kTipBottom, map_layout::kCanvasHeight);
    EXPECT_GE(y + kTipTop, 0);
}

TEST_F(IslandStory, ArrivalsUnlockFieldGuidePagesThatExist) {
    struct PageCase { const char* place; const char* page; };
    constexpr PageCase kPages[] = {{"TORTUGA", "TURTLE"}, {"MED_SUPPLIES", "MEDICAL_SUPPLIES"}, {"GOD_OF_AIR", "GOD_OF_AIR"}};
    const std::set<std::string> pages = sectionNames("fieldguide.ini");
    const WalkReport report = walkEveryOrder(map, discoveries, sectionNames("build.ini"));
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.place);
        EXPECT_EQ(pages.count(c.page), 1u);
        EXPECT_EQ(report.visited.count(c.place), 1u) << "no order of play arrives there";
    }
}
