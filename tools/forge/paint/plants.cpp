#include "tools/forge/paint/plants.h"

#include <algorithm>
#include <cmath>

void paintFrond(cairo_t* cr, double angle, double length, double droop, Rgb light, Rgb dark, double ink) {
    cairo_save(cr);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.4, -length * 0.18, length * 0.8, droop * 0.3, length, droop);
    cairo_curve_to(cr, length * 0.75, droop * 0.9 + length * 0.06, length * 0.4, length * 0.09, 0, length * 0.04);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -length * 0.2, droop + length * 0.08, light, dark);
    if (ink > 0) strokeInk(cr, ink);
    cairo_new_path(cr);
    // The cuts between leaflets, slanting back towards the stem.
    for (int k = 1; k < 10; ++k) {
        const double t = k / 10.0;
        const double px = length * t;
        const double py = droop * t * t - length * 0.1 * std::sin(M_PI * t);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px - length * 0.045, py + length * 0.07);
    }
    setColor(cr, palette::kInk, 0.45);
    cairo_set_line_width(cr, std::max(0.8, length * 0.011));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A palm trunk: a tapering curve from its foot to its crown, ringed where old fronds fell.
void paintPalmTrunk(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size) {
    const double midX = footX + (crownX - footX) * 0.2;
    const double midY = footY + (crownY - footY) * 0.6;
    const double w0 = size * 0.09;
    const double w1 = size * 0.05;
    cairo_new_path(cr);
    cairo_move_to(cr, footX - w0, footY);
    cairo_curve_to(cr, midX - w0, midY, crownX - w1, crownY + size * 0.1, crownX - w1, crownY);
    cairo_line_to(cr, crownX + w1, crownY);
    cairo_curve_to(cr, crownX + w1, crownY + size * 0.1, midX + w0, midY, footX + w0, footY);
    cairo_close_path(cr);
    cairo_pattern_t* bark = cairo_pattern_create_linear(footX - w0, 0, footX + w0, 0);
    cairo_pattern_add_color_stop_rgb(bark, 0, 0.62, 0.46, 0.3);
    cairo_pattern_add_color_stop_rgb(bark, 0.4, 0.75, 0.6, 0.42);
    cairo_pattern_add_color_stop_rgb(bark, 1, 0.42, 0.3, 0.2);
    cairo_set_source(cr, bark);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bark);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int k = 1; k < 16; ++k) {
        const double t = k / 16.0;
        const double u = 1 - t;
        // Points on the trunk's centre curve (the same cubic as its sides).
        const double x = u * u * u * footX + 3 * u * u * t * midX + 3 * u * t * t * crownX + t * t * t * crownX;
        const double y = u * u * u * footY + 3 * u * u * t * midY + 3 * u * t * t * (crownY + size * 0.1) +
                         t * t * t * crownY;
        const double w = w0 + (w1 - w0) * t;
        cairo_new_path(cr);
        cairo_move_to(cr, x - w * 1.2, y);
        cairo_curve_to(cr, x - w * 0.4, y + w * 0.35, x + w * 0.4, y + w * 0.35, x + w * 1.2, y);
        setColor(cr, palette::kInk, 0.35);
        cairo_set_line_width(cr, std::max(1.0, size * 0.008));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    strokeInk(cr, std::max(1.5, size * 0.012));
    cairo_new_path(cr);
}

namespace {

// The crown: fronds all round, coconuts under them and two fronds hanging in front.
void palmCrown(cairo_t* cr, double crownX, double crownY, double size, Rgb leafLight, Rgb leafDark) {
    cairo_save(cr);
    cairo_translate(cr, crownX, crownY);
    const double angles[] = {-3.0, -2.55, -2.05, -1.55, -1.05, -0.55, -0.1, 0.35};
    for (double a : angles) paintFrond(cr, a, size * (0.62 - 0.08 * std::abs(a + 1.55)), size * 0.25, leafLight,
                                       leafDark, std::max(1.5, size * 0.01));
    for (int k = 0; k < 3; ++k) {
        const double x = (k - 1) * size * 0.06;
        const double y = size * (0.05 + 0.03 * (k % 2));
        cairo_new_path(cr);
        cairo_arc(cr, x, y, size * 0.05, 0, 2 * M_PI);
        fillRoundShading(cr, x, y, size * 0.05, {0.48, 0.32, 0.15});
        strokeInk(cr, std::max(1.2, size * 0.008));
    }
    paintFrond(cr, 2.6, size * 0.5, size * 0.2, leafLight, leafDark, std::max(1.5, size * 0.01));
    paintFrond(cr, 0.7, size * 0.5, size * 0.22, leafLight, leafDark, std::max(1.5, size * 0.01));
    cairo_restore(cr);
    cairo_new_path(cr);
}

}  // namespace

void paintPalm(cairo_t* cr, double footX, double footY, double crownX, double crownY, double size, Rgb leafLight,
               Rgb leafDark) {
    paintPalmTrunk(cr, footX, footY, crownX, crownY, size);
    palmCrown(cr, crownX, crownY, size, leafLight, leafDark);
}

void paintBroadLeaf(cairo_t* cr, double x, double y, double angle, double length, double width, Rgb light,
                    Rgb dark) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, length * 0.25, -width, length * 0.75, -width * 0.8, length, 0);
    cairo_curve_to(cr, length * 0.75, width * 0.8, length * 0.25, width, 0, 0);
    cairo_close_path(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, -width, 0, width);
    cairo_pattern_add_color_stop_rgb(shade, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(shade, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, length * 0.02, 0);
    cairo_curve_to(cr, length * 0.4, -width * 0.05, length * 0.7, -width * 0.02, length * 0.95, 0);
    for (int k = 1; k < 6; ++k) {
        const double t = k / 6.0;
        cairo_move_to(cr, length * t, 0);
        cairo_line_to(cr, length * (t + 0.1), -width * 0.6 * std::sin(M_PI * t));
        cairo_move_to(cr, length * t, 0);
        cairo_line_to(cr, length * (t + 0.1), width * 0.6 * std::sin(M_PI * t));
    }
    setColor(cr, lighten(light, 0.4), 0.55);
    cairo_set_line_width(cr, std::max(1.0, width * 0.04));
    cairo_stroke(cr);
    cairo_restore(cr);
}
