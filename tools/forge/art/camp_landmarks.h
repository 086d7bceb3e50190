#pragma once
// The camp's buildings that are not plain huts or cabins: the professor's laboratory and the
// clinic (landmarks), and the smaller outposts round them: the weather mast, the ward tent, the
// lookout tower and the jetty.
#include <cairo.h>

#include <string>
#include <vector>

#include "tools/forge/art/camp_buildings.h"

std::vector<BuildingArt> landmarkArts();  // with the outposts
std::vector<BuildingArt> outpostArts();

// A building painted straight onto a width x height picture by paint(cr, width, height, stage).
BuildingArt canvasArt(const std::string& image, int width, int height, double footX, double footY, double footRx,
                      double footRy, void (*paint)(cairo_t* cr, int width, int height, int stage));
