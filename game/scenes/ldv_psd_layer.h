#pragma once
// One layer of a Photoshop document as the scene loader uses it: its name, its rectangle, whether
// it opens or closes a group, its pixels as RGBA and a one-bit hit mask made from them. Owned by
// the reader (LDvPSDReader) and valid until its next Load or Clear.
//
// The pixel array and the hit mask each either match maskWidth x maskHeight or are empty: a layer
// whose pixels were never read (no channel data in the file, or its reader's caller wanted neither)
// has a 0 x 0 mask and neither; one read for its pixels alone has no hit mask, and one read for its
// mask alone no pixels. A picture made from non-empty `pixels` with maskWidth and maskHeight is
// always in bounds.
#include <array>
#include <cstdint>
#include <vector>

#include "framework/core/ldv_string.h"

// A layer record holds at most this many channel entries (red, green, blue, transparency and one
// mask); larger records are rejected by the reader.
constexpr int kPsdMaxLayerChannels = 5;
// The largest layer the reader takes, in pixels (2048 x 2048).
constexpr int64_t kPsdMaxLayerPixels = 4194304;
// Samples above this value make the pixel count as hit.
constexpr uint8_t kPsdHitThreshold = 20;

// Channel ids of a layer record.
constexpr int16_t kPsdChannelRed = 0;
constexpr int16_t kPsdChannelGreen = 1;
constexpr int16_t kPsdChannelBlue = 2;
constexpr int16_t kPsdChannelAlpha = -1;

// Which parts of a layer its reader's caller uses; the others are never made.
struct PsdLayerNeeds {
    bool pixels = true;
    bool hitMask = true;
};

class LDvPSDLayer {
public:
    bool isGroupStart = false;  // the record opens a group (open or closed folder)
    bool isGroupEnd = false;    // the record closes a group (bounding section divider)
    LDvString name;
    int32_t left = 0;           // rectangle as stored, in document pixels
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int16_t channelCount = 0;
    std::array<int16_t, kPsdMaxLayerChannels> channelIds{};
    std::array<uint32_t, kPsdMaxLayerChannels> channelLengths{};  // stored bytes, with the 2-byte method
    LDvString blendKey;

    // maskWidth x maskHeight pixels, row-major; bytes in memory R, G, B, A (the order pictures are
    // made from). A pixel no channel wrote is R = G = B = 0, A = 255.
    std::vector<uint32_t> pixels;
    // Bit n (row x maskWidth + column) is bit (n mod 8) of byte n / 8.
    std::vector<uint8_t> hitMask;
    int32_t maskWidth = 0;
    int32_t maskHeight = 0;

    // Back to a freshly made layer: no flags, names, rectangle, channels or pixels.
    void Reset();
    // Makes the pixel array and hit mask (those asked for) for width x height pixels: the pixels
    // zero until the channel decoder writes every row of them, every hit bit clear.
    void AllocatePixels(int32_t width, int32_t height, bool withPixels = true, bool withHitMask = true);
    bool IsHit(int32_t x, int32_t y) const;  // false outside the mask, and without one
    // |right - left| and |bottom - top|, wide enough for any stored rectangle.
    int64_t StoredWidth() const;
    int64_t StoredHeight() const;
};
