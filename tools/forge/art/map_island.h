#pragma once
// The whole island painted in one piece at map scale: shallows and surf round the coast, beaches,
// jungle, hills, the marsh, the smoking peak, the river and the landmarks, and the expedition's
// trails between linked places. The landmass pictures are cut from it, so pieces that meet join
// without a seam.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/tables/map_table.h"

struct FloatMask {
    int width = 0, height = 0;
    std::vector<float> values;  // row by row, 0..1
    FloatMask() = default;
    FloatMask(int w, int h) : width(w), height(h), values(static_cast<size_t>(w) * h, 0.0f) {}
    float at(int x, int y) const { return values[static_cast<size_t>(y) * width + x]; }
    float& at(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
    float sample(double x, double y) const;  // nearest pixel, 0 outside
};

// A smooth value over the island, worked out on a coarse grid and blended between its points:
// noise and hill shading change slowly, and working them out for every pixel would cost seconds.
class CoarseField {
public:
    CoarseField(int width, int height, int step, const std::function<double(double x, double y)>& value);
    double at(double x, double y) const;

private:
    int step, columns, rows;
    std::vector<double> grid;
};

struct IslandPainting {
    RgbaImage image;              // kIslandWidth x kIslandHeight, map pixel = picture pixel
    FloatMask land;               // 1 on land, 0 at sea
    std::vector<uint8_t> region;  // per pixel: index into regionNames()
};

IslandPainting paintIsland(const std::vector<MapLandmass>& table);
