#pragma once
// Island plants shared by the play screen's pictures and backgrounds: palm fronds, whole palms
// and broad jungle leaves, in the game's inked, softly shaded style.
#include <cairo.h>

#include "tools/forge/core/style.h"

// One frond from the current origin along angle (radians), drooping by droop pixels at its tip.
void paintFrond(cairo_t* cr, double angle, double length, double droop, Rgb light = palette::kLeaf,
                Rgb dark = palette::kJungle, double ink = 2.0);
// A ringed, tapering palm trunk curving from its foot to its crown (no fronds).
void paintPalmTrunk(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size);
// A palm: a ringed trunk curving from its foot to its crown, then a crown of fronds and coconuts.
void paintPalm(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size,
               Rgb leafLight = palette::kLeaf, Rgb leafDark = palette::kJungle);
// A broad, pointed jungle leaf with a midrib, from (x, y) along angle.
void paintBroadLeaf(cairo_t* cr, double x, double y, double angle, double length, double width, Rgb light,
                    Rgb dark);
