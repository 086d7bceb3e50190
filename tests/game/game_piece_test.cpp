// A single piece's animation: the landing bounce, a highlight cut short, a fall extended while
// running, and what counts as idle.
#include <gtest/gtest.h>

#include <cmath>

#include "game/match3/game_piece.h"

namespace {

LDvList<LDvPoint> Column(int col, int fromRow, int toRow) {
    LDvList<LDvPoint> path;
    for (int row = fromRow; row <= toRow; ++row) path.Add({col, row});
    return path;
}

// Lets the piece land on its next step at `speed` (before the cap) and counts its bounces.
struct BounceCase {
    float speed;
    float firstBounce;                     // bounce speed as the landing step leaves it
    int bounces;
};
constexpr BounceCase kBounces[] = {
    {10.0f, -4.3f + 0.55f, 2},             // at the cap: -4.3, then one smaller bounce
    {12.0f, -4.3f + 0.55f, 2},             // faster than the cap lands at the cap
    {4.0f, -1.72f + 0.55f, 1},             // comes back below 2.0: no second bounce
};

TEST(GamePiece, BouncesAfterLandingAndStopsBelowTwo) {
    for (const BounceCase& c : kBounces) {
        SCOPED_TRACE(c.speed);
        GamePiece piece;
        piece.row = 1;
        piece.startFall(Column(0, 0, 1));
        piece.fallDistance = 54.9f;
        piece.fallSpeed = c.speed - 0.55f;
        bool changed = false;
        bool landed = false;
        piece.update(0, changed, landed);
        ASSERT_TRUE(landed);
        EXPECT_FALSE(changed) << "only a landing special reports a change";
        EXPECT_NEAR(piece.bounceSpeed, c.firstBounce, 1e-4);
        EXPECT_FLOAT_EQ(piece.pathOffset.y, 0.0f);
        int bounces = 1;
        for (int step = 0; step < 200 && piece.bouncing; ++step) {
            const float before = piece.bounceSpeed;
            piece.update(0, changed, landed);
            if (before > 0.0f && piece.bounceSpeed < 0.0f) ++bounces;
            EXPECT_LE(piece.bounceOffset, 0.0f);
        }
        EXPECT_FALSE(piece.bouncing);
        EXPECT_EQ(bounces, c.bounces);
        EXPECT_TRUE(piece.isIdle()) << "bouncing never makes a piece busy";
    }
}

TEST(GamePiece, HighlightPlaysAtHalfSpeedAndFinishesAtFullSpeedWhenDropped) {
    GamePiece piece;
    piece.highlighted = true;
    bool changed = false;
    bool landed = false;
    for (int tick = 1; tick <= 20; ++tick) piece.update(tick, changed, landed);
    EXPECT_EQ(piece.animFrame, 10) << "one frame every even step";
    piece.highlighted = false;
    for (int tick = 21; tick <= 45; ++tick) piece.update(tick, changed, landed);
    EXPECT_EQ(piece.animFrame, 0) << "frames 11..34 at one per step, then back to rest";
    piece.update(46, changed, landed);
    EXPECT_EQ(piece.animFrame, 0) << "a finished animation rests";

    piece.highlighted = true;
    for (int tick = 0; tick < 70; ++tick) piece.update(tick, changed, landed);
    EXPECT_FALSE(piece.highlighted) << "a highlight plays once";
    EXPECT_EQ(piece.animFrame, 0);
}

TEST(GamePiece, ExtendsARunningFallWithoutLosingSpeed) {
    GamePiece piece;
    piece.row = 2;
    piece.startFall(Column(3, 0, 2));
    EXPECT_FLOAT_EQ(piece.fallLength, 110.0f);
    EXPECT_FLOAT_EQ(piece.pathOffset.y, -110.0f);
    bool changed = false;
    bool landed = false;
    for (int i = 0; i < 5; ++i) piece.update(0, changed, landed);
    const float speed = piece.fallSpeed;
    const float distance = piece.fallDistance;
    piece.row = 4;
    piece.startFall(Column(3, 2, 4));
    EXPECT_EQ(piece.path.Count(), 5) << "the shared cell is not repeated";
    EXPECT_FLOAT_EQ(piece.fallLength, 220.0f);
    EXPECT_FLOAT_EQ(piece.fallSpeed, speed);
    EXPECT_FLOAT_EQ(piece.fallDistance, distance);
    EXPECT_FLOAT_EQ(piece.pathOffset.y, distance - 220.0f);
    for (int i = 0; i < 100 && !landed; ++i) piece.update(0, changed, landed);
    EXPECT_TRUE(landed);
}

TEST(GamePiece, SlidesSidewaysAlongADiagonalStep) {
    GamePiece piece;
    piece.col = 4;
    piece.row = 1;
    LDvList<LDvPoint> path;
    path.Add({3, 0});
    path.Add({4, 1});
    piece.startFall(path);
    EXPECT_FLOAT_EQ(piece.pathOffset.x, -55.0f) << "drawn over the first cell";
    piece.fallDistance = 27.5f;
    piece.fallSpeed = 0.0f;
    bool changed = false;
    bool landed = false;
    piece.update(0, changed, landed);  // +0.55
    EXPECT_NEAR(piece.pathOffset.x, -55.0f + 28.05f, 1e-3);
}

struct IdleCase {
    const char* what;
    void (*make)(GamePiece&);
    bool idle;
};
const IdleCase kIdle[] = {
    {"resting", [](GamePiece&) {}, true},
    {"bouncing", [](GamePiece& p) { p.bouncing = true; p.bounceOffset = -3.0f; }, true},
    {"highlighted", [](GamePiece& p) { p.highlighted = true; }, true},
    {"dying", [](GamePiece& p) { p.dying = true; }, false},
    {"dead", [](GamePiece& p) { p.dead = true; }, false},
    {"swapping", [](GamePiece& p) { p.swapOffset.y = 0.5f; }, false},
    {"falling", [](GamePiece& p) { p.falling = true; }, false},
    {"appearing", [](GamePiece& p) { p.appearTicks = 3; }, false},
};

TEST(GamePiece, OnlyDyingSwappingFallingAndAppearingPiecesAreBusy) {
    for (const IdleCase& c : kIdle) {
        SCOPED_TRACE(c.what);
        GamePiece piece;
        c.make(piece);
        EXPECT_EQ(piece.isIdle(), c.idle);
    }
}

TEST(GamePiece, ThrownPiecesRiseThenFallAndSpecialsReportWhenTheyHaveAppeared) {
    GamePiece piece;
    piece.fling();
    const float vx = piece.flingVelocity.x;
    EXPECT_GE(std::abs(vx), 1.0f);
    EXPECT_LE(std::abs(vx), 2.0f);
    bool changed = false;
    bool landed = false;
    piece.update(0, changed, landed);
    EXPECT_FLOAT_EQ(piece.flingPos.y, -5.0f) << "the first step uses the velocity before gravity";
    EXPECT_FLOAT_EQ(piece.flingVelocity.y, -4.5f);
    EXPECT_EQ(piece.flingAngle, 10);

    GamePiece crystal;
    crystal.special = true;
    crystal.appearTicks = 2;
    crystal.update(1, changed, landed);
    EXPECT_FALSE(changed);
    crystal.update(2, changed, landed);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(crystal.isIdle());
}

}  // namespace
