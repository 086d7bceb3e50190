// The camp's wave crests: one is born every tenth step inside its rectangle, swells to the peak
// opacity halfway through its 200 steps and fades out while it drifts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/core/game_random.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/sheet_pixels.h"
#include "game/expedition/wave_top.h"
#include "tests/support/picture_fixtures.h"

TEST(WaveTop, CrestsAreBornEveryTenthStepSwellToThePeakAndFade) {
    SeedGameRand(7);
    FrameSheetStub sheet(8);
    WaveTop waves;
    waves.Arm(sheet, WaveTop::Spawn{{100, 200, 140, 210}, 1.5f, 0.6f, 0.0f, 0.025f});
    const auto alive = [&waves] {
        return std::count_if(waves.crests.begin(), waves.crests.end(), [](const auto& c) { return c.alive != 0; });
    };
    for (int step = 0; step < 9; ++step) waves.Update();
    EXPECT_EQ(alive(), 0);
    waves.Update();
    ASSERT_EQ(alive(), 1);
    const WaveTop::Crest first = waves.crests[0];
    EXPECT_GE(first.x, 100.0f);
    EXPECT_LE(first.x, 140.0f);
    EXPECT_GE(first.y, 200.0f);
    EXPECT_LE(first.y, 210.0f);

    for (int step = 0; step < 100; ++step) waves.Update();
    EXPECT_NEAR(waves.crests[0].opacity, 0.6f, 0.001f) << "the peak at half its life";
    EXPECT_NEAR(waves.crests[0].y, first.y + 100 * 0.025f, 0.01f);
    EXPECT_FLOAT_EQ(waves.crests[0].scale, 1.5f);
    for (int step = 0; step < 100; ++step) waves.Update();
    EXPECT_EQ(waves.crests[0].alive, 0) << "gone after 200 steps";
    EXPECT_EQ(alive(), 20) << "so twenty live at a time";
}

// Armed on a sheet that still holds its pixels, an emitter draws from a sheet of its own: the
// eight frames at its scale, once per step of opacity up to its peak.
TEST(WaveTop, ArmingMakesTheCrestsAtTheEmittersScaleInStepsOfOpacity) {
    constexpr int kFrameSide = 4;
    LDvSprite sheet;
    sheet.hasFrames = true;
    sheet.columns = 4;
    sheet.rows = 2;
    sheet.frameWidth = sheet.frameHeight = kFrameSide;
    sheet.frameCount = 8;
    const std::vector<uint32_t> opaque(static_cast<size_t>(4 * kFrameSide * 2 * kFrameSide), 0xFFFFFFFFu);
    LoadFromPixels(&sheet, opaque.data(), 4 * kFrameSide, 2 * kFrameSide);

    WaveTop waves;
    waves.Arm(sheet, WaveTop::Spawn{{0, 0, 10, 10}, 2.0f, 0.5f, 0.0f, 0.0f});
    ASSERT_TRUE(waves.fadedSheet.loaded);
    EXPECT_EQ(waves.fadedSheet.frameCount, 8 * WaveTop::kOpacityLevels);
    EXPECT_EQ(waves.fadedSheet.frameWidth, 2 * kFrameSide) << "the scale is worked in";
    SheetPixels faded;
    ASSERT_TRUE(ReadSheetPixels(waves.fadedSheet, faded));
    const auto centreAlpha = [&faded](int level) {
        const uint32_t pixel = faded.Row(level * 8, faded.frameHeight / 2)[faded.frameWidth / 2];
        return static_cast<int>(pixel >> 24);
    };
    EXPECT_EQ(centreAlpha(0), 4);    // 255 x 0.5 / 32, rounded
    EXPECT_EQ(centreAlpha(WaveTop::kOpacityLevels - 1), 128);
    waves.Release();
    EXPECT_FALSE(waves.fadedSheet.loaded);
}
