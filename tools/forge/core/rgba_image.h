#pragma once
// A plain picture as the forge writes it: straight (not premultiplied) RGBA bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width x height x 4, bytes R, G, B, A

    RgbaImage() = default;
    RgbaImage(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
    uint8_t* at(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};
