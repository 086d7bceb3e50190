// The camp as a player meets it: the whole game in this process, the camp's own tables written by
// the test, the mouse given through the engine's event path and modal dialogs answered the same
// way. What slides in by level and tips, the announcements, Explore's refusals, buying and the
// build menu's offers, and what is written (or not, without a player).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/expedition/camp.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/icon_dlg.h"
#include "tests/game/camp_world.h"

namespace {

constexpr int kRestLimit = 200;

struct MenuState {
    bool fieldGuide, build, explore, play;
};

bool EntryIn(SlidingUIGroup& group, int entry) {
    const SlidingUI* slide = group.Entry(entry);
    return slide != nullptr && slide->IsAtRest();
}

MenuState ShownMenu(Camp& camp) {
    return {EntryIn(camp.mainMenu, Camp::kFieldGuideEntry), EntryIn(camp.mainMenu, Camp::kBuildEntry),
            EntryIn(camp.mainMenu, Camp::kExploreEntry), camp.playSlide.IsAtRest()};
}

// What each story dialog said: its title and first page.
struct Story {
    LDvString title;
    LDvString firstPage;
};

PlayWorld::ModalAnswer RecordStories(std::vector<Story>& stories) {
    return [&stories](LDvState& dialog) -> LDvOverlay* {
        // Each story is answered once on its first page.
        auto* story = dynamic_cast<CharacterDialog*>(&dialog);
        if (story != nullptr && story->currentPage == 0) {
            stories.push_back({story->title, story->pages.IsEmpty() ? LDvString() : story->pages.Get(0)});
        }
        return PlayWorld::closeStoriesAndTips(dialog);
    };
}

}  // namespace

TEST(CampScreen, WhatSlidesInFollowsTheLevelAndTheTips) {
    struct Case {
        const char* what;
        int level;
        bool tipsOn;
        const char* unseenTip;         // a camp tip the player has not seen, or null
        int resources;
        MenuState shown;
    };
    const Case cases[] = {
        {"level 1: only Play", 1, true, nullptr, 0, {false, false, false, true}},
        {"level 2, tips off: the whole menu and Play", 2, false, nullptr, 900, {true, true, true, true}},
        {"level 2, build tip unseen: only Build", 2, true, "SAW_BUILD_TIP", 900, {false, true, false, false}},
        {"level 2, field guide tip unseen: only the field guide", 2, true, "SAW_FIELDGUIDE_TIP", 900,
         {true, false, false, false}},
        {"level 2, both seen: the menu without Explore, and Play", 2, true, nullptr, 900, {true, true, false, true}},
        {"level 2, huts out of reach: Play as well", 2, true, "SAW_BUILD_TIP", kTestHutsPrice - 1,
         {false, true, false, true}},
        {"level 3: everything", 3, true, nullptr, 0, {true, true, true, true}},
    };
    const CampData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareSeasonedPlayer(c.level, c.resources, c.tipsOn);
        if (c.unseenTip != nullptr) SetPlayerInt("TIPS", c.unseenTip, 0);
        ASSERT_TRUE(EnterCamp(world));
        world.steps(kRestLimit);
        const MenuState shown = ShownMenu(TheCamp(world));
        EXPECT_EQ(shown.fieldGuide, c.shown.fieldGuide);
        EXPECT_EQ(shown.build, c.shown.build);
        EXPECT_EQ(shown.explore, c.shown.explore);
        EXPECT_EQ(shown.play, c.shown.play);
    }
}

// At level 2 with tips on the huts come first: no Play and no way back from the build menu until
// they are bought. That holds only while they can be paid, or the player would be stuck.
TEST(CampScreen, TheHutsComeFirstOnlyWhileThePlayerCanPayForThem) {
    const CampData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    Camp& camp = TheCamp(world);
    for (const int resources : {kTestHutsPrice, kTestHutsPrice - 1}) {
        SCOPED_TRACE(resources);
        const bool waitForHuts = resources >= kTestHutsPrice;
        PrepareSeasonedPlayer(2, resources, true);
        SetPlayerInt("TIPS", "SAW_BUILD_TIP", 0);
        ASSERT_TRUE(EnterCamp(world));
        ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kBuildEntry));
        ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.buildMenu, Camp::kClinicEntry); }, 300));
        EXPECT_EQ(EntryIn(camp.buildMenu, Camp::kBackEntry), !waitForHuts);
        EXPECT_EQ(camp.playSlide.IsAtRest(), !waitForHuts);
    }
}

TEST(CampScreen, TheHoardingTipNeedsMoreThanTwentyThousandFromLevelSix) {
    const CampData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    std::vector<Story> stories;
    world.answerModals(RecordStories(stories));
    for (const int resources : {20000, 20001}) {
        SCOPED_TRACE(resources);
        stories.clear();
        PrepareSeasonedPlayer(6, resources, true);
        SetPlayerInt(nullptr, "SAW_HOARDING_TIP", 0);
        ASSERT_TRUE(EnterCamp(world));
        world.steps(10);
        const bool spoke = resources > Camp::kHoardingResources;
        ASSERT_EQ(stories.size(), spoke ? 1U : 0U);
        EXPECT_EQ(GetPlayerInt(nullptr, "SAW_HOARDING_TIP", 0), spoke ? 1 : 0);
        if (spoke) {
            EXPECT_EQ(stories[0].title, GetText(28));
            EXPECT_EQ(stories[0].firstPage, GetText(29));
        }
    }
}

TEST(CampScreen, ExploreWaitsForTheHutsAndTheLab) {
    struct Case {
        const char* what;
        bool huts, lab;
        int title, page;               // the story told instead, or 0: off to the map
    };
    const Case cases[] = {
        {"nothing built: the captain", false, false, 31, 45},
        {"the lab alone: still the captain", false, true, 31, 45},
        {"huts without the lab: the professor", true, false, 28, 44},
        {"huts and lab: the map", true, true, 0, 0},
    };
    const CampData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    std::vector<Story> stories;
    world.answerModals(RecordStories(stories));
    Camp& camp = TheCamp(world);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        stories.clear();
        PrepareSeasonedPlayer(3, 0, true);
        SetPlayerInt("BUILDING_DATA", "HUTS_BUILT", c.huts ? 1 : 0);
        SetPlayerInt("BUILDING_DATA", "LAB_BUILT", c.lab ? 1 : 0);
        ASSERT_TRUE(EnterCamp(world));
        ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kExploreEntry));
        if (c.title == 0) {
            EXPECT_TRUE(stories.empty());
            EXPECT_EQ(world.game().screenFade.nextState, &world.game().MapState());
            EXPECT_GT(world.game().screenFade.fadeStepsRemaining, 0);
            world.steps(60);
            continue;
        }
        ASSERT_EQ(stories.size(), 1U);
        EXPECT_EQ(stories[0].title, GetText(c.title));
        EXPECT_EQ(stories[0].firstPage, GetText(c.page));
        EXPECT_EQ(Frame().currentState, &camp);
    }
}

TEST(CampScreen, HutsBoughtWithExactlyTheirPriceLeaveNothing) {
    struct Case {
        int resources;
        bool bought;
    };
    for (const Case& c : {Case{kTestHutsPrice - 1, false}, Case{kTestHutsPrice, true}}) {
        SCOPED_TRACE(c.resources);
        const CampData data;
        PlayWorld world(data.path(), [&c] { PrepareSeasonedPlayer(3, c.resources, true); }, PlayWorld::Start::Camp);
        ASSERT_TRUE(world.started());
        LDvString priceText;
        world.answerModals([&priceText](LDvState& dialog) {
            if (auto* confirm = dynamic_cast<IconDlg*>(&dialog)) priceText = confirm->bodyText;
            return ConfirmWhenPossible(dialog);
        });
        Camp& camp = TheCamp(world);
        ASSERT_TRUE(WaitForCamp(world));
        ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kBuildEntry));
        ASSERT_TRUE(Press(world, camp.buildMenu, Camp::kHutsEntry));
        const std::string price = std::to_string(kTestHutsPrice);
        EXPECT_EQ(priceText, c.bought ? "Uses " + price + " resources." : GetText(34) + " " + price);
        BuildGroup& huts = *camp.buildings.Find("HUTS");
        EXPECT_EQ(huts.started, c.bought ? 1 : 0);
        EXPECT_EQ(camp.resources, c.bought ? 0 : c.resources);
        EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_RESOURCES", -1), c.bought ? 0 : c.resources);
        EXPECT_EQ(GetPlayerInt("BUILDING_DATA", "HUTS_BUILT", 0), c.bought ? 1 : 0);
        if (!c.bought) continue;
        EXPECT_TRUE(camp.buildings.AnyAnimating());
        // The construction ends, the captain speaks, and the menu returns with the upgrade.
        ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.buildMenu, Camp::kHutsEntry); }, 1200));
        EXPECT_FALSE(camp.buildings.AnyAnimating());
        EXPECT_EQ(camp.scoreBoard.counter.shown, 0);
        EXPECT_EQ(camp.buildMenu.Entry(Camp::kHutsEntry)->MainOverlay(), &camp.upgradeHutsButton);
        EXPECT_EQ(GetPlayerInt(nullptr, "SAW_CONGRATS_CAMP_MESSAGE", 0), 1);
    }
}

TEST(CampScreen, FinishCampIsOfferedOnceTheUpgradeAndTheLabStand) {
    struct Case {
        const char* what;
        bool upgrade, lab;
    };
    const Case cases[] = {
        {"neither", false, false}, {"the upgrade alone", true, false}, {"the lab alone", false, true}, {"both", true, true}};
    const CampData data;
    PlayWorld world(data.path(), {}, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    world.answerModals(PlayWorld::closeStoriesAndTips);
    Camp& camp = TheCamp(world);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareSeasonedPlayer(4, 100000, false);
        SetPlayerInt(nullptr, "SAW_CONGRATS_CAMP_MESSAGE", 1);
        SetPlayerInt(nullptr, "SAW_ANIMAL_ANNOUNCEMENT", 1);
        SetPlayerInt("BUILDING_DATA", "HUTS_BUILT", 1);
        SetPlayerInt("BUILDING_DATA", "UPG_HUTS_BUILT", c.upgrade ? 1 : 0);
        SetPlayerInt("BUILDING_DATA", "LAB_BUILT", c.lab ? 1 : 0);
        ASSERT_TRUE(EnterCamp(world));
        ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kBuildEntry));
        ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.buildMenu, Camp::kBackEntry); }, 300));
        const bool offered = c.upgrade && c.lab;
        ASSERT_EQ(camp.buildMenu.Count(), offered ? 5 : 4);
        if (offered) {
            EXPECT_EQ(camp.buildMenu.Entry(Camp::kFinishEntry)->MainOverlay(), &camp.finishCampButton);
        }
        // Without the medical supplies the clinic shows the lock; a built lab its badge and no way in.
        const SlidingUI& clinic = *camp.buildMenu.Entry(Camp::kClinicEntry);
        ASSERT_EQ(clinic.overlays.Count(), 2);
        EXPECT_EQ(clinic.overlays.Get(1)->Picture(), camp.lockedPicture.Picture());
        EXPECT_EQ(camp.buildLabButton.touchEnabled, !c.lab);
    }
}

TEST(CampScreen, WithoutAPlayerTheCampRunsOnDefaultsAndWritesNothing) {
    const CampData data;
    PlayWorld world(data.path(), [] {
        PrepareSeasonedPlayer(5, 9000, false);
        SetPlayerInt("REWARDS", "MED_SUPPLIES", 1);
        SetPlayerInt("BUILDING_DATA", "HUTS_BUILT", 1);
        Frame().game->selectedPlayer = -1;
    }, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    const std::string before = world.saveFile("player00.ini");
    world.answerModals(PlayWorld::closeStoriesAndTips);
    Camp& camp = TheCamp(world);
    ASSERT_TRUE(WaitForCamp(world));
    world.steps(kRestLimit);
    EXPECT_EQ(camp.currentLevel, 1);
    EXPECT_EQ(camp.resources, 0);
    EXPECT_TRUE(ShownMenu(camp).play);
    EXPECT_EQ(camp.buildings.Find("HUTS")->built, 0);
    EXPECT_EQ(camp.buildings.Find("CLINIC")->lockedByRequirement, 1);
    EXPECT_EQ(camp.buildings.Find("UPG_HUTS")->lockedByRequirement, 1);
    EXPECT_EQ(world.saveFile("player00.ini"), before);
}
