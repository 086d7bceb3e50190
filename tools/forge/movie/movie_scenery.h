#pragma once
// Landscape strokes the movie's backdrops share.
#include <cairo.h>

#include <cstdint>

#include "tools/forge/core/rgba_image.h"

// Sky ramp above the horizon, sea ramp below it, across a 1600 x 900 canvas.
void skyAndSea(cairo_t* cr, double horizon, double skyTop, double skyLow, double seaTop, double seaBottom);
// A line of soft cumulus around height y.
void cloudBank(cairo_t* cr, double y, double tone, uint32_t seed, double alpha);
// Low hills standing on the base line.
void hills(cairo_t* cr, double base, double height, double tone, uint32_t seed);
// Short bright strokes on the water under a low sun.
void sunGlitter(cairo_t* cr, double x, double top, double tone, uint32_t seed);
// The quay's planked pier across the foreground, its deck at top.
void pier(cairo_t* cr, double top);
// A strip of rolling waves 2400 wide, crests with foam, for sliding sideways.
RgbaImage waveStrip(double tone, int height, uint32_t seed);
