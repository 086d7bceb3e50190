#include "framework/effects/bit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "framework/core/game_random.h"
#include "framework/effects/blowing_piece.h"
#include "framework/effects/bonus_disc_bit.h"
#include "framework/effects/broken_bit.h"
#include "framework/effects/frame_sheet_name.h"
#include "framework/effects/popup_bit.h"
#include "framework/effects/score_popup.h"
#include "framework/effects/tl_player.h"
#include "framework/effects/traveling_bit.h"
#include "framework/effects/uncolorizer.h"
#include "framework/effects/unzoomer.h"
#include "tests/framework/picture_fixtures.h"

namespace {

// A sheet of 10 x 10 frames with no picture: effects step the same without one.
struct Sheet : LDvSprite {
    explicit Sheet(int frames) {
        hasFrames = true;
        frameCount = frames;
        frameWidth = 10;
        frameHeight = 10;
    }
};

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
    Sheet sheet(6);
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

TEST(TLPlayer, TwoTicksPerFrameOverFortyEightFramesEndsAfterNinetySixTicks) {
    Sheet sheet(48);
    TLPlayer player(sheet, 100.0f, 100.0f, 2, 0.5f, 3.0f);
    EXPECT_EQ(player.opacityPercent, 50);
    EXPECT_TRUE(player.additive);
    player.Start();
    for (int i = 0; i < 95; ++i) player.Update();
    EXPECT_FALSE(player.IsFinished());
    EXPECT_EQ(player.currentFrame, 47);
    player.Update();
    EXPECT_TRUE(player.IsFinished());
}

TEST(TLPlayer, NeverAdvancesUntilStarted) {
    Sheet sheet(4);
    TLPlayer player(sheet);
    EXPECT_FALSE(player.additive);
    for (int i = 0; i < 20; ++i) player.Update();
    EXPECT_EQ(player.currentFrame, 0);
    EXPECT_FALSE(player.IsFinished());
}

TEST(TLPlayer, LoopsAndPlaysBackAndForthShowingTheEndsTwice) {
    Sheet sheet(3);
    TLPlayer looping(sheet);
    looping.looping = true;
    TLPlayer swaying(sheet);
    swaying.backAndForth = true;
    swaying.direction = 1;
    looping.Start();
    swaying.Start();
    constexpr int kLooped[] = {1, 2, 0, 1, 2, 0, 1};
    constexpr int kSwayed[] = {1, 2, 2, 1, 0, 0, 1};
    for (int i = 0; i < 7; ++i) {
        looping.Update();
        swaying.Update();
        EXPECT_EQ(looping.currentFrame, kLooped[i]) << "step " << i;
        EXPECT_EQ(swaying.currentFrame, kSwayed[i]) << "step " << i;
    }
    EXPECT_FALSE(looping.IsFinished() || swaying.IsFinished());
}

TEST(TLPlayer, StartAtRandomFrameStaysOnTheSheet) {
    Sheet sheet(21);
    SeedGameRand(7);
    for (int i = 0; i < 200; ++i) {
        TLPlayer player(sheet);
        player.StartAtRandomFrame();
        ASSERT_TRUE(player.started);
        ASSERT_GE(player.currentFrame, 0);
        ASSERT_LE(player.currentFrame, 20);
    }
}

TEST(BrokenBit, OneStepPieceMovesByItsFullVelocity) {
    Sheet sheet(4);
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
    Sheet sheet(5);
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

struct SheetNameCase {
    const char* path;
    bool ok;
    const char* name;
    int columns, rows, frames;
};
constexpr SheetNameCase kSheetNames[] = {
    {"tl_fx/explode2_8_6_48.png", true, "explode2", 8, 6, 48},
    {"tl_fx/smokepuff_8_5_40.png", true, "smokepuff", 8, 5, 40},
    {"light_flare_8_4_32.png", true, "light_flare", 8, 4, 32},
    {"tl_fx/explode2_8_6.png", false, "", 0, 0, 0},
    {"tl_fx/explode2_8_6_49.png", false, "", 0, 0, 0},  // more frames than cells
    {"tl_fx/explode2_8_x_48.png", false, "", 0, 0, 0},
    {"tl_fx/_8_6_48.png", false, "", 0, 0, 0},
    {"tl_fx/boom_0_6_0.png", false, "", 0, 0, 0},
};

TEST(FrameSheetName, ReadsTheGridFromTheName) {
    for (const SheetNameCase& c : kSheetNames) {
        SCOPED_TRACE(c.path);
        FrameSheetName sheet;
        ASSERT_EQ(ParseFrameSheetName(c.path, sheet), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(sheet.name, c.name);
        EXPECT_EQ(sheet.columns, c.columns);
        EXPECT_EQ(sheet.rows, c.rows);
        EXPECT_EQ(sheet.frames, c.frames);
    }
}

}  // namespace
