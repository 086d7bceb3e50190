#include "tools/forge/scenes/scene_emblems.h"

#include <cmath>

#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"

namespace {

void curl(cairo_t* cr, double x, double y, double r, Rgb stone, double ink) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    fillRoundShading(cr, x, y, r, stone);
    strokeInk(cr, ink, 0.85);
    cairo_new_path(cr);
    // The inward twist that makes a puff a cloud curl.
    cairo_arc(cr, x + r * 0.1, y + r * 0.05, r * 0.5, M_PI * 0.9, M_PI * 2.2);
    setColor(cr, darken(stone, 0.45), 0.7);
    cairo_set_line_width(cr, ink * 0.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void closedEye(cairo_t* cr, double x, double y, double r, double ink) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, M_PI * 0.15, M_PI * 0.85);
    strokeRound(cr, palette::kInk, ink);
    cairo_new_path(cr);
    cairo_arc(cr, x, y - r * 0.55, r * 1.25, M_PI * 1.18, M_PI * 1.82);  // the heavy brow
    strokeRound(cr, palette::kInk, ink * 1.3);
}

}  // namespace

void paintRimmedDisc(cairo_t* cr, double cx, double cy, double radius, double rim, Rgb rimColour, Rgb top, Rgb bottom,
                     double ink) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    fillRoundShading(cr, cx, cy, radius, rimColour);
    strokeInk(cr, ink);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius - rim, 0, 2 * M_PI);
    fillVerticalGradient(cr, cy - radius, cy + radius, top, bottom);
    strokeInk(cr, ink * 0.6, 0.7);
    cairo_new_path(cr);
}

void paintAirGodFace(cairo_t* cr, double cx, double cy, double radius, Rgb stone) {
    const double r = radius;
    const double ink = std::max(1.2, r * 0.045);
    // Hair curls round the top, beard curls round the chin.
    for (int k = 0; k < 9; ++k) {
        const double a = M_PI * (1.0 + k / 8.0);
        curl(cr, cx + std::cos(a) * r * 1.05, cy - r * 0.1 + std::sin(a) * r * 1.0, r * 0.36, lighten(stone, 0.08), ink);
    }
    for (int k = 0; k < 7; ++k) {
        const double a = M_PI * (0.12 + k * 0.76 / 6);
        curl(cr, cx + std::cos(a) * r * 0.92, cy + r * 0.25 + std::sin(a) * r * 0.72, r * 0.3, darken(stone, 0.06), ink);
    }
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, r * 0.86, r * 0.95);
    fillRoundShading(cr, cx, cy, r, stone);
    strokeInk(cr, ink * 1.2);
    cairo_new_path(cr);
    // Puffed cheeks: two round swells lit from above.
    for (double side : {-1.0, 1.0}) {
        const double x = cx + side * r * 0.42;
        const double y = cy + r * 0.28;
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r * 0.34, 0, 2 * M_PI);
        fillRoundShading(cr, x, y, r * 0.34, lighten(stone, 0.1));
        strokeInk(cr, ink * 0.8, 0.6);
        cairo_new_path(cr);
        paintGloss(cr, x - r * 0.08, y - r * 0.14, r * 0.12, r * 0.06, 0.25);
    }
    closedEye(cr, cx - r * 0.33, cy - r * 0.18, r * 0.17, ink);
    closedEye(cr, cx + r * 0.33, cy - r * 0.18, r * 0.17, ink);
    // The nose between the cheeks.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.02, cy - r * 0.2);
    cairo_curve_to(cr, cx - r * 0.12, cy + r * 0.1, cx - r * 0.16, cy + r * 0.18, cx, cy + r * 0.2);
    cairo_curve_to(cr, cx + r * 0.16, cy + r * 0.18, cx + r * 0.1, cy + r * 0.1, cx + r * 0.02, cy - r * 0.2);
    fillRoundShading(cr, cx, cy, r * 0.25, lighten(stone, 0.12));
    strokeInk(cr, ink * 0.8, 0.7);
    // Pursed lips round a dark blowing hole.
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy + r * 0.5, r * 0.17, r * 0.13);
    fillRoundShading(cr, cx, cy + r * 0.5, r * 0.17, darken(stone, 0.15));
    strokeInk(cr, ink);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy + r * 0.51, r * 0.08, r * 0.06);
    setColor(cr, palette::kInk, 0.9);
    cairo_fill(cr);
}

void paintWindSpiral(cairo_t* cr, double cx, double cy, double radius, double turns, double width) {
    cairo_new_path(cr);
    constexpr int kSteps = 80;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double a = t * turns * 2 * M_PI;
        const double d = radius * (0.08 + 0.92 * t);
        cairo_line_to(cr, cx + std::cos(a) * d, cy + std::sin(a) * d);
    }
    cairo_path_t* path = cairo_copy_path(cr);
    strokeRound(cr, palette::kInk, width + 3, 0.85);
    cairo_append_path(cr, path);
    strokeRound(cr, emblem::kWindWhite, width);
    cairo_path_destroy(path);
}

void paintGodOfAirMedallion(cairo_t* cr, double cx, double cy, double radius) {
    paintRimmedDisc(cr, cx, cy, radius, radius * 0.15, palette::kGold, palette::kSky, palette::kLagoon, 2.5);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, radius * 0.85, 0, 2 * M_PI);
    cairo_clip(cr);
    paintAirGodFace(cr, cx - radius * 0.1, cy - radius * 0.05, radius * 0.45, emblem::kStone);
    for (int k = -1; k <= 1; ++k) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + radius * 0.05, cy + radius * (0.2 + 0.12 * k));
        cairo_curve_to(cr, cx + radius * 0.3, cy + radius * (0.2 + 0.16 * k), cx + radius * 0.5,
                       cy + radius * (0.12 + 0.26 * k), cx + radius * 0.85, cy + radius * (0.2 + 0.24 * k));
        strokeRound(cr, emblem::kWindWhite, radius * 0.07, 0.95);
    }
    cairo_restore(cr);
    paintGloss(cr, cx - radius * 0.35, cy - radius * 0.55, radius * 0.25, radius * 0.1, 0.35);
}

void paintClinicEmblem(cairo_t* cr, double cx, double cy, double radius) {
    paintRimmedDisc(cr, cx, cy, radius, radius * 0.2, guiPalette::kBrass, palette::kWhite, guiPalette::kCream,
                    std::max(1.5, radius * 0.06));
    const double arm = radius * 0.2;
    const double reach = arm * 3;
    constexpr double kCross[12][2] = {{-1, -3}, {1, -3}, {1, -1}, {3, -1}, {3, 1}, {1, 1},
                                      {1, 3},   {-1, 3}, {-1, 1}, {-3, 1}, {-3, -1}, {-1, -1}};
    for (const auto& corner : kCross) cairo_line_to(cr, cx + corner[0] * arm, cy + corner[1] * arm);
    cairo_close_path(cr);
    fillVerticalGradient(cr, cy - reach, cy + reach, lighten(palette::kLeaf, 0.2), darken(palette::kLeaf, 0.2));
    strokeInk(cr, std::max(1.0, radius * 0.05), 0.8);
    cairo_new_path(cr);
    paintGloss(cr, cx - radius * 0.35, cy - radius * 0.5, radius * 0.25, radius * 0.1, 0.4);
}

void paintWindBlessing(cairo_t* cr, double cx, double cy, double radius) {
    const double r = radius * 0.78;
    const double cordTop = cy - radius;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.5, cy - r * 0.85);
    cairo_curve_to(cr, cx - r * 0.4, cordTop, cx + r * 0.4, cordTop, cx + r * 0.5, cy - r * 0.85);
    strokeRound(cr, palette::kInk, radius * 0.09);
    cairo_move_to(cr, cx - r * 0.5, cy - r * 0.85);
    cairo_curve_to(cr, cx - r * 0.4, cordTop, cx + r * 0.4, cordTop, cx + r * 0.5, cy - r * 0.85);
    strokeRound(cr, palette::kCoral, radius * 0.05);
    paintGlow(cr, cx, cy + radius * 0.08, radius, {1, 0.97, 0.8}, palette::kGold, 0.45);
    paintRimmedDisc(cr, cx, cy + radius * 0.08, r, r * 0.2, palette::kGold, palette::kSky, palette::kLagoon,
                    std::max(1.5, radius * 0.05));
    paintWindSpiral(cr, cx, cy + radius * 0.08, r * 0.62, 2.2, std::max(2.0, radius * 0.07));
    paintGloss(cr, cx - r * 0.35, cy - r * 0.42, r * 0.26, r * 0.1, 0.4);
    paintSparkle(cr, cx + r * 0.55, cy - r * 0.45, radius * 0.35, 0.9);
}
