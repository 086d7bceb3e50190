#pragma once
// The game's look in one place: the palette of a sunlit tropical island, and the few painting
// moves every picture is built from (soft gradients, a dark outline, a rim light, a drop shadow).
#include <cairo.h>

#include <vector>

#include "tools/forge/core/rgba_image.h"

struct Rgb {
    double r, g, b;
};

namespace palette {
constexpr Rgb kInk{0.16, 0.11, 0.08};          // outlines: warm dark brown, never pure black
constexpr Rgb kSand{0.96, 0.86, 0.64};
constexpr Rgb kSandShade{0.82, 0.66, 0.42};
constexpr Rgb kLagoon{0.20, 0.72, 0.78};
constexpr Rgb kDeepSea{0.07, 0.33, 0.48};
constexpr Rgb kLeaf{0.29, 0.62, 0.26};
constexpr Rgb kJungle{0.12, 0.36, 0.20};
constexpr Rgb kSunset{0.98, 0.55, 0.24};
constexpr Rgb kCoral{0.93, 0.36, 0.36};
constexpr Rgb kGold{0.99, 0.80, 0.25};
constexpr Rgb kWood{0.55, 0.35, 0.20};
constexpr Rgb kWoodDark{0.36, 0.22, 0.12};
constexpr Rgb kParchment{0.97, 0.92, 0.78};
constexpr Rgb kSky{0.55, 0.82, 0.95};
constexpr Rgb kWhite{1.0, 1.0, 1.0};
}  // namespace palette

Rgb mix(Rgb a, Rgb b, double t);
Rgb lighten(Rgb c, double amount);   // towards white
Rgb darken(Rgb c, double amount);    // towards the ink colour

void setColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// A closed ellipse as a new sub-path; a flat one keeps a sliver of height so Cairo's matrix stays valid.
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// Strokes and clears the current path with round caps and joins.
void strokeRound(cairo_t* cr, Rgb color, double width, double alpha = 1.0);
// Fills the current path with a top-to-bottom gradient, keeping the path.
void fillVerticalGradient(cairo_t* cr, double top, double bottom, Rgb topColor, Rgb bottomColor,
                          double alpha = 1.0);
// The soft light that makes a shape round: a radial gradient from a highlight point.
void fillRoundShading(cairo_t* cr, double cx, double cy, double radius, Rgb base);
// Outline of the current path in the ink colour, keeping the path.
void strokeInk(cairo_t* cr, double width, double alpha = 0.9);
// A round shape's whole finish: its shading, its ink outline, and the path cleared.
void shadeWithInk(cairo_t* cr, double cx, double cy, double radius, Rgb base, double ink);
// A thin light rim along the top-left of the current path (clip to it first).
void rimLight(cairo_t* cr, double cx, double cy, double radius, double alpha = 0.45);

void boxBlur(RgbaImage& image, int radius);  // three passes approximate a Gaussian
// The same blur over one channel of width x height values.
void blurValues(std::vector<float>& values, int width, int height, int radius);
// The image on a transparent canvas of the same size, with a blurred dark shadow under it.
RgbaImage withDropShadow(const RgbaImage& image, double offsetX, double offsetY, int blurRadius,
                         double alpha = 0.45);
