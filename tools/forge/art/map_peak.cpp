// The smoking peak at the island's heart, with a lesser summit on each side: the pass runs over
// the eastern saddle, the temple stands beyond the western one.
#include "tools/forge/art/map_landmarks.h"

#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kRockTop{0.58, 0.50, 0.45};
constexpr Rgb kRockLow{0.46, 0.52, 0.34};
constexpr Rgb kSmoke{0.82, 0.80, 0.78};

// A mountain's outline: concave flanks from the base up to a rim of the given width.
void mountainPath(cairo_t* cr, double peakX, double peakY, double baseY, double halfWidth, double rim) {
    const double h = baseY - peakY;
    cairo_new_path(cr);
    cairo_move_to(cr, peakX - halfWidth, baseY);
    cairo_curve_to(cr, peakX - halfWidth * 0.55, baseY - h * 0.12, peakX - rim * 1.8, peakY + h * 0.3, peakX - rim, peakY);
    cairo_curve_to(cr, peakX - rim * 0.4, peakY - 6, peakX + rim * 0.4, peakY - 8, peakX + rim, peakY - 2);
    cairo_curve_to(cr, peakX + rim * 1.8, peakY + h * 0.3, peakX + halfWidth * 0.55, baseY - h * 0.12, peakX + halfWidth, baseY);
    cairo_curve_to(cr, peakX + halfWidth * 0.4, baseY + 18, peakX - halfWidth * 0.4, baseY + 18, peakX - halfWidth, baseY);
    cairo_close_path(cr);
}

void paintMountain(cairo_t* cr, double peakX, double peakY, double baseY, double halfWidth, double rim, uint32_t seed) {
    mountainPath(cr, peakX, peakY, baseY, halfWidth, rim);
    fillVerticalGradient(cr, peakY, baseY, kRockTop, kRockLow);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    // The far side in shade, the near side lit by the sun from the top-left.
    cairo_new_path(cr);
    cairo_move_to(cr, peakX + rim * 0.2, peakY - 10);
    cairo_curve_to(cr, peakX + rim * 0.6, peakY + (baseY - peakY) * 0.4, peakX + halfWidth * 0.2, baseY - 40,
                   peakX + halfWidth * 0.3, baseY + 30);
    cairo_line_to(cr, peakX + halfWidth + 20, baseY + 30);
    cairo_line_to(cr, peakX + halfWidth + 20, peakY - 20);
    cairo_close_path(cr);
    setColor(cr, palette::kInk, 0.28);
    cairo_fill(cr);
    // Gullies running down from the rim.
    ForgeRandom random(seed);
    for (int k = -4; k <= 4; ++k) {
        const double top = peakX + k * rim * 0.22;
        const double spread = random.uniform(0.8, 1.1);
        cairo_move_to(cr, top, peakY + 8);
        cairo_curve_to(cr, top + k * rim * 0.35, peakY + (baseY - peakY) * 0.3, top + k * halfWidth * 0.12 * spread,
                       peakY + (baseY - peakY) * 0.6, peakX + k * halfWidth * 0.2 * spread, baseY);
    }
    setColor(cr, palette::kInk, 0.3);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    // Forest climbing the lower slopes.
    for (int k = 0; k < 70; ++k) {
        const double t = random.uniform(0.45, 1.0);
        const double x = peakX + random.uniform(-1, 1) * halfWidth * t * 0.95;
        const double y = peakY + (baseY - peakY) * t;
        paintCrown(cr, x, y, random.uniform(7, 11), random.unit());
    }
    cairo_restore(cr);
    mountainPath(cr, peakX, peakY, baseY, halfWidth, rim);
    strokeInk(cr, 2.6);
    cairo_new_path(cr);
}

void paintCrater(cairo_t* cr, double x, double y, double rim) {
    ellipsePath(cr, x, y, rim * 0.85, rim * 0.22);
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y + 2, 0, x, y, rim * 0.85);
    cairo_pattern_add_color_stop_rgb(glow, 0, 1.0, 0.62, 0.22);
    cairo_pattern_add_color_stop_rgb(glow, 0.5, 0.72, 0.26, 0.12);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0.30, 0.18, 0.14);
    cairo_set_source(cr, glow);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glow);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void paintSmoke(cairo_t* cr, double x, double y) {
    for (int k = 0; k < 12; ++k) {
        const double t = k / 11.0;
        paintPuff(cr, x - 150 * t * t - 12 * t + 6 * std::sin(k * 1.3), y - 18 - 150 * t, 16 + 36 * t, kSmoke,
                  0.85 - 0.45 * t);
    }
}

}  // namespace

void paintSmokingPeak(cairo_t* cr, const Volcano& v) {
    const double h = v.baseY - v.peakY;
    paintMountain(cr, v.peakX - v.halfWidth * 0.95, v.peakY + h * 0.38, v.baseY - h * 0.18, v.halfWidth * 0.55,
                  22, 0x9e1);
    paintMountain(cr, v.peakX + v.halfWidth * 1.0, v.peakY + h * 0.32, v.baseY - h * 0.2, v.halfWidth * 0.5, 20,
                  0x9e2);
    paintMountain(cr, v.peakX, v.peakY, v.baseY, v.halfWidth, 40, 0x9e3);
    paintCrater(cr, v.peakX, v.peakY - 2, 40);
    paintSmoke(cr, v.peakX, v.peakY);
}
