#pragma once
// Scenery for the full-screen backgrounds (1600 x 900): sky, clouds, the camp's tent, crates and
// barrels, rocks, starfish and the darkened edges that keep the eye on the middle.
#include <cairo.h>

#include "tools/forge/core/style.h"
#include "tools/forge/paint/sheet.h"

constexpr int kSceneWidth = 1600;
constexpr int kSceneHeight = 900;

void paintSky(cairo_t* cr, double horizon, Rgb top, Rgb low);
// A cumulus cloud from overlapping puffs, lit from above.
void paintCloud(cairo_t* cr, ForgeRandom& random, double x, double y, double width);
void paintVignette(cairo_t* cr, double strength);
// A rail of bamboo cane from x0 to x1, jointed every 27.5 pixels: the top edge of the bars.
void paintBambooRail(cairo_t* cr, double x0, double x1, double top, double height);
void paintTent(cairo_t* cr, double x, double y, double size);
void paintCrate(cairo_t* cr, double x, double y, double size);
void paintBarrel(cairo_t* cr, double x, double y, double w, double h);
void paintRock(cairo_t* cr, double x, double y, double w, double h);
void paintStarfish(cairo_t* cr, double x, double y, double r, double turn);
