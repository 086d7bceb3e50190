// The processor-side composer: the blend sums on every span length (the wide, narrow and single
// pixel paths must agree with the formula), where upright, stretched and turned pictures land,
// what a layer covering the whole canvas leaves out, and input that must draw nothing.
#include "engine/pixel_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 40;
constexpr uint32_t kBackdrop = 0x00203040u;  // R 0x40, G 0x30, B 0x20

uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b, uint32_t a) { return r | (g << 8) | (b << 16) | (a << 24); }
uint32_t Channel(uint32_t pixel, int index) { return (pixel >> (8 * index)) & 0xFFu; }

// Corners of an upright rectangle: top-left, top-right, bottom-right, bottom-left.
std::vector<float> Box(float x, float y, float w, float h) { return {x, y, x + w, y, x + w, y + h, x, y + h}; }

class Composer : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(canvas.resize(kWidth, kHeight)); }

    void Compose(const PixelPicture& picture, const std::vector<float>& corners, PixelTint tint = {}) {
        canvas.begin(kBackdrop);
        canvas.drawPicture(picture, corners.data(), tint);
        canvas.finish();
    }
    uint32_t At(int x, int y) const { return canvas.pixels()[static_cast<size_t>(y) * kWidth + x]; }

    PixelCanvas canvas;
};

TEST_F(Composer, BlendsTintedPicturesByTheFormulaOnEverySpanLength) {
    struct Case {
        uint32_t source;
        PixelTint tint;
    };
    const Case cases[] = {
        {Pixel(200, 100, 50, 255), {}},                     // opaque: copied
        {Pixel(200, 100, 50, 0), {}},                       // transparent: the backdrop stays
        {Pixel(200, 100, 50, 128), {}},                     // half
        {Pixel(255, 255, 255, 255), {217, 217, 217, 255}},  // tinted by a brightness
        {Pixel(10, 240, 90, 200), {255, 128, 0, 77}},       // tinted and faded
    };
    for (const Case& c : cases) {
        // Lengths around the 8- and 4-pixel steps, with every length's pixels checked.
        for (int length = 1; length <= 19; ++length) {
            SCOPED_TRACE(testing::Message() << std::hex << c.source << std::dec << " length " << length);
            const std::vector<uint32_t> row(static_cast<size_t>(length), c.source);
            Compose(PixelPicture{row.data(), length, 1}, Box(3, 5, static_cast<float>(length), 1), c.tint);
            const double alpha = Channel(c.source, 3) * c.tint.a / 255.0 / 255.0;
            const uint8_t tints[3] = {c.tint.r, c.tint.g, c.tint.b};
            for (int x = 3; x < 3 + length; ++x) {
                for (int i = 0; i < 3; ++i) {
                    const double source = Channel(c.source, i) * tints[i] / 255.0;
                    const double expected = source * alpha + Channel(kBackdrop, i) * (1.0 - alpha);
                    EXPECT_NEAR(Channel(At(x, 5), i), expected, 1.0) << "x " << x << " channel " << i;
                }
                EXPECT_EQ(Channel(At(x, 5), 3), 255u);
            }
            EXPECT_EQ(At(3 + length, 5), kBackdrop | 0xFF000000u);
        }
    }
}

TEST_F(Composer, UprightPicturesLandOnWholePixelsStretchNearestAndClip) {
    // 3 x 2, every pixel its own red level.
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 6; ++i) pixels.push_back(Pixel(10 * (i + 1), 0, 0, 255));
    const PixelPicture picture{pixels.data(), 3, 2, 7};
    struct Case {
        std::vector<float> corners;
        int x, y;
        uint32_t red;  // 0: the backdrop
    };
    const Case cases[] = {
        {Box(10.4f, 20.0f, 3, 2), 10, 20, 10}, {Box(10.4f, 20.0f, 3, 2), 12, 21, 60},  // edges round to pixels
        {Box(10.6f, 20.0f, 3, 2), 10, 20, 0},   {Box(10.6f, 20.0f, 3, 2), 11, 20, 10},
        {Box(-1, -1, 3, 2), 0, 0, 50},          {Box(62, 39, 3, 2), 63, 39, 20},        // clipped at the edges
        {Box(0, 0, 6, 4), 1, 1, 10},            {Box(0, 0, 6, 4), 2, 2, 50},            // twice the size
        {Box(0, 0, 6, 4), 5, 3, 60},            {Box(0, 0, 6, 4), 6, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "corner " << c.corners[0] << ", " << c.corners[1] << " size "
                                        << c.corners[2] - c.corners[0] << " at " << c.x << ", " << c.y);
        // Drawn often enough for a stretched copy to be made and used: it must look the same.
        for (int frame = 0; frame < 12; ++frame) {
            Compose(picture, c.corners);
            EXPECT_EQ(Channel(At(c.x, c.y), 0), c.red == 0 ? Channel(kBackdrop, 0) : c.red) << "frame " << frame;
        }
    }
}

TEST_F(Composer, TurnedPicturesLandWhereTheirCornersSay) {
    // Left half red, right half blue, 2 x 1, turned a quarter clockwise and stretched 4 times:
    // its top edge runs down the screen at x = 20, its left end at the top.
    const std::vector<uint32_t> pixels = {Pixel(255, 0, 0, 255), Pixel(0, 0, 255, 255)};
    const PixelPicture picture{pixels.data(), 2, 1};
    const std::vector<float> corners = {20, 10, 20, 18, 16, 18, 16, 10};
    Compose(picture, corners);
    EXPECT_EQ(At(18, 11), Pixel(255, 0, 0, 255));
    EXPECT_EQ(At(17, 16), Pixel(0, 0, 255, 255));
    EXPECT_EQ(At(15, 12), kBackdrop | 0xFF000000u);
    EXPECT_EQ(At(20, 12), kBackdrop | 0xFF000000u);
    EXPECT_EQ(At(18, 18), kBackdrop | 0xFF000000u);
}

TEST_F(Composer, OnlyAnOpaqueLayerOverTheWholeCanvasHidesWhatIsUnderIt) {
    std::vector<uint32_t> opaque(static_cast<size_t>(kWidth) * kHeight, Pixel(0, 200, 0, 255));
    std::vector<uint32_t> holed = opaque;
    holed[static_cast<size_t>(kWidth) + 1] = Pixel(0, 200, 0, 0);  // (1, 1) lets through
    const PixelPicture whole{opaque.data(), kWidth, kHeight, 1};
    const PixelPicture withHole{holed.data(), kWidth, kHeight, 2};
    const PixelPicture unknown{opaque.data(), kWidth, kHeight, 0};
    const std::vector<float> full = Box(0, 0, kWidth, kHeight);
    struct Case {
        const char* what;
        PixelPicture picture;
        std::vector<float> corners;
        PixelTint tint;
        bool covers;
    };
    const Case cases[] = {
        {"whole", whole, full, {}, true},
        {"larger", whole, Box(-5, -3, kWidth + 9, kHeight + 7), {}, true},
        {"faded", whole, full, {255, 255, 255, 254}, false},
        {"a pixel short", whole, Box(1, 0, kWidth, kHeight), {}, false},
        {"with a hole", withHole, full, {}, false},
        {"of unknown content", unknown, full, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(canvas.covers(c.picture, c.corners.data(), c.tint), c.covers);
    }
    // Under the hole the backdrop and the red layer below show; elsewhere only the cover.
    const std::vector<uint32_t> red(static_cast<size_t>(kWidth) * kHeight, Pixel(255, 0, 0, 255));
    canvas.begin(kBackdrop);
    canvas.drawPicture(PixelPicture{red.data(), kWidth, kHeight, 3}, Box(0, 0, 8, 8).data(), {});
    canvas.drawPicture(withHole, full.data(), {});
    canvas.finish();
    EXPECT_EQ(At(1, 1), Pixel(255, 0, 0, 255));
    EXPECT_EQ(At(2, 1), Pixel(0, 200, 0, 255));
    canvas.begin(kBackdrop);
    canvas.drawPicture(PixelPicture{red.data(), kWidth, kHeight, 3}, Box(0, 0, 8, 8).data(), {});
    canvas.drawPicture(whole, full.data(), {});
    canvas.finish();
    EXPECT_EQ(At(1, 1), Pixel(0, 200, 0, 255));
}

TEST_F(Composer, BadCornersAndEmptyPicturesDrawNothing) {
    const std::vector<uint32_t> pixels(16, Pixel(255, 255, 255, 255));
    const PixelPicture picture{pixels.data(), 4, 4};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = 1.0e30f;
    const std::vector<std::vector<float>> corners = {
        {nan, 0, 4, 0, 4, 4, 0, 4},                          // not a number
        {0, 0, huge, 0, huge, huge, 0, huge},                // far past any canvas: clipped, no overflow
        {5, 5, 5, 5, 5, 5, 5, 5},                            // flat
        {-huge, -huge, huge, -huge, huge, huge, -huge, huge},
    };
    for (size_t i = 0; i < corners.size(); ++i) {
        SCOPED_TRACE(i);
        Compose(picture, corners[i]);
        EXPECT_EQ(At(30, 30), i == 1 || i == 3 ? Pixel(255, 255, 255, 255) : (kBackdrop | 0xFF000000u));
    }
    // Turned far past any canvas, or by corners whose sums overflow: sampled inside the picture or not at all.
    Compose(picture, {0, 0, huge, huge, 0, 2 * huge, -huge, huge});
    Compose(picture, {-3e38f, 0, 3e38f, 3e38f, 0, 3e38f, -3e38f, 1});
    Compose(PixelPicture{}, Box(0, 0, 4, 4));
    Compose(picture, Box(0, 0, 4, 4), PixelTint{255, 255, 255, 0});
    EXPECT_EQ(At(1, 1), kBackdrop | 0xFF000000u);
    PixelCanvas refused;
    EXPECT_FALSE(refused.resize(0, 10));
    EXPECT_FALSE(refused.resize(100000, 10));
    refused.begin(0);
    refused.drawPicture(picture, Box(0, 0, 4, 4).data(), {});
    refused.finish();
    EXPECT_TRUE(refused.pixels().empty());
}

}  // namespace
