#pragma once
// The camp's background, painted round the buildings build.ini places.
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/tables/build_table.h"

RgbaImage campBackground(const std::vector<BuildGroupEntry>& groups);
// False, with the point, when the background shows no water under a point of a wave-crest area.
bool campWaterUnderWaves(const RgbaImage& back, std::string& where);
