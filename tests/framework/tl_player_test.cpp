#include "framework/effects/tl_player.h"

#include <gtest/gtest.h>

#include "framework/core/game_random.h"
#include "framework/effects/frame_sheet_name.h"
#include "tests/support/picture_fixtures.h"

namespace {

TEST(TLPlayer, TwoTicksPerFrameOverFortyEightFramesEndsAfterNinetySixTicks) {
    FrameSheetStub sheet(48);
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
    FrameSheetStub sheet(4);
    TLPlayer player(sheet);
    EXPECT_FALSE(player.additive);
    for (int i = 0; i < 20; ++i) player.Update();
    EXPECT_EQ(player.currentFrame, 0);
    EXPECT_FALSE(player.IsFinished());
}

TEST(TLPlayer, LoopsAndPlaysBackAndForthShowingTheEndsTwice) {
    FrameSheetStub sheet(3);
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
    FrameSheetStub sheet(21);
    SeedGameRand(7);
    for (int i = 0; i < 200; ++i) {
        TLPlayer player(sheet);
        player.StartAtRandomFrame();
        ASSERT_TRUE(player.started);
        ASSERT_GE(player.currentFrame, 0);
        ASSERT_LE(player.currentFrame, 20);
    }
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
