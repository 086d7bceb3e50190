#pragma once
// Small painted things the camp's buttons show in their round windows: the field guide, tools, a
// map with a spyglass, a way back, and a building picture set into a round window.
#include <cairo.h>

#include <functional>

#include "tools/forge/core/rgba_image.h"

// Paints an icon into the circle of radius r round (cx, cy).
using IconPainter = std::function<void(cairo_t* cr, double cx, double cy, double r)>;

void paintGuideBook(cairo_t* cr, double cx, double cy, double r);
void paintHammerAndSaw(cairo_t* cr, double cx, double cy, double r);
void paintMapAndGlass(cairo_t* cr, double cx, double cy, double r);
void paintBackArrow(cairo_t* cr, double cx, double cy, double r);
// The picture scaled to fit the circle over a little sky and sand, its foot low in the window.
IconPainter pictureIcon(const RgbaImage& picture);
