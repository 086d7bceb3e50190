#include "game/scenes/ldv_psd_layer.h"

#include <cstdlib>
#include <cstring>

namespace {

// R = G = B = 0, A = 255 as bytes in memory, whatever the machine's byte order.
uint32_t StartPixel() {
    const uint8_t bytes[4] = {0, 0, 0, 255};
    uint32_t value = 0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace

void LDvPSDLayer::Reset() { *this = LDvPSDLayer(); }

void LDvPSDLayer::AllocatePixels(int32_t width, int32_t height, bool withPixels, bool withHitMask) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    maskWidth = width;
    maskHeight = height;
    pixels.clear();
    hitMask.clear();
    if (withPixels) pixels.assign(count, StartPixel());
    if (withHitMask) hitMask.assign((count + 7) / 8, 0);
}

bool LDvPSDLayer::IsHit(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= maskWidth || y >= maskHeight) return false;
    const size_t bit = static_cast<size_t>(y) * static_cast<size_t>(maskWidth) + static_cast<size_t>(x);
    return bit / 8 < hitMask.size() && ((hitMask[bit / 8] >> (bit % 8)) & 1) != 0;
}

int64_t LDvPSDLayer::StoredWidth() const { return std::llabs(static_cast<int64_t>(right) - left); }

int64_t LDvPSDLayer::StoredHeight() const { return std::llabs(static_cast<int64_t>(bottom) - top); }
