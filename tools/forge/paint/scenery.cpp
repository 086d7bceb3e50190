#include "tools/forge/paint/scenery.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/paint/glow.h"

// A cumulus cloud from overlapping puffs, lit from above.
void paintCloud(cairo_t* cr, ForgeRandom& random, double x, double y, double width) {
    const int puffs = 7;
    for (int k = 0; k < puffs; ++k) {
        const double t = (k + 0.5) / puffs;
        const double r = width * (0.12 + 0.1 * std::sin(M_PI * t)) * random.uniform(0.85, 1.15);
        const double px = x + width * (t - 0.5);
        const double py = y - r * 0.5 * std::sin(M_PI * t);
        cairo_new_path(cr);
        cairo_arc(cr, px, py, r, 0, 2 * M_PI);
        fillVerticalGradient(cr, py - r, py + r, palette::kWhite, {0.82, 0.88, 0.95}, 0.92);
    }
}
void paintSky(cairo_t* cr, double horizon, Rgb top, Rgb low) {
    cairo_rectangle(cr, 0, 0, kSceneWidth, horizon + 2);
    fillVerticalGradient(cr, 0, horizon, top, low);
    cairo_new_path(cr);
}
void paintTent(cairo_t* cr, double x, double y, double size) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + size * 0.7);
    cairo_line_to(cr, x + size * 0.5, y);
    cairo_line_to(cr, x + size, y + size * 0.7);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y, y + size * 0.7, {0.93, 0.86, 0.7}, {0.75, 0.64, 0.46});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, x + size * 0.5, y + size * 0.05);
    cairo_line_to(cr, x + size * 0.36, y + size * 0.7);
    cairo_line_to(cr, x + size * 0.64, y + size * 0.7);
    cairo_close_path(cr);
    setColor(cr, {0.3, 0.22, 0.15});
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x + size * 0.5, y);
    cairo_line_to(cr, x + size * 0.5, y - size * 0.12);
    setColor(cr, palette::kWoodDark);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, x + size * 0.5, y - size * 0.12);
    cairo_line_to(cr, x + size * 0.66, y - size * 0.08);
    cairo_line_to(cr, x + size * 0.5, y - size * 0.04);
    setColor(cr, palette::kCoral);
    cairo_fill(cr);
}
void paintCrate(cairo_t* cr, double x, double y, double size) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, size, size);
    fillVerticalGradient(cr, y, y + size, lighten(palette::kWood, 0.25), palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, x + size * 0.1, y + size * 0.1, size * 0.8, size * 0.8);
    cairo_move_to(cr, x + size * 0.1, y + size * 0.9);
    cairo_line_to(cr, x + size * 0.9, y + size * 0.1);
    setColor(cr, palette::kInk, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}
void paintBarrel(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x - w * 0.12, y + h * 0.35, x - w * 0.12, y + h * 0.65, x, y + h);
    cairo_line_to(cr, x + w, y + h);
    cairo_curve_to(cr, x + w * 1.12, y + h * 0.65, x + w * 1.12, y + h * 0.35, x + w, y);
    cairo_close_path(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.45, 0.28, 0.15);
    cairo_pattern_add_color_stop_rgb(shade, 0.35, 0.72, 0.5, 0.3);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.35, 0.22, 0.12);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (double t : {0.2, 0.8}) {
        cairo_move_to(cr, x - w * 0.06, y + h * t);
        cairo_line_to(cr, x + w * 1.06, y + h * t);
    }
    setColor(cr, {0.3, 0.3, 0.32});
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}
void paintStarfish(cairo_t* cr, double x, double y, double r, double turn) {
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
        const double a = turn - M_PI / 2 + k * M_PI / 5;
        const double d = k % 2 == 0 ? r : r * 0.45;
        if (k == 0) cairo_move_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        else cairo_line_to(cr, x + d * std::cos(a), y + d * std::sin(a));
    }
    cairo_close_path(cr);
    fillRoundShading(cr, x, y, r, palette::kSunset);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}
void paintVignette(cairo_t* cr, double strength) {
    cairo_pattern_t* edge = cairo_pattern_create_radial(kSceneWidth / 2.0, kSceneHeight / 2.0, 380, kSceneWidth / 2.0, kSceneHeight / 2.0, 1000);
    cairo_pattern_add_color_stop_rgba(edge, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(edge, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, strength);
    cairo_set_source(cr, edge);
    cairo_paint(cr);
    cairo_pattern_destroy(edge);
}
void paintRock(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_curve_to(cr, x, y + h * 0.2, x + w * 0.3, y, x + w * 0.55, y);
    cairo_curve_to(cr, x + w * 0.85, y, x + w, y + h * 0.4, x + w, y + h);
    cairo_close_path(cr);
    fillRoundShading(cr, x + w * 0.5, y + h * 0.6, std::max(w, h) * 0.6, {0.46, 0.47, 0.44});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

void paintBambooRail(cairo_t* cr, double x0, double x1, double top, double height) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x0, top, x1 - x0, height);
    cairo_pattern_t* cane = cairo_pattern_create_linear(0, top, 0, top + height);
    cairo_pattern_add_color_stop_rgb(cane, 0, 0.55, 0.44, 0.24);
    cairo_pattern_add_color_stop_rgb(cane, 0.35, 0.98, 0.86, 0.55);
    cairo_pattern_add_color_stop_rgb(cane, 1, 0.5, 0.38, 0.2);
    cairo_set_source(cr, cane);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(cane);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    for (double x = x0 + 16; x < x1 - 2; x += 27.5) {
        cairo_move_to(cr, x, top + 1);
        cairo_line_to(cr, x, top + height - 1);
    }
    setColor(cr, palette::kInk, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}
