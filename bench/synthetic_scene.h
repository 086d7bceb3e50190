#pragma once
// A scene-sized layered document for the benchmarks: a 1600 x 900 canvas with a painted
// background and ten groups, each an "IMG" picture with soft transparent edges and a flat "HIT"
// shape (20 layers of 90 x 70 up to 520 x 380), as the forge's writer stores them.
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/forge/scenes/psd_writer.h"

namespace synthetic_scene {

inline constexpr int kWidth = 1600;
inline constexpr int kHeight = 900;
inline constexpr int kGroups = 10;

inline uint8_t clampByte(int value) { return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value)); }

inline int grain(int x, int y) {
    return static_cast<int>(((static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u)) % 9u) - 4;
}

inline RgbaImage background() {
    RgbaImage picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* p = picture.at(x, y);
            const float wave = std::sin(x * 0.01f) * std::cos(y * 0.013f);
            p[0] = clampByte(30 + x * 180 / kWidth + grain(x, y));
            p[1] = clampByte(80 + static_cast<int>(60 * wave) + grain(x, y));
            p[2] = clampByte(200 - y * 150 / kHeight + grain(x, y));
            p[3] = 255;
        }
    }
    return picture;
}

// An object as a scene paints it: a shaded ellipse whose edge fades out, clear around it.
inline RgbaImage object(int width, int height, int seed, bool flatShape) {
    RgbaImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float dx = (x + 0.5f) / width * 2 - 1;
            const float dy = (y + 0.5f) / height * 2 - 1;
            const float edge = 1 - std::sqrt(dx * dx + dy * dy);
            uint8_t* p = picture.at(x, y);
            if (edge <= 0) continue;
            if (flatShape) {
                p[0] = p[1] = p[2] = p[3] = 255;
                continue;
            }
            const int shade = static_cast<int>(120 * (1 - dy)) + grain(x + seed, y);
            p[0] = clampByte(60 + seed * 17 + shade);
            p[1] = clampByte(40 + shade / 2);
            p[2] = clampByte(30 + seed * 9);
            p[3] = clampByte(static_cast<int>(edge * 2000));
        }
    }
    return picture;
}

inline PsdDocument scene() {
    PsdDocument document;
    document.width = kWidth;
    document.height = kHeight;
    document.addLayer({"Background", 0, 0, background(), false});
    for (int g = 0; g < kGroups; ++g) {
        const int width = 90 + (g * 137) % 431;
        const int height = 70 + (g * 89) % 311;
        const int left = (g * 173) % (kWidth - width);
        const int top = (g * 97) % (kHeight - height);
        document.addGroup({"object_" + std::to_string(g),
                           {{"IMG", left, top, object(width, height, g, false), true},
                            {"HIT", left, top, object(width, height, g, true), true}}});
    }
    return document;
}

}  // namespace synthetic_scene
