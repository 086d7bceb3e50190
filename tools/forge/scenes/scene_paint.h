#pragma once
// Painting moves the two adventure scenes share: textured surfaces (stone, wood, sand), soft
// contact shadows, grass and moss, and the inventory picture of a thing painted in the scene.
#include <cairo.h>

#include <cstdint>
#include <functional>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

using PaintFn = std::function<void(cairo_t*)>;

// Paints `paint` on a layer of its own, mottles it (strength 0..1, lattice cell in pixels) and
// lays it over the canvas: the grain of stone, sand or old wood.
void paintTextured(Canvas& canvas, const PaintFn& paint, double cell, double strength, uint32_t seed);

// A soft elliptical shadow where a thing meets the ground.
void paintContactShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.45);
// A tuft of blades rooted at (x, y), leaning with the wind (lean -1..1).
void paintGrassTuft(cairo_t* cr, double x, double y, double height, double lean, uint32_t seed);
// Cracks in stone: a few branching ink lines from (x, y) roughly along angle.
void paintCrack(cairo_t* cr, double x, double y, double angle, double length, uint32_t seed, double alpha = 0.55);
// A cushion of moss over the current point, lumpy and lit from above.
void paintMoss(cairo_t* cr, double x, double y, double width, double height, uint32_t seed);

// The inventory picture (72 x 72, drop shadow) of a thing painted round (cx, cy) in a box of
// `size` pixels: the same painting as in the scene, fitted to the slot.
RgbaImage itemPicture(const PaintFn& paint, double cx, double cy, double size);
