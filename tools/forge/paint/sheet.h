#pragma once
// Frame sheets and previews: the game's animated pictures are grids of equal frames read left to
// right, top to bottom. Also the forge's own seeded random numbers, so every run paints the same
// speckles, grains and sparks.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

// A small xorshift generator; each picture seeds its own so steps stay independent of each other.
class ForgeRandom {
public:
    explicit ForgeRandom(uint32_t seed) : state(seed ? seed : 0x9e3779b9u) {}
    uint32_t next();
    double unit();                          // 0 <= value < 1
    double uniform(double lo, double hi);   // lo <= value < hi
    int range(int lo, int hi);              // lo..hi inclusive

private:
    uint32_t state;
};

// Paints one frame (counting from 0); every frame of a sheet has the same size.
using FramePainter = std::function<RgbaImage(int frame)>;

// Lays frames (all of one size) into a columns x rows grid; unused cells stay transparent.
RgbaImage assembleSheet(const std::vector<RgbaImage>& frames, int columns, int rows);
RgbaImage paintSheet(int columns, int rows, int frames, const FramePainter& painter);

void pasteOver(RgbaImage& target, const RgbaImage& source, int x, int y);  // alpha "over"
RgbaImage cropImage(const RgbaImage& image, int x, int y, int width, int height);
RgbaImage scaledCopy(const RgbaImage& image, int width, int height);      // smooth resample
RgbaImage tintedCopy(const RgbaImage& image, Rgb tint, double amount);    // colours towards tint
RgbaImage greyedCopy(const RgbaImage& image, double dim);                 // desaturated, darkened

// Previews for the contact sheets: a picture over a solid backdrop (normal blending) or added
// onto black, the way the game shows additive effects; scaled by a whole factor.
RgbaImage previewOver(const RgbaImage& image, Rgb backdrop, int scale = 1);
RgbaImage previewAdditive(const RgbaImage& image, int scale = 1);
// Several previews side by side, wrapping at maxWidth, on a dark backdrop.
RgbaImage previewRow(const std::vector<RgbaImage>& images, int maxWidth = 1600, int gap = 8);
