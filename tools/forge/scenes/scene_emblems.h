#pragma once
// Emblems the adventure scenes share between the bar, the inventory and the scene paintings: the
// God of Air's face (carved in stone on his cliff, small on his medallion), his wind spiral and
// blessing, and the expedition's clinic cross. Each paints round a centre at a given size.
#include <cairo.h>

#include "tools/forge/core/style.h"

namespace emblem {
constexpr Rgb kStone{0.70, 0.66, 0.58};      // the cliff's warm sandstone
constexpr Rgb kStoneDark{0.42, 0.38, 0.33};
constexpr Rgb kWindWhite{0.94, 0.98, 1.0};
}  // namespace emblem

// A shaded rim of `rim` width round a disc filled from `top` to `bottom`: medallions, sockets,
// round buttons. Leaves no path behind.
void paintRimmedDisc(cairo_t* cr, double cx, double cy, double radius, double rim, Rgb rimColour, Rgb top, Rgb bottom,
                     double ink);

// The god's face: cloud curls for hair and beard, puffed cheeks, eyes closed, lips pursed to blow.
// `radius` is the face's half width; the curls reach about 1.5 radius from the centre.
void paintAirGodFace(cairo_t* cr, double cx, double cy, double radius, Rgb stone);
// A spiral of wind turning `turns` times out to `radius`, stroked white over an ink edge.
void paintWindSpiral(cairo_t* cr, double cx, double cy, double radius, double turns, double width);

void paintGodOfAirMedallion(cairo_t* cr, double cx, double cy, double radius);
void paintClinicEmblem(cairo_t* cr, double cx, double cy, double radius);
// A gold amulet with the wind spiral, hung on a cord: the god's reward to the expedition.
void paintWindBlessing(cairo_t* cr, double cx, double cy, double radius);
