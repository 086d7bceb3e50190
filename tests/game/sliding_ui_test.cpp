// Sliding menu entries: drops and bounces, eased slides, delays, rest counting, the settled test,
// presses with their sound and offsets, and buttons that wait for the menu to come to rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/ui/ldv_sound.h"
#include "framework/ui/ldv_touch_button.h"
#include "game/assets/game_sounds.h"
#include "game/widgets/sliding_ui_group.h"
#include "tests/framework/pointer.h"
#include "tests/game/logged_world.h"

namespace {

constexpr char kPlayed[] = "sound not enabled";
constexpr int kSlideTicks = 10;
constexpr int kRestTicks = 30;   // buttons wait for more than this many steps at rest

// Records where it was when drawn.
class Spy : public LDvOverlay {
public:
    void Draw() override { drawn.push_back({static_cast<int>(x), static_cast<int>(y)}); }
    std::vector<LDvPoint> drawn;
};

void TickTimes(SlidingUI& entry, int times) {
    for (int i = 0; i < times; ++i) entry.Tick();
}

void TickTimes(SlidingUIGroup& group, int times) {
    for (int i = 0; i < times; ++i) group.Tick();
}

class SlidingTest : public testing::Test {
protected:
    SlidingTest() {
        quiet.enabled = false;
        RegisterGameSound("sounds\\sfx\\button_click.ogg", &quiet);
        for (LDvTouchButton* b : {&first, &second}) b->image.frameWidth = b->image.frameHeight = 40;
    }
    ~SlidingTest() override { ClearGameSounds(); }

    LoggedWorld world;
    LDvSound quiet;
    LDvTouchButton first;
    LDvTouchButton second;
    SlidingUIGroup group;
};

}  // namespace

TEST(SlidingDrop, FallsAndBouncesThreeTimesOntoItsPlace) {
    Spy board;
    SlidingUI entry;
    entry.endY = 100;
    entry.Attach(&board, {3, 4});
    entry.Drop(0.0f, 0.25f);
    int ticks = 0;
    float lowest = 0;
    while (entry.drop != 0 && ticks < 1000) {
        entry.Tick();
        lowest = std::max(lowest, entry.currentY);
        ++ticks;
    }
    EXPECT_LT(ticks, 1000);
    EXPECT_EQ(entry.bounceCount, 3);
    EXPECT_EQ(entry.currentY, 100.0f);
    EXPECT_EQ(lowest, 100.0f) << "never below its place";
    EXPECT_EQ(board.y, 104.0f) << "overlays are placed at the offset";

    entry.Drop(0.0f, 0.25f);
    entry.currentY = 0;
    TickTimes(entry, ticks);
    EXPECT_EQ(entry.drop, 0) << "a second drop bounces as often as the first";
}

TEST(SlidingDrop, StartingBelowItsPlaceBouncesOnTheFirstTick) {
    SlidingUI entry;
    entry.endY = 100;
    entry.currentY = 150;
    entry.Drop(2.0f, 0.25f);
    entry.Tick();
    EXPECT_EQ(entry.currentY, 100.0f);
    EXPECT_EQ(entry.bounceCount, 1);
    EXPECT_FLOAT_EQ(entry.speed, -2.25f * 0.3f);
}

TEST(SlidingSlide, SlidesInEasedOutAndOutEasedIn) {
    Spy button;
    SlidingUIGroup group;
    SlidingUI& entry = group.Add(&button, 0, 100, 0, 0, 0);
    entry.tweenLength = 4;
    group.SlideInAll();
    std::vector<int> xs;
    for (int i = 0; i < 4; ++i) {
        group.Tick();
        xs.push_back(static_cast<int>(button.x));
    }
    group.SlideOut();
    for (int i = 0; i < 4; ++i) {
        group.Tick();
        xs.push_back(static_cast<int>(button.x));
    }
    // In: 100 x sqrt(t); out: 100 - 100 x t^2, for t = 1/4, 2/4, 3/4, 1.
    EXPECT_EQ(xs, (std::vector<int>{50, 70, 86, 100, 93, 75, 43, 0}));
}

TEST(SlidingSlide, ALengthOf25TakesThatLongEvenWithoutDistance) {
    Spy button;
    SlidingUIGroup group;
    SlidingUI& entry = group.Add(&button, 0, 20, 20, 20, 20);
    entry.tweenLength = 25;
    group.SlideInAll();
    TickTimes(group, 24);
    EXPECT_EQ(entry.tweenCounter, 1);
    group.Tick();
    EXPECT_EQ(entry.tweenCounter, 0);
    EXPECT_EQ(entry.ticksAtRest, 0);
    TickTimes(group, kRestTicks);
    EXPECT_FALSE(group.IsSettled());
    group.Tick();
    EXPECT_TRUE(group.IsSettled());
}

TEST(SlidingSlide, WaitsForItsDelayBeforeEverySlide) {
    Spy button;
    SlidingUIGroup group;
    SlidingUI& entry = group.Add(&button, 3, 100, 0, 0, 0);
    group.SlideIn(0);
    TickTimes(group, 3);
    EXPECT_EQ(entry.currentX, 0.0f);
    TickTimes(group, kSlideTicks);
    EXPECT_TRUE(entry.IsAtRest());
    EXPECT_EQ(entry.ticksAtRest, 0);
}

TEST(SlidingGroup, EmptyIsSettledAndClearRemovesEntries) {
    SlidingUIGroup group;
    EXPECT_TRUE(group.IsSettled());
    Spy button;
    group.Add(&button, 0, 10, 10, 0, 0);
    EXPECT_FALSE(group.IsSettled());
    EXPECT_EQ(button.x, 0.0f) << "placed at its start when added";
    group.Clear();
    EXPECT_EQ(group.Count(), 0);
    EXPECT_EQ(group.Entry(0), nullptr);
}

TEST_F(SlidingTest, SlideOutLeavesEntriesStillSlidingInAlone) {
    group.Add(&first, 0, 100, 0, 0, 0);
    group.Add(&second, 0, 200, 0, 200, 0);  // starts where it rests
    group.SlideInAll();
    TickTimes(group, 2);
    group.SlideOut();
    EXPECT_TRUE(first.disabled && second.disabled) << "every button becomes unclickable";
    EXPECT_EQ(group.Entry(0)->slideOut, 0);
    EXPECT_EQ(group.Entry(0)->slideIn, 1);
    EXPECT_EQ(group.Entry(1)->slideOut, 1) << "the entry already at its place slides out";
    TickTimes(group, kSlideTicks);
    EXPECT_TRUE(group.Entry(0)->IsAtRest());
}

TEST_F(SlidingTest, PressesCountOnlyAfterThirtyStepsAtRest) {
    SlidingUI& entry = group.Add(&first, 0, 100, 100, 0, 100);
    group.SlideInAll();
    TickTimes(group, kSlideTicks + kRestTicks);
    EXPECT_EQ(group.PressAt({110, 110}), nullptr);
    EXPECT_EQ(entry.pressOffsetY, 0);
    EXPECT_EQ(world.countInLog(kPlayed), 0);

    group.Tick();
    EXPECT_EQ(group.PressAt({150, 150}), nullptr) << "beside the button";
    EXPECT_EQ(group.PressAt({110, 110}), &entry);
    EXPECT_EQ(entry.pressOffsetX, 0);
    EXPECT_EQ(entry.pressOffsetY, 2);
    EXPECT_EQ(world.countInLog(kPlayed), 1);

    first.pressed = true;
    group.ClearPresses();
    EXPECT_EQ(entry.pressOffsetY, 0);
    EXPECT_FALSE(first.pressed);
}

TEST_F(SlidingTest, OnlyTheFirstEntryUnderThePointReacts) {
    group.Add(&first, 0, 100, 100, 100, 100);
    group.Add(&second, 0, 110, 110, 110, 110);
    TickTimes(group, kRestTicks + 1);
    group.PressAt({120, 120});
    EXPECT_EQ(group.Entry(0)->pressOffsetY, 2);
    EXPECT_EQ(group.Entry(1)->pressOffsetY, 0);
    EXPECT_EQ(world.countInLog(kPlayed), 1);
}

TEST_F(SlidingTest, ButtonsFollowThePointerOnlyOnceAtRest) {
    group.Add(&first, 0, 100, 100, 0, 100);
    PointerAt(110, 110);
    group.SlideInAll();
    TickTimes(group, kSlideTicks + kRestTicks);
    EXPECT_FALSE(first.hover);
    group.Tick();
    EXPECT_TRUE(first.hover);
}

TEST_F(SlidingTest, BadgesFollowAPressedButtonDown) {
    Spy button, badge;
    SlidingUI& entry = group.Add(&button, 0, 100, 100, 100, 100);
    entry.Attach(&badge, {5, 5});
    entry.pressOffsetY = 2;
    group.Draw();
    ASSERT_EQ(button.drawn.size(), 1u);
    ASSERT_EQ(badge.drawn.size(), 1u);
    EXPECT_EQ(button.drawn[0].y, 100) << "the button shows its own pressed look";
    EXPECT_EQ(badge.drawn[0].x, 105);
    EXPECT_EQ(badge.drawn[0].y, 107);
    EXPECT_EQ(badge.y, 105.0f) << "moved back after drawing";
}
