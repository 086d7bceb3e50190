#pragma once
// What grows and stands on the island, painted over its ground: the jungle's crowns, palms on the
// beaches, hills shaded by the light from the top-left, the marsh, the river and its falls, the
// smoking peak and the landmarks the story visits. Things are drawn from the back (top of the map)
// to the front, the way one sees a painted map from a little above.
#include <cairo.h>

#include <functional>
#include <vector>

#include "tools/forge/art/map_island.h"
#include "tools/forge/core/style.h"
#include "tools/forge/tables/map_table.h"

// One thing standing on the map, drawn in order of its foot's y.
struct MapSprite {
    double footY;
    std::function<void(cairo_t*)> paint;
};

class Terrain {
public:
    Terrain(const FloatMask& land, const std::vector<MapLandmass>& table);

    // The ground's colour at a land pixel.
    Rgb groundColour(int x, int y) const;
    // How far inland a pixel lies: 0 at sea, about 0.5 on the coast, 1 beyond the beach.
    double shore(int x, int y) const { return shoreBlur.at(x, y); }
    void paintFeatures(cairo_t* cr) const;

private:
    double hillShade(double x, double y) const;  // 1 flat, above 1 lit, below 1 in shadow
    double hilliness(double x, double y) const;  // 0 on the plain, towards 1 on a hilltop
    double cliffness(double x, double y) const;  // 1 on a cliff coast, 0 away from one
    double marshness(double x, double y) const;
    double lakeness(double x, double y) const;
    bool underPeak(double x, double y) const;
    bool keptClear(double x, double y, double margin) const;  // places, the camp, the village
    std::vector<MapSprite> trees() const;
    std::vector<MapSprite> palms() const;
    std::vector<MapSprite> hills() const;       // rounded green mounds where the ground rises
    std::vector<MapSprite> cliffRocks() const;  // rock faces along the cliff coasts

    const FloatMask& land;
    FloatMask shoreBlur;   // the land blurred by about a beach's width
    FloatMask deepInland;  // 1 only well away from the coast
    CoarseField shade, height, forest, grain;  // hillShade, hilliness, forest density, ground noise
    const std::vector<MapLandmass>& table;
};

// The line of foam where the waves break on the coast.
void paintSurf(cairo_t* cr);
// The expedition's routes: a dashed line between every two linked places, once per pair.
void paintTrails(cairo_t* cr, const std::vector<MapLandmass>& table);
