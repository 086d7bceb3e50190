// A new player's first steps, played through the engine's event path with tips on: the camp greets
// the player with only Play, level 1 is won, the camp offers only Build, the huts are bought with
// that one win and built, Play returns once the field guide has been seen, level 2 is won, and the
// field guide ticks the huts off its task list, its check mark standing clear of the task's words.
// All on the default data, whose prices must allow this; casual mode, so that the bot's slow play
// cannot lose a level to the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_font.h"
#include "game/app/match3.h"
#include "game/expedition/camp.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/field_guide.h"
#include "game/expedition/guide_page_drawer.h"
#include "game/expedition/tip_dialog.h"
#include "tests/game/camp_world.h"

namespace {

constexpr int kConstructionLimit = 1500;

bool Shown(SlidingUIGroup& group, int entry) {
    const SlidingUI* slide = group.Entry(entry);
    return slide != nullptr && slide->IsAtRest();
}

bool TipShows(PlayWorld& world, const char* key) {
    return Frame().secondary == &world.game().tipDialog && GetPlayerInt("TIPS", key, 0) == 1;
}

}  // namespace

TEST(CampStory, ANewPlayerBuildsTheHutsWithTheFirstWinAndTicksThemOff) {
    const auto newPlayer = [] {
        SetPlayerInt(nullptr, "SHOW_TIPS", 1);
        SetPlayerInt(nullptr, "CASUAL_MODE", 1);
    };
    PlayWorld world(QV_DATA_DIR, newPlayer, PlayWorld::Start::Camp);
    ASSERT_TRUE(world.started());
    Camp& camp = TheCamp(world);
    FieldGuide& guide = camp.fieldGuide;
    std::vector<LDvString> titles;
    bool taskTicked = false;
    world.answerModals([&](LDvState& dialog) -> LDvOverlay* {
        auto* story = dynamic_cast<CharacterDialog*>(&dialog);
        if (story != nullptr && story->currentPage == 0) titles.push_back(story->title);
        if (&dialog == &guide) {
            const LDvString indent = GuidePageDrawer::kTaskIndent;
            const float room = static_cast<float>(GetTextWidth(indent.substr(0, indent.find('-')), guide.font)) *
                               GuidePageDrawer::kTextScale;
            taskTicked = FieldGuide::TaskDone(GetText(35)) && guide.checkMark.x == GuidePageDrawer::kLeftPageX;
            EXPECT_LE(static_cast<float>(guide.checkMark.GetFrameWidth()), room) << "the tick overlaps the task";
            return &guide.closeButton;
        }
        return ConfirmWhenPossible(dialog);
    });

    // The first visit: the captain's log, then only Play, with its tip.
    ASSERT_TRUE(WaitForCamp(world));
    world.steps(60);
    ASSERT_EQ(titles.size(), 1U);
    EXPECT_EQ(titles[0], "Captain's Log");
    EXPECT_TRUE(camp.playSlide.IsAtRest());
    EXPECT_FALSE(Shown(camp.mainMenu, Camp::kBuildEntry));
    EXPECT_TRUE(TipShows(world, "PLAY_TIP"));
    ASSERT_TRUE(PressPlay(world));
    ASSERT_TRUE(world.stepUntil([&world] { return Frame().currentState == &world.play(); }, 120));
    ASSERT_TRUE(WinTheLevel(world));

    // Level 2: only Build, and the resources of that one win pay for the huts.
    ASSERT_TRUE(WaitForCamp(world));
    EXPECT_EQ(camp.currentLevel, 2);
    const int won = camp.resources;
    ASSERT_GE(won, camp.buildings.Find("HUTS")->price);
    world.steps(120);
    EXPECT_TRUE(Shown(camp.mainMenu, Camp::kBuildEntry));
    EXPECT_FALSE(Shown(camp.mainMenu, Camp::kFieldGuideEntry));
    EXPECT_FALSE(camp.playSlide.IsAtRest());
    EXPECT_TRUE(TipShows(world, "SAW_BUILD_TIP"));
    ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kBuildEntry));
    ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.buildMenu, Camp::kClinicEntry); }, 300));
    EXPECT_FALSE(Shown(camp.buildMenu, Camp::kBackEntry)) << "the huts come first";
    ASSERT_TRUE(Press(world, camp.buildMenu, Camp::kHutsEntry));
    EXPECT_EQ(camp.resources, won - camp.buildings.Find("HUTS")->price);

    // The construction runs to its end; the captain cheers and the menu comes back with Back.
    ASSERT_TRUE(world.stepUntil([&camp] { return !camp.buildings.AnyAnimating(); }, kConstructionLimit));
    ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.buildMenu, Camp::kBackEntry); }, 300));
    EXPECT_EQ(titles.back(), GetText(31));
    ASSERT_TRUE(Press(world, camp.buildMenu, Camp::kBackEntry));
    ASSERT_TRUE(world.stepUntil([&camp] { return Settled(camp.mainMenu, Camp::kFieldGuideEntry); }, 300));
    EXPECT_FALSE(camp.playSlide.IsAtRest()) << "the field guide first";
    ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kFieldGuideEntry));
    ASSERT_TRUE(PressPlay(world));
    ASSERT_TRUE(world.stepUntil([&world] { return Frame().currentState == &world.play(); }, 120));
    ASSERT_TRUE(WinTheLevel(world));

    // Level 3: the captain has news, and the field guide shows the huts done.
    ASSERT_TRUE(WaitForCamp(world));
    EXPECT_EQ(camp.currentLevel, 3);
    world.steps(5);
    EXPECT_EQ(titles.back(), GetText(31));
    EXPECT_EQ(GetPlayerInt("PAGES", "SCIENTIST", 0), 1);
    ASSERT_TRUE(Press(world, camp.mainMenu, Camp::kFieldGuideEntry));
    EXPECT_TRUE(taskTicked);
    EXPECT_EQ(GetPlayerInt("TASKS", "Build Huts", 0), 1);
}
