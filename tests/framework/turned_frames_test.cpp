// Frames zoomed and turned ahead of time: the new cell, drawn plainly at the old frame's place
// moved by the offsets, must show each pixel where the renderer would have put it.
#include "framework/ui/turned_frames.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr uint32_t kOpaqueRed = 0xFF0000FFu;  // bytes R, G, B, A = 255, 0, 0, 255

uint8_t AlphaOf(uint32_t pixel) {
    uint8_t bytes[4];
    std::memcpy(bytes, &pixel, 4);
    return bytes[3];
}

// Two frames of w x h, fully transparent but for one opaque pixel at (x, y) of the second.
SheetPixels TwoFramesWithADot(int w, int h, int x, int y) {
    SheetPixels sheet;
    sheet.frameWidth = w;
    sheet.frameHeight = h;
    sheet.columns = 2;
    sheet.rows = 1;
    sheet.pixels.assign(static_cast<size_t>(2 * w * h), 0);
    sheet.Row(1, y)[x] = kOpaqueRed;
    return sheet;
}

// Where the most opaque pixel of frame 1 lands, in the old frame's coordinates.
void Brightest(const TurnedFrames& turned, float& x, float& y) {
    int best = -1;
    for (int row = 0; row < turned.sheet.frameHeight; ++row) {
        for (int column = 0; column < turned.sheet.frameWidth; ++column) {
            const int alpha = AlphaOf(turned.sheet.Row(1, row)[column]);
            if (alpha <= best) continue;
            best = alpha;
            x = static_cast<float>(column + turned.offsetX) + 0.5f;
            y = static_cast<float>(row + turned.offsetY) + 0.5f;
        }
    }
}

struct TurnCase {
    const char* name;
    float zoom;
    float angle;            // degrees, clockwise on screen
    float expectX, expectY; // where the dot at (33.5, 20.5) of a 40 x 30 frame lands
};

// The frame's centre (20, 15) stays put; the dot lies 13.5 right of it and 5.5 below.
constexpr TurnCase kTurns[] = {
    {"as it is", 1.0f, 0.0f, 33.5f, 20.5f},
    {"halved", 0.5f, 0.0f, 26.75f, 17.75f},
    {"doubled", 2.0f, 0.0f, 47.0f, 26.0f},
    {"a quarter turn clockwise", 1.0f, 90.0f, 14.5f, 28.5f},
    {"a half turn", 1.0f, 180.0f, 6.5f, 9.5f},
};

}  // namespace

TEST(TurnFrames, EveryPixelLandsWhereTheRendererWouldDrawItAndTheCellHoldsOnlyWhatShows) {
    const SheetPixels source = TwoFramesWithADot(40, 30, 33, 20);
    for (const TurnCase& c : kTurns) {
        SCOPED_TRACE(c.name);
        const TurnedFrames turned = TurnFrames(source, 2, c.zoom, c.angle);
        ASSERT_FALSE(turned.sheet.Empty());
        EXPECT_EQ(turned.sheet.columns, 2);
        float x = 0.0f;
        float y = 0.0f;
        Brightest(turned, x, y);
        EXPECT_NEAR(x, c.expectX, 1.0f);
        EXPECT_NEAR(y, c.expectY, 1.0f);
        // Cropped to the dot and the smoothing around it, not the whole turned frame.
        EXPECT_LE(turned.sheet.frameWidth, 2 + static_cast<int>(c.zoom * 2));
        EXPECT_LE(turned.sheet.frameHeight, 2 + static_cast<int>(c.zoom * 2));
    }
}

TEST(TurnFrames, NothingVisibleOrNothingToTurnGivesAnEmptySheet) {
    SheetPixels clear = TwoFramesWithADot(4, 4, 0, 0);
    clear.pixels.assign(clear.pixels.size(), 0);
    EXPECT_TRUE(TurnFrames(clear, 2, 1.0f, 10.0f).sheet.Empty());
    EXPECT_TRUE(TurnFrames(SheetPixels(), 2, 1.0f, 0.0f).sheet.Empty());
    const SheetPixels dot = TwoFramesWithADot(4, 4, 1, 1);
    EXPECT_TRUE(TurnFrames(dot, 2, 0.0f, 0.0f).sheet.Empty());
    EXPECT_TRUE(TurnFrames(dot, 2, -1.0f, 0.0f).sheet.Empty());
    EXPECT_FALSE(TurnFrames(dot, 2, 1.0e9f, 0.0f).sheet.Empty()) << "a huge zoom is capped, not refused";
}

TEST(FadePixels, ScalesOnlyTheTransparencyRounded) {
    std::vector<uint32_t> pixels = {0xFF102030u, 0x80FFFFFFu, 0x00000000u};
    FadePixels(pixels, 0.5f);
    EXPECT_EQ(pixels[0], 0x80102030u);  // 255 x 0.5 = 127.5, rounded up
    EXPECT_EQ(pixels[1], 0x40FFFFFFu);
    EXPECT_EQ(pixels[2], 0u);
}
