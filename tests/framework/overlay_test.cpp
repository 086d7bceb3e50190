#include "framework/ui/ldv_overlay.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/ui/overlay_images.h"

namespace {

struct FrameStepCase {
    int count;
    int start;
    bool forward;
    int expected;
};
constexpr FrameStepCase kFrameSteps[] = {
    {4, 0, true, 1}, {4, 3, true, 0}, {4, 0, false, 3}, {4, 2, false, 1}, {1, 0, true, 0}, {1, 0, false, 0},
};

TEST(OverlayFrames, NextAndPrevWrapAroundTheFrameCount) {
    for (const FrameStepCase& c : kFrameSteps) {
        SCOPED_TRACE(testing::Message() << c.count << " frames from " << c.start << (c.forward ? " next" : " prev"));
        LDvOverlay overlay;
        overlay.frameCount = c.count;
        overlay.SetFrame(c.start);
        if (c.forward) overlay.NextFrame();
        else overlay.PrevFrame();
        EXPECT_EQ(overlay.currentFrame, c.expected);
    }
}

struct BoundsCase {
    const char* what;
    int width, height;
    float x, y, angle;
    LDvRect expected;
};
constexpr BoundsCase kBounds[] = {
    {"unrotated, position truncated", 64, 32, 10.7f, 20.2f, 0.0f, {10, 20, 73, 51}},
    {"quarter turn swaps the extents about the centre", 64, 32, 0.0f, 0.0f, 90.0f, {16, -16, 46, 46}},
    {"square at 45 degrees grows by the diagonal", 41, 41, 0.0f, 0.0f, 45.0f, {-8, -8, 48, 48}},
    {"square at -45 degrees is the same box", 41, 41, 0.0f, 0.0f, -45.0f, {-8, -8, 48, 48}},
    {"half turn keeps the box", 64, 32, 100.0f, 50.0f, 180.0f, {100, 50, 162, 80}},
};

TEST(OverlayBounds, CoverTheFrameAtAnyAngle) {
    for (const BoundsCase& c : kBounds) {
        SCOPED_TRACE(c.what);
        LDvOverlay overlay;
        overlay.frameWidth = c.width;
        overlay.frameHeight = c.height;
        overlay.x = c.x;
        overlay.y = c.y;
        overlay.angle = c.angle;
        const LDvRect box = overlay.GetBounds();
        EXPECT_EQ(box.left, c.expected.left);
        EXPECT_EQ(box.top, c.expected.top);
        EXPECT_EQ(box.right, c.expected.right);
        EXPECT_EQ(box.bottom, c.expected.bottom);
    }
}

TEST(OverlayCentre, HalvesTheFrameInWholePixels) {
    LDvOverlay overlay;
    overlay.frameWidth = 33;
    overlay.frameHeight = 20;
    overlay.SetCentre(100, 50);
    EXPECT_EQ(overlay.x, 84.0f);
    EXPECT_EQ(overlay.y, 40.0f);
    overlay.SetCentre(100.5f, 50.25f);
    EXPECT_EQ(overlay.x, 84.5f);
    EXPECT_EQ(overlay.y, 40.25f);
}

TEST(OverlayColour, TintsEveryOverlaySharingThePicture) {
    LDvOverlay first;
    LDvOverlay second;
    const uint32_t pixels[4] = {0xffffffff, 0xffffffff, 0xffffffff, 0xffffffff};
    LoadFromPixels(&first, pixels, 2, 2);
    SharePicture(&second, &first);
    second.SetColor(0.5f, 0.25f, 1.0f, 0.75f);

    float r = 0, g = 0, b = 0, a = 0;
    first.Picture()->getBlitColor(r, g, b, a);
    EXPECT_FLOAT_EQ(r, 0.5f);
    EXPECT_FLOAT_EQ(g, 0.25f);
    EXPECT_FLOAT_EQ(a, 0.75f);
    EXPECT_EQ(first.colorR, 0.0f) << "only the overlay given the colour remembers it";
    EXPECT_EQ(second.colorB, 1.0f);
}

class CountingSprite : public LDvSprite {
public:
    void OnTick(int) override { ++ticks; }
    int ticks = 0;
};

TEST(SpriteUpdate, APausedSpriteStandsStill) {
    CountingSprite sprite;
    sprite.Update();
    sprite.paused = true;
    sprite.Update();
    sprite.Update();
    EXPECT_EQ(sprite.ticks, 1);
    EXPECT_EQ(sprite.tickCount, 1);
}

}  // namespace
