#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "framework/core/game_random.h"
#include "framework/effects/bit.h"
#include "game/match3/effects/blowing_piece.h"
#include "game/match3/effects/bonus_disc_bit.h"
#include "game/match3/effects/broken_bit.h"
#include "game/match3/effects/popup_bit.h"
#include "game/match3/effects/score_popup.h"
#include "game/match3/effects/traveling_bit.h"
#include "game/match3/effects/uncolorizer.h"
#include "game/match3/effects/unzoomer.h"
#include "tests/support/picture_fixtures.h"

namespace {
struct LifetimeCase {
    const char* kind;
    int steps;
    std::function<std::unique_ptr<Bit>(LDvSprite&)> make;
};

TEST(EffectBits, EachKindFinishesExactlyAtTheEndOfItsTime) {
    const LifetimeCase cases[] = {
        {"Unzoomer", 10, [](LDvSprite& s) { return std::make_unique<Unzoomer>(10, s, 5, 5); }},
        {"ScorePopup", 25, [](LDvSprite& s) { return std::make_unique<ScorePopup>(50, LDvPoint{5, 5}, s); }},
        {"Uncolorizer", 50, [](LDvSprite& s) { return std::make_unique<Uncolorizer>(LDvPoint{5, 5}, s, s); }},
        {"TravelingBit", 60, [](LDvSprite& s) { return std::make_unique<TravelingBit>(LDvPoint{0, 0}, LDvPoint{9, 9}, s); }},
        {"BonusDiscBit", 30, [](LDvSprite& s) { return std::make_unique<BonusDiscBit>(LDvPoint{0, 0}, LDvPoint{0, 110}, s); }},
        {"BlowingPiece", 40, [](LDvSprite& s) { return std::make_unique<BlowingPiece>(LDvPoint{5, 5}, s); }},
        {"PopupBit", 35, [](LDvSprite& s) { return std::make_unique<PopupBit>(LDvPoint{5, 5}, s); }},
        {"BrokenBit", 50, [](LDvSprite& s) { return std::make_unique<BrokenBit>(s, LDvPoint{5, 5}, 1, 50); }},
    };
    PictureWorld world;  // the score popup logs
    FrameSheetStub sheet(6);
    for (const LifetimeCase& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<Bit> bit = c.make(sheet);
        for (int i = 1; i < c.steps; ++i) bit->Update();
        EXPECT_FALSE(bit->IsFinished());
        bit->Update();
        EXPECT_TRUE(bit->IsFinished());
    }
}

TEST(TravelingBit, LandsExactlyOnTheScore) {
    LDvSprite star;
    TravelingBit bit({300, 500}, {612, 46}, star);
    while (!bit.IsFinished()) bit.Update();
    EXPECT_EQ(bit.x, 612.0f);
    EXPECT_EQ(bit.y, 46.0f);
}

TEST(TravelingBit, GrowsThenFullSizeThenShrinks) {
    LDvSprite star;
    TravelingBit bit({0, 0}, {100, 0}, star);
    bit.Update();  // f = 59/60
    EXPECT_NEAR(bit.zoom, 1.0f - 0.5f * (59.0f / 60 - 0.7f) / 0.3f, 1e-5);
    for (int i = 0; i < 29; ++i) bit.Update();  // f = 0.5
    EXPECT_EQ(bit.zoom, 1.0f);
    EXPECT_EQ(bit.opacity, 1.0f);
    for (int i = 0; i < 24; ++i) bit.Update();  // f = 0.1
    EXPECT_NEAR(bit.opacity, 0.3f + 0.7f * 0.1f / 0.3f, 1e-5);
}

TEST(BrokenBit, OneStepPieceMovesByItsFullVelocity) {
    FrameSheetStub sheet(4);
    for (uint32_t seed = 1; seed < 50; ++seed) {
        SeedGameRand(seed);
        BrokenBit piece(sheet, {200, 300}, 4, 1);
        if (piece.velocityX == 0.0f || piece.velocityY == 0.0f) continue;
        EXPECT_EQ(static_cast<int>(piece.velocityX) % 4, 0) << "velocity is the speed times -3..3";
        piece.Update();
        EXPECT_EQ(piece.x, 200.0f + piece.velocityX);
        EXPECT_EQ(piece.y, 300.0f + piece.velocityY);
        EXPECT_TRUE(piece.IsFinished());
        return;
    }
    FAIL() << "no seed gave a moving piece";
}

TEST(ScorePopup, UnknownAmountLogsAndStaysOnFrameZero) {
    PictureWorld world;
    FrameSheetStub sheet(5);
    ScorePopup odd(30, {100, 100}, sheet);
    ScorePopup hundred(100, {100, 100}, sheet);
    EXPECT_EQ(world.countInLog("no score popup for :30\n"), 1);
    EXPECT_EQ(world.countInLog("no score popup for :100"), 0);
    for (int i = 0; i < 24; ++i) {
        odd.Update();
        hundred.Update();
    }
    EXPECT_EQ(odd.frame, 0);
    EXPECT_EQ(odd.offset, 0.0f);
    EXPECT_EQ(hundred.frame, 3);
    EXPECT_NEAR(hundred.offset, 50.0f * std::sqrt(24.0f / 25.0f), 1e-4);
}

}  // namespace
