#pragma once
// The island of Quorvane on the expedition map, in map pixels: its coast, where one landmass ends
// and the next begins, and the places of its big landmarks. map.ini places the markers and icons;
// this file places the land under them.
#include <string>
#include <vector>

#include "tools/forge/art/camp_paint.h"

// The painting of the whole island covers this much of the map; every landmass picture is a piece
// of it, so POS values lie inside it.
inline constexpr int kIslandWidth = 2640;
inline constexpr int kIslandHeight = 1760;

// The coast, a closed smooth curve through these points (clockwise, land on the right hand).
const std::vector<CampPoint>& islandCoast();
// The same coast as the map draws it: every few pixels a point, nudged in and out so the shore
// has its little points and inlets. Adds it to the path as one closed polygon.
void coastPath(cairo_t* cr);
const std::vector<CampPoint>& coastPoints();  // the points coastPath draws through

// Small islands off the coast: an ellipse each (centre, radii).
struct Islet {
    double x, y, rx, ry;
};
const std::vector<Islet>& islets();

// The landmasses divide the island round these points: a place belongs to the landmass of the
// nearest point (after a gentle wobble, so the borders wind like rivers and ridges).
struct RegionSeed {
    const char* landmass;
    double x, y;
};
const std::vector<RegionSeed>& regionSeeds();
std::vector<std::string> regionNames();  // in the order of their first seed

// Landmarks.
struct Volcano {
    double peakX, peakY, baseY, halfWidth;
};
Volcano smokingPeak();
// The river from the hidden spring down the falls into Tortuga's cove, source first.
const std::vector<CampPoint>& riverCourse();
CampPoint waterfallTop();
// The lake in the west and the stream that carries its water to the west coast, lake first.
Islet lake();
const std::vector<CampPoint>& westStream();
// The swamp: an ellipse (centre, radii).
Islet marsh();
// Stretches of coast that are cliffs rather than beach: (x, y) centres with a reach each.
const std::vector<Islet>& cliffCoasts();
