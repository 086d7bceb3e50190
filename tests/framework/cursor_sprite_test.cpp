#include "framework/ui/cursor_sprite.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    int kind;
    bool stairs;
    bool door;
    bool glows;
};
// Each name is set on a cursor that showed "WAIT" before.
constexpr NameCase kNames[] = {
    {"HAND", kCursorHand, false, false, true},
    {"LOOK|STAIRS", kCursorLook, true, false, true},
    {"E|DOOR", kCursorEast, false, true, true},
    {"SCROLL", kCursorScroll, false, false, true},
    {"TALK", kCursorTalk, false, false, false},
    {"", kCursorArrow, false, false, false},
    {"hand", kCursorWait, false, false, false},  // names are case-sensitive: the kind stays
    {"N|WINDOW", kCursorNorth, false, false, true},
};

TEST(CursorName, ChoosesKindBadgesAndGlow) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        CursorSprite cursor;
        cursor.SetCursorName("WAIT");
        cursor.cursorAngle = 40;
        cursor.SetCursorName(c.name);
        EXPECT_EQ(cursor.cursorKind, c.kind);
        EXPECT_EQ(cursor.stairsBadge, c.stairs);
        EXPECT_EQ(cursor.doorBadge, c.door);
        EXPECT_EQ(cursor.glowCounter > 0, c.glows);
        EXPECT_EQ(cursor.cursorAngle, 0);
    }
}

TEST(CursorName, HideCursorHidesAndChangesNothingElse) {
    CursorSprite cursor;
    cursor.SetCursorName("LOOK");
    EXPECT_EQ(cursor.glowOffset.x, 14);
    cursor.cursorZoom = 1.1f;
    cursor.SetCursorName("HIDE_CURSOR");
    EXPECT_TRUE(cursor.hiddenByName);
    EXPECT_EQ(cursor.currentName, "LOOK");
    cursor.SetCursorName("LOOK");
    EXPECT_FALSE(cursor.hiddenByName);
    EXPECT_EQ(cursor.cursorZoom, 1.1f) << "the same name again does not restart the animation";
    cursor.SetCursorName("HAND");
    EXPECT_EQ(cursor.glowOffset.x, 0);
}

TEST(CursorGlow, FadesOutOverFortySteps) {
    CursorSprite cursor;
    cursor.SetCursorName("HAND");
    for (int i = 0; i < 20; ++i) cursor.Update();
    EXPECT_EQ(cursor.glowOpacityPercent, 18);  // (20 / 40)^2 x 75
    for (int i = 0; i < 20; ++i) cursor.Update();
    EXPECT_EQ(cursor.glowOpacityPercent, 0);
}

struct SlideCase {
    const char* name;
    int x, y;
};
constexpr SlideCase kSlides[] = {
    {"E", 1, 0}, {"W", -1, 0}, {"BACK", 0, 1}, {"S", 0, 1}, {"N", 0, -1}, {"SW", -1, 1},
    {"NW", -1, -1}, {"NE", 1, -1}, {"SE", 1, 1}, {"ARROW", 0, 0}, {"GRAB", 0, 0},
};

TEST(CursorAnimation, ArrowsSlideOnePixelPerAnimationTick) {
    for (const SlideCase& c : kSlides) {
        SCOPED_TRACE(c.name);
        CursorSprite cursor;
        cursor.SetCursorName(c.name);
        for (int i = 0; i < 5; ++i) cursor.Update();  // the fifth step is the first animation tick
        EXPECT_EQ(cursor.cursorOffset.x, c.x);
        EXPECT_EQ(cursor.cursorOffset.y, c.y);
    }
}

TEST(CursorAnimation, PulsingCursorsGrowAndWrapEveryFifteenTicks) {
    CursorSprite cursor;
    cursor.SetCursorName("TALK");
    for (int i = 0; i < 5 * 14; ++i) cursor.Update();
    EXPECT_FLOAT_EQ(cursor.cursorZoom, 1.14f);
    for (int i = 0; i < 5; ++i) cursor.Update();
    EXPECT_FLOAT_EQ(cursor.cursorZoom, 1.0f);
}

TEST(CursorAnimation, WaitTurnsAndPausesAtHalfAndFullTurns) {
    CursorSprite cursor;
    cursor.SetCursorName("WAIT");
    auto animationTicks = [&](int n) {
        for (int i = 0; i < 5 * n; ++i) cursor.Update();
    };
    animationTicks(9);
    EXPECT_EQ(cursor.cursorAngle, 180);
    animationTicks(20);
    EXPECT_EQ(cursor.cursorAngle, 180) << "held for 20 animation ticks";
    animationTicks(1);
    EXPECT_EQ(cursor.cursorAngle, 200);
    animationTicks(8);
    EXPECT_EQ(cursor.cursorAngle, 0);
    animationTicks(20);
    EXPECT_EQ(cursor.cursorAngle, 0);
    animationTicks(1);
    EXPECT_EQ(cursor.cursorAngle, 20);
}

struct HotSpotCase {
    int kind, x, y;
};
constexpr HotSpotCase kHotSpots[] = {{0, 0, 0}, {2, 0, 0}, {3, 15, 15}, {4, 39, 46}, {5, 38, 38}, {14, 38, 38}, {17, 38, 38}};

TEST(CursorHotSpot, SitsWhereEachPictureTouchesThePointer) {
    for (const HotSpotCase& c : kHotSpots) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(CursorHotSpot(c.kind).x, c.x);
        EXPECT_EQ(CursorHotSpot(c.kind).y, c.y);
    }
}

}  // namespace
