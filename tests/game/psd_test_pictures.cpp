#include "tests/game/psd_test_pictures.h"

#include <gtest/gtest.h>

#include <cstring>

RgbaImage PatternPicture(int width, int height, int seed, bool transparent) {
    RgbaImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.at(x, y);
            const bool flat = x < width / 2;
            const unsigned hash = static_cast<unsigned>((x * 73 + y * 151 + seed * 37) * 2654435761u) >> 24;
            p[0] = static_cast<uint8_t>(flat ? 200 - seed : hash);
            p[1] = static_cast<uint8_t>(flat ? 10 + seed : x * 9 + y);
            p[2] = static_cast<uint8_t>(flat ? 90 : 255 - hash);
            p[3] = transparent ? static_cast<uint8_t>(x == 0 ? 0 : (x * 37 + y * 11) % 256) : 255;
        }
    }
    return picture;
}

std::array<uint8_t, 4> PixelAt(const LDvPSDLayer& layer, int x, int y) {
    std::array<uint8_t, 4> bytes{};
    std::memcpy(bytes.data(), &layer.pixels[static_cast<size_t>(y) * layer.maskWidth + x], 4);
    return bytes;
}

void ExpectLayerHolds(const LDvPSDLayer& layer, const RgbaImage& picture, bool transparency, bool clearColours) {
    ASSERT_EQ(layer.maskWidth, picture.width);
    ASSERT_EQ(layer.maskHeight, picture.height);
    ExpectConsistent(layer);
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* want = picture.at(x, y);
            const std::array<uint8_t, 4> got = PixelAt(layer, x, y);
            const uint8_t alpha = transparency ? want[3] : 255;
            const bool colours = clearColours || alpha != 0;
            bool hit = false;
            for (int c = 0; c < 3; ++c) hit = hit || want[c] > 20;
            hit = hit || alpha > 20;
            const bool same = got[3] == alpha && (!colours || (got[0] == want[0] && got[1] == want[1] && got[2] == want[2]));
            if ((!same || layer.IsHit(x, y) != hit) && ++wrong <= 3) {
                ADD_FAILURE() << "pixel (" << x << "," << y << ") of " << layer.name << ": got " << int(got[0]) << ","
                              << int(got[1]) << "," << int(got[2]) << "," << int(got[3]) << " hit " << layer.IsHit(x, y);
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

void ExpectConsistent(const LDvPSDLayer& layer) {
    const size_t count = static_cast<size_t>(layer.maskWidth) * static_cast<size_t>(layer.maskHeight);
    EXPECT_EQ(layer.pixels.size(), count) << layer.name;
    EXPECT_EQ(layer.hitMask.size(), (count + 7) / 8) << layer.name;
}
