#pragma once
// Pictures and checks shared by the Photoshop reader's tests.
#include <array>
#include <cstdint>

#include "game/scenes/ldv_psd_layer.h"
#include "tools/forge/core/rgba_image.h"

// A w x h picture with long runs on the left and varied samples on the right, so PackBits writes
// both kinds of packet; `transparent` adds an alpha ramp with fully clear pixels.
RgbaImage PatternPicture(int width, int height, int seed, bool transparent);
std::array<uint8_t, 4> PixelAt(const LDvPSDLayer& layer, int x, int y);
// The layer holds the picture: same size, same samples (A = 255 when it has no transparency) and
// a hit bit wherever a sample is above 20. Colours of fully clear pixels are compared only when
// `clearColours` is set.
void ExpectLayerHolds(const LDvPSDLayer& layer, const RgbaImage& picture, bool transparency, bool clearColours = true);
// Pixels and hit mask always match the mask size.
void ExpectConsistent(const LDvPSDLayer& layer);
