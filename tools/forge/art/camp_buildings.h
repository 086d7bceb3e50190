#pragma once
// The camp's buildings: every image name build.ini may use, with the size of its three stage
// pictures, where it stands in them and how to paint each stage (1 foundations and scaffolding,
// 2 half built, 3 finished). The stages share one size and one foot, so the game's cross-fades
// between them stay in place.
#include <functional>
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"

struct BuildingArt {
    std::string image;      // the name build.ini uses
    int width, height;      // of every stage picture
    double footX, footY;    // middle of the ground it stands on, in the picture
    double footRx, footRy;  // half sizes of the clear ground under it
    std::function<RgbaImage(int stage)> paint;
};

const BuildingArt* findBuildingArt(const std::string& image);
const std::vector<BuildingArt>& buildingArts();
