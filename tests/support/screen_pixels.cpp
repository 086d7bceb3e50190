#include "tests/support/screen_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << "(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

Rgb ColourOf(uint32_t pixel) {
    uint8_t bytes[4];
    std::memcpy(bytes, &pixel, 4);
    return {bytes[0], bytes[1], bytes[2]};
}

Rgb ColourAt(const std::vector<uint32_t>& frame, int width, int x, int y) {
    return ColourOf(frame.at(static_cast<size_t>(y) * width + x));
}

void ExpectPixels(const std::vector<uint32_t>& frame, int width, std::initializer_list<PixelSample> samples,
                  int tolerance) {
    for (const PixelSample& s : samples) {
        const Rgb seen = ColourAt(frame, width, s.x, s.y);
        const bool close = std::abs(seen.r - s.colour.r) <= tolerance && std::abs(seen.g - s.colour.g) <= tolerance &&
                           std::abs(seen.b - s.colour.b) <= tolerance;
        EXPECT_TRUE(close) << s.what << " at (" << s.x << ", " << s.y << ") is " << seen << ", expected " << s.colour;
    }
}
