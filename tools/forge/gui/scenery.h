#pragma once
// Island scenery for the interface's full-screen pictures and the character dialog's window:
// sky, sun, sea, distant islands, a beach, and palms.
#include <cairo.h>

#include <cstdint>

#include "tools/forge/core/style.h"

struct SeascapeSpec {
    double width = 0;
    double height = 0;
    double horizon = 0.55;    // fraction of the height where the sea begins
    Rgb skyTop = palette::kSky;
    Rgb skyBottom{0.98, 0.90, 0.72};
    Rgb seaTop = palette::kLagoon;
    Rgb seaBottom = palette::kDeepSea;
    double sunX = 0.7;        // fractions of the size
    double sunY = 0.35;
    double sunRadius = 0.06;  // fraction of the width
    Rgb sunColor{1.0, 0.92, 0.62};
    bool islands = true;
    double beach = 0.0;       // fraction of the height the foreground beach rises to, 0 = none
    uint32_t seed = 1;
};
void paintSeascape(cairo_t* cr, const SeascapeSpec& spec);

// A palm whose trunk foot stands at (x, baseY), leaning by lean (fraction of its height).
void drawPalm(cairo_t* cr, double x, double baseY, double height, double lean, uint32_t seed);
// Soft, painterly clouds.
void drawCloud(cairo_t* cr, double cx, double cy, double width, double alpha);
