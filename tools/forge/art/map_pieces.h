#pragma once
// The landmass pictures cut from the painting of the whole island: each landmass keeps its own
// ground and lets it fade out over a few pixels past its border, so a landmass shown alone ends
// softly and two neighbours shown together cover each other's seam. Each also gets its glow
// picture ("_h"), the bright silhouette it blinks with when the expedition reveals it.
#include <string>
#include <vector>

#include "tools/forge/art/map_island.h"
#include "tools/forge/tables/map_table.h"

struct LandPiece {
    std::string name;
    MapPoint pos;    // POS: top-left of the picture on the map
    MapPoint hpos;   // HPOS: top-left of the glow picture
    MapPoint cpos;   // CPOS: the landmass's middle, from POS
    RgbaImage land;
    RgbaImage glow;
};

// One piece per landmass region of the island, in the order of regionNames().
std::vector<LandPiece> cutLandPieces(const IslandPainting& island);
