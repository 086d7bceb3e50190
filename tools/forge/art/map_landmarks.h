#pragma once
// The things the island's map shows standing on the land, each small enough to read at map scale
// and painted in the game's inked, softly shaded style.
#include <cairo.h>

#include <vector>

#include "tools/forge/art/map_features.h"
#include "tools/forge/art/map_geography.h"
#include "tools/forge/tables/map_table.h"

// Ground the forest leaves open round a landmark (an ellipse).
struct Clearing {
    double x, y, rx, ry;
};
std::vector<Clearing> landmarkClearings(const std::vector<MapLandmass>& table);

// Every landmark of the island: the camp, the wreck's lifeboat, driftwood, the thorn gully, the
// falls, the marsh's mangroves, the smoking peak, the carved face of the God of Air, the temple
// and the village of Picoru. Placed by the places of the table they belong to.
std::vector<MapSprite> landmarkSprites(const std::vector<MapLandmass>& table);

// Small pieces, also used by the map's icons.
void paintCrown(cairo_t* cr, double x, double y, double r, double tint);  // a tree seen from above
void paintMapPalm(cairo_t* cr, double footX, double footY, double size, double lean);
void paintMapHut(cairo_t* cr, double footX, double footY, double size, Rgb roof);  // foot = front middle
void paintMapRock(cairo_t* cr, double x, double y, double w, double h);
void paintMound(cairo_t* cr, double footX, double footY, double w, double h);  // a grassy hill
// A broken lump of rock of about radius r, its own shape from the seed (the cliffs' crags).
void paintCrag(cairo_t* cr, double x, double y, double r, uint32_t seed);
void paintMarshWater(cairo_t* cr, const Islet& marsh);
// A river along its course (source first), rising from a small pool.
void paintRiver(cairo_t* cr, const std::vector<CampPoint>& course);

// The larger landmarks, from map_peak.cpp and map_monuments.cpp.
void paintSmokingPeak(cairo_t* cr, const Volcano& v);
void paintWindFace(cairo_t* cr, double x, double y, double size);       // centred on (x, y)
void paintTemple(cairo_t* cr, double footX, double footY, double size);
void paintVillage(cairo_t* cr, double x, double y);                     // round Picoru's place
