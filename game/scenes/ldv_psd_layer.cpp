#include "game/scenes/ldv_psd_layer.h"

#include <cstdlib>

void LDvPSDLayer::Reset() { *this = LDvPSDLayer(); }

void LDvPSDLayer::AllocatePixels(int32_t width, int32_t height, bool withPixels, bool withHitMask) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    maskWidth = width;
    maskHeight = height;
    pixels.clear();
    hitMask.clear();
    if (withPixels) pixels.resize(count);  // every row is written by the decoder
    if (withHitMask) hitMask.assign((count + 7) / 8, 0);
}

bool LDvPSDLayer::IsHit(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= maskWidth || y >= maskHeight) return false;
    const size_t bit = static_cast<size_t>(y) * static_cast<size_t>(maskWidth) + static_cast<size_t>(x);
    return bit / 8 < hitMask.size() && ((hitMask[bit / 8] >> (bit % 8)) & 1) != 0;
}

int64_t LDvPSDLayer::StoredWidth() const { return std::llabs(static_cast<int64_t>(right) - left); }

int64_t LDvPSDLayer::StoredHeight() const { return std::llabs(static_cast<int64_t>(bottom) - top); }
