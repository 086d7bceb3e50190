#pragma once
// The pieces of the camp's background that are not the camp itself: the smoking mountain across
// the water, the wrecked schooner on the reef, the jungle behind the camp, the rocky point, the
// crew's first makeshift camp (tarp, crates, barrels, fire ring) and the beach's small things.
#include <cairo.h>

#include "tools/forge/paint/sheet.h"

// The far mountain of the island's interior, its top at (peakX, peakY), smoke drifting left.
void paintFarMountain(cairo_t* cr, double peakX, double peakY, double baseY);
// The schooner Wren aground on the reef, heeled over, her foremast broken; (x, y) is the keel's
// middle at the waterline, size her length.
void paintWreck(cairo_t* cr, ForgeRandom& random, double x, double y, double size);
// A wall of jungle from left to right: its canopy rises from about top + 90 at the left to top at
// the right, its foot from about bottom - 140 to bottom.
void paintJungleEdge(cairo_t* cr, ForgeRandom& random, double left, double right, double top, double bottom);
// A mossy boulder sitting on the ground line y, w wide and about h high.
void paintBoulder(cairo_t* cr, ForgeRandom& random, double x, double y, double w, double h);
// Tide-worn rocks with a little grass, for the point between the bays.
void paintRockyPoint(cairo_t* cr, ForgeRandom& random);
// The crew's first night ashore: a tarp stretched between poles, crates, barrels.
void paintTarpShelter(cairo_t* cr, double x, double y, double size);
// A ring of stones round a bed of ash and a few charred logs.
void paintFireRing(cairo_t* cr, double x, double y, double size);
// A tuft of beach grass with its blades fanning from (x, y).
void paintGrassTuft(cairo_t* cr, ForgeRandom& random, double x, double y, double size);
