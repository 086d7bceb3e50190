#pragma once
// Light for the effect pictures: soft glows, star rays and sparkles. The game draws most of these
// additively, so they are painted on transparent black with white-hot cores and coloured falloff.
#include <cairo.h>

#include "tools/forge/core/style.h"

// A round glow: the core colour at the centre fading through the halo colour to nothing.
void paintGlow(cairo_t* cr, double cx, double cy, double radius, Rgb core, Rgb halo, double alpha = 1.0);
// Thin tapered rays around a centre (a star flare); rotation in radians.
void paintRays(cairo_t* cr, double cx, double cy, int rays, double innerRadius, double outerRadius,
               double width, Rgb color, double alpha, double rotation = 0);
// A four-pointed twinkle with a small glow, the sparkle of gems and coins.
void paintSparkle(cairo_t* cr, double cx, double cy, double size, double alpha, Rgb color = palette::kWhite);
// A soft ring (a shock wave) of the given radius and thickness.
void paintRing(cairo_t* cr, double cx, double cy, double radius, double thickness, Rgb color, double alpha);
// A soft round puff whose density falls off towards its edge (smoke, clouds, dust).
void paintPuff(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha);

// A wet-looking highlight spot (normal blending), the gloss of casual-game objects.
void paintGloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);

double smoothstep(double edge0, double edge1, double x);
double easeOut(double t);  // fast start, gentle stop, 0..1
