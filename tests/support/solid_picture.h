#pragma once
// A picture of one opaque colour, the plainest thing tests draw and write.
#include <cstdint>

#include "tools/forge/core/rgba_image.h"

// rgb as 0xRRGGBB.
inline RgbaImage SolidPicture(int width, int height, uint32_t rgb) {
    RgbaImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.at(x, y);
            p[0] = static_cast<uint8_t>(rgb >> 16);
            p[1] = static_cast<uint8_t>(rgb >> 8);
            p[2] = static_cast<uint8_t>(rgb);
            p[3] = 255;
        }
    }
    return picture;
}
