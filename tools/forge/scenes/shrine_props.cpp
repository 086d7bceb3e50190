#include "tools/forge/scenes/shrine_props.h"

#include <cmath>

#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/scenes/scene_emblems.h"
#include "tools/forge/scenes/scene_paint.h"

namespace {

const Rgb kSkyStone{0.36, 0.62, 0.70};   // the tiles' blue-green stone, unlike anything on the cliff
const Rgb kTerracotta{0.78, 0.42, 0.24};
const Rgb kTwig{0.50, 0.36, 0.22};
const Rgb kDryWood{0.62, 0.48, 0.32};

void cloudSign(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - s * 0.55, cy + s * 0.2);
    cairo_arc(cr, cx - s * 0.3, cy + s * 0.02, s * 0.2, M_PI * 0.9, M_PI * 1.75);
    cairo_arc(cr, cx + s * 0.02, cy - s * 0.1, s * 0.27, M_PI * 1.15, M_PI * 1.9);
    cairo_arc(cr, cx + s * 0.33, cy + s * 0.04, s * 0.19, M_PI * 1.3, M_PI * 0.1 + 2 * M_PI);
    cairo_line_to(cr, cx - s * 0.55, cy + s * 0.2);
}

void featherSign(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - s * 0.35, cy + s * 0.45);
    cairo_curve_to(cr, cx - s * 0.1, cy + s * 0.1, cx + s * 0.15, cy - s * 0.2, cx + s * 0.35, cy - s * 0.45);
    cairo_move_to(cr, cx - s * 0.22, cy + s * 0.28);
    cairo_curve_to(cr, cx - s * 0.35, cy - s * 0.05, cx - s * 0.05, cy - s * 0.35, cx + s * 0.35, cy - s * 0.45);
    cairo_curve_to(cr, cx + s * 0.3, cy - s * 0.1, cx + s * 0.15, cy + s * 0.2, cx - s * 0.22, cy + s * 0.28);
}

void spiralSign(cairo_t* cr, double cx, double cy, double s) {
    cairo_new_path(cr);
    for (int i = 0; i <= 48; ++i) {
        const double t = i / 48.0;
        const double a = t * 2.3 * 2 * M_PI;
        cairo_line_to(cr, cx + std::cos(a) * s * 0.46 * t, cy + std::sin(a) * s * 0.46 * t);
    }
}

void tilePath(cairo_t* cr, double size) {
    roundedRectPath(cr, -size / 2, -size / 2, size, size, size * 0.22);
}

}  // namespace

void paintWindSign(cairo_t* cr, WindSign sign, double cx, double cy, double size, double width) {
    switch (sign) {
        case WindSign::Cloud: cloudSign(cr, cx, cy, size); break;
        case WindSign::Feather: featherSign(cr, cx, cy, size); break;
        case WindSign::Spiral: spiralSign(cr, cx, cy, size); break;
    }
    setColor(cr, palette::kInk, 0.9);
    cairo_set_line_width(cr, width * 1.9);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgb(cr, palette::kGold.r, palette::kGold.g, palette::kGold.b);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kWhite, 0.45);
    cairo_set_line_width(cr, width * 0.35);
    cairo_stroke(cr);
}

void paintCarvedTile(cairo_t* cr, WindSign sign, double cx, double cy, double size, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_translate(cr, size * 0.06, size * 0.09);
    tilePath(cr, size);
    setColor(cr, palette::kInk, 0.35);  // the tile's thickness
    cairo_fill(cr);
    cairo_translate(cr, -size * 0.06, -size * 0.09);
    tilePath(cr, size);
    fillRoundShading(cr, 0, 0, size * 0.6, kSkyStone);
    strokeInk(cr, std::max(1.5, size * 0.05));
    cairo_new_path(cr);
    roundedRectPath(cr, -size * 0.38, -size * 0.38, size * 0.76, size * 0.76, size * 0.14);
    setColor(cr, lighten(kSkyStone, 0.5), 0.5);
    cairo_set_line_width(cr, std::max(1.0, size * 0.03));
    cairo_stroke(cr);
    paintWindSign(cr, sign, 0, 0, size * 0.62, std::max(1.5, size * 0.07));
    cairo_restore(cr);
}

void paintSetTile(cairo_t* cr, WindSign sign, double cx, double cy) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, 0.55);
    paintGlow(cr, 0, 0, 52, {0.8, 1, 1}, kSkyStone, 0.35);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1, 0.52);
    paintCarvedTile(cr, sign, 0, -3, 58, 0);
    cairo_restore(cr);
}

void paintSocket(cairo_t* cr, WindSign sign, double cx, double cy) {
    const double rx = shrine::kSocketRadiusX, ry = shrine::kSocketRadiusY;
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, rx, ry);
    fillVerticalGradient(cr, cy - ry, cy + ry, darken(emblem::kStoneDark, 0.6), emblem::kStoneDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy + 1.5, rx - 1.5, ry - 1.5);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy + ry * 1.3, rx * 1.2, ry * 1.2);  // light on the far wall of the hollow
    setColor(cr, lighten(emblem::kStone, 0.3), 0.25);
    cairo_fill(cr);
    cairo_translate(cr, cx, cy + 2);
    cairo_scale(cr, 1, 0.55);
    switch (sign) {
        case WindSign::Cloud: cloudSign(cr, 0, 0, 40); break;
        case WindSign::Feather: featherSign(cr, 0, 0, 40); break;
        case WindSign::Spiral: spiralSign(cr, 0, 0, 40); break;
    }
    cairo_restore(cr);
    setColor(cr, lighten(emblem::kStone, 0.45), 0.75);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void paintFallenBranch(cairo_t* cr, double cx, double cy, double length, double angle) {
    paintContactShadow(cr, cx + 4, cy + 10, length * 0.5, 12, 0.4);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    const double half = length / 2;
    struct Twig {
        double at, angle, length;
    };
    constexpr Twig kTwigs[] = {{-0.25, -0.7, 0.28}, {0.05, 0.6, 0.22}, {0.3, -0.55, 0.3}, {0.55, 0.4, 0.16}};
    for (const Twig& twig : kTwigs) {
        const double x = twig.at * half;
        const double ex = x + std::cos(twig.angle) * twig.length * length;
        const double ey = std::sin(twig.angle) * twig.length * length;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 0);
        cairo_curve_to(cr, x + (ex - x) * 0.4, ey * 0.2, ex - (ex - x) * 0.2, ey * 0.7, ex, ey);
        cairo_path_t* path = cairo_copy_path(cr);
        strokeRound(cr, palette::kInk, 7);
        cairo_append_path(cr, path);
        strokeRound(cr, kTwig, 4);
        cairo_path_destroy(path);
        paintBroadLeaf(cr, ex, ey, twig.angle * 1.4 + 0.3, 34, 10, palette::kLeaf, palette::kJungle);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -half, -4);
    cairo_curve_to(cr, -half * 0.4, -9, half * 0.3, -3, half, -2);
    cairo_line_to(cr, half + 2, 3);
    cairo_curve_to(cr, half * 0.3, 5, -half * 0.4, 9, -half, 8);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -9, 9, lighten(kDryWood, 0.25), darken(kDryWood, 0.3));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (int k = 0; k < 5; ++k) {  // bark lines
        const double x = -half * 0.8 + k * half * 0.38;
        cairo_move_to(cr, x, -3);
        cairo_line_to(cr, x + 14, -1);
    }
    setColor(cr, palette::kInk, 0.4);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    ellipsePath(cr, -half + 1, 2, 3.5, 6);  // the broken end
    setColor(cr, lighten(kDryWood, 0.5));
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void paintFlint(cairo_t* cr, double cx, double cy, double size) {
    paintContactShadow(cr, cx + 2, cy + size * 0.32, size * 0.55, size * 0.14, 0.5);
    const double s = size / 2;
    constexpr double kOutline[][2] = {{-1.0, 0.25}, {-0.6, -0.45}, {0.05, -0.7}, {0.75, -0.35}, {1.0, 0.2}, {0.45, 0.55},
                                      {-0.5, 0.5}};
    cairo_new_path(cr);
    for (const auto& p : kOutline) cairo_line_to(cr, cx + p[0] * s, cy + p[1] * s);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillRoundShading(cr, cx, cy, s, {0.30, 0.33, 0.42});
    strokeInk(cr, std::max(1.5, size * 0.05));
    cairo_new_path(cr);
    // Conchoidal facets catching the light.
    cairo_move_to(cr, cx - s * 0.6, cy - s * 0.45);
    cairo_line_to(cr, cx - s * 0.05, cy + s * 0.05);
    cairo_line_to(cr, cx + s * 0.75, cy - s * 0.35);
    cairo_move_to(cr, cx - s * 0.05, cy + s * 0.05);
    cairo_line_to(cr, cx + s * 0.1, cy + s * 0.52);
    setColor(cr, palette::kInk, 0.5);
    cairo_set_line_width(cr, std::max(1.0, size * 0.03));
    cairo_stroke(cr);
    cairo_move_to(cr, cx - s * 0.5, cy - s * 0.38);
    cairo_line_to(cr, cx + s * 0.02, cy - s * 0.6);
    strokeRound(cr, palette::kWhite, std::max(1.0, size * 0.05), 0.6);
    paintSparkle(cr, cx + s * 0.35, cy - s * 0.35, size * 0.45, 0.9);
}

void paintNest(cairo_t* cr, double cx, double cy, double width) {
    const double w = width / 2;
    const double h = width * 0.26;
    paintContactShadow(cr, cx + 4, cy + h * 0.9, w * 0.9, h * 0.35, 0.4);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - w, cy - h * 0.3);
    cairo_curve_to(cr, cx - w * 0.9, cy + h * 1.2, cx + w * 0.9, cy + h * 1.2, cx + w, cy - h * 0.3);
    cairo_curve_to(cr, cx + w * 0.6, cy + h * 0.1, cx - w * 0.6, cy + h * 0.1, cx - w, cy - h * 0.3);
    cairo_close_path(cr);
    fillVerticalGradient(cr, cy - h, cy + h, kDryWood, darken(kTwig, 0.3));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    ArtRandom random(0x5e57);
    for (int k = 0; k < 26; ++k) {  // woven twigs, some sticking out
        const double t = random.unit();
        const double x0 = cx - w * 1.05 + t * w * 1.5;
        const double y0 = cy - h * 0.2 + random.range(-h * 0.2, h * 0.7);
        const double len = random.range(w * 0.3, w * 0.7);
        const double a = random.range(-0.35, 0.35);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x0 + std::cos(a) * len, y0 + std::sin(a) * len);
        setColor(cr, k % 3 ? darken(kTwig, 0.2) : lighten(kDryWood, 0.3), 0.9);
        cairo_set_line_width(cr, random.range(1.5, 3.0));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    for (double side : {-1.0, 1.0}) {  // white down feathers caught in the rim
        const double fx = cx + side * w * 0.7;
        const double fy = cy - h * 0.35;
        cairo_save(cr);
        cairo_translate(cr, fx, fy);
        cairo_rotate(cr, side * 0.5);
        cairo_new_path(cr);
        ellipsePath(cr, 0, -h * 0.3, h * 0.22, h * 0.55);
        fillVerticalGradient(cr, -h, h * 0.3, palette::kWhite, {0.82, 0.86, 0.9});
        strokeInk(cr, 1.4, 0.8);
        cairo_new_path(cr);
        cairo_restore(cr);
    }
}

void paintVineCurtain(cairo_t* cr) {
    using namespace shrine;
    ArtRandom random(0x71e5);
    const double left = kNicheX - kNicheHalfWidth - 30, right = kNicheX + kNicheHalfWidth + 30;
    constexpr int kStems = 12;
    for (int k = 0; k < kStems; ++k) {
        const double u = (k + 0.5) / kStems;
        const double x = left + (right - left) * u + random.range(-6, 6);
        // The creeper spills over the hollow's top: long in the middle, short at the sides.
        const double middle = 1 - std::abs(u - 0.5) * 2;
        const double top = kNicheTop - 30 - 30 * middle + random.range(-12, 12);
        const double length = 90 + 150 * middle + random.range(-20, 20);
        const double sway = random.range(8, 18) * (k % 2 ? 1 : -1);
        cairo_new_path(cr);
        cairo_move_to(cr, x - sway, top);
        cairo_curve_to(cr, x + sway, top + length * 0.3, x - sway, top + length * 0.65, x + sway * 0.6, top + length);
        cairo_path_t* path = cairo_copy_path(cr);
        strokeRound(cr, palette::kInk, 4.5);
        cairo_append_path(cr, path);
        strokeRound(cr, darken(palette::kLeaf, 0.3), 2.5);
        cairo_path_destroy(path);
        int leaf = 0;
        for (double t = 0.04; t < 1.0; t += random.range(0.07, 0.1), ++leaf) {
            const double y = top + length * t;
            const double v = 1 - t;
            const double sx = (x - sway) * v * v * v + 3 * (x + sway) * v * v * t + 3 * (x - sway) * v * t * t +
                              (x + sway * 0.6) * t * t * t;
            const double side = leaf % 2 ? 1 : -1;
            const Rgb light = mix(palette::kLeaf, palette::kGold, random.range(0, 0.25));
            paintBroadLeaf(cr, sx, y, M_PI / 2 + side * random.range(0.6, 1.2), random.range(24, 36) * (1.1 - t * 0.3),
                           random.range(8, 11), light, palette::kJungle);
        }
    }
    // Something gleams through the leaves.
    paintSparkle(cr, kFeatherTileX + 10, kFeatherTileY - 8, 22, 0.9);
}

namespace {

void urnPath(cairo_t* cr, double cx, double footY) {
    const double top = footY - 138;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 20, top + 14);
    cairo_curve_to(cr, cx - 26, top + 40, cx - 58, top + 50, cx - 56, top + 86);
    cairo_curve_to(cr, cx - 54, top + 118, cx - 30, footY - 6, cx - 24, footY);
    cairo_line_to(cr, cx + 24, footY);
    cairo_curve_to(cr, cx + 30, footY - 6, cx + 54, top + 118, cx + 56, top + 86);
    cairo_curve_to(cr, cx + 58, top + 50, cx + 26, top + 40, cx + 20, top + 14);
    cairo_close_path(cr);
}

}  // namespace

void paintUrnBody(cairo_t* cr, double cx, double footY) {
    paintContactShadow(cr, cx + 6, footY - 4, 58, 14, 0.5);
    const double top = footY - 138;
    urnPath(cr, cx, footY);
    fillRoundShading(cr, cx, top + 80, 70, kTerracotta);
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    // A painted band of waves round the belly.
    cairo_save(cr);
    urnPath(cr, cx, footY);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - 60, top + 70, 120, 18);
    setColor(cr, darken(kTerracotta, 0.55), 0.85);
    cairo_fill(cr);
    for (double x = cx - 60; x < cx + 60; x += 16) {
        cairo_arc(cr, x + 8, top + 80, 5, M_PI, 2.4 * M_PI);
        setColor(cr, guiPalette::kCream, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    ellipsePath(cr, cx, top + 14, 22, 6);  // the open neck, dark inside
    setColor(cr, palette::kInk, 0.85);
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    paintGloss(cr, cx - 28, top + 58, 9, 16, 0.3);
}

void paintUrnSeal(cairo_t* cr, double cx, double footY) {
    const double top = footY - 138;
    cairo_new_path(cr);
    ellipsePath(cr, cx, top + 10, 27, 9);
    fillRoundShading(cr, cx, top + 8, 28, darken(kTerracotta, 0.15));
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    cairo_arc(cr, cx, top + 2, 8, 0, 2 * M_PI);  // the knob
    fillRoundShading(cr, cx, top + 2, 8, kTerracotta);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    // Red wax sealing the lid all round, in drips.
    const Rgb wax{0.72, 0.14, 0.12};
    cairo_move_to(cr, cx - 27, top + 10);
    for (int k = 0; k <= 8; ++k) {
        const double x = cx - 27 + k * 54 / 8.0;
        const double drip = (k % 3 == 1) ? 14 : (k % 2 ? 8 : 5);
        cairo_line_to(cr, x, top + 12 + drip);
        cairo_line_to(cr, x + 3.4, top + 13);
    }
    cairo_line_to(cr, cx + 27, top + 8);
    cairo_curve_to(cr, cx + 10, top + 15, cx - 10, top + 15, cx - 27, top + 8);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top + 6, top + 28, lighten(wax, 0.2), darken(wax, 0.2));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, cx + 2, top + 17, 7, 0, 2 * M_PI);  // the seal's stamp
    fillRoundShading(cr, cx + 2, top + 17, 7, wax);
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    paintWindSign(cr, WindSign::Spiral, cx + 2, top + 17, 9, 1.2);
}

void paintUrnLidOff(cairo_t* cr, double cx, double footY) {
    const double x = cx - 86, y = footY - 6;
    paintContactShadow(cr, x + 3, y + 4, 30, 8, 0.45);
    cairo_new_path(cr);
    ellipsePath(cr, x, y - 4, 27, 9);
    fillRoundShading(cr, x, y - 6, 28, darken(kTerracotta, 0.15));
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    cairo_arc(cr, x, y - 12, 8, 0, 2 * M_PI);
    fillRoundShading(cr, x, y - 12, 8, kTerracotta);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void paintWindChime(cairo_t* cr, double x, double y) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + 34);
    strokeRound(cr, palette::kInk, 2.2);
    cairo_new_path(cr);
    roundedRectPath(cr, x - 32, y + 32, 64, 9, 4);  // the driftwood bar
    fillVerticalGradient(cr, y + 32, y + 41, lighten(kDryWood, 0.2), darken(kDryWood, 0.2));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    constexpr double kTubes[][2] = {{-24, 52}, {-12, 66}, {0, 78}, {12, 62}, {24, 48}};
    for (const auto& tube : kTubes) {
        const double tx = x + tube[0];
        cairo_move_to(cr, tx, y + 41);
        cairo_line_to(cr, tx, y + 50);
        setColor(cr, palette::kInk, 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        roundedRectPath(cr, tx - 4, y + 50, 8, tube[1], 3);
        fillVerticalGradient(cr, y + 50, y + 50 + tube[1], {0.88, 0.84, 0.56}, {0.62, 0.56, 0.3});
        strokeInk(cr, 1.6);
        cairo_new_path(cr);
        cairo_move_to(cr, tx - 4, y + 50 + tube[1] * 0.45);  // bamboo joint
        cairo_line_to(cr, tx + 4, y + 50 + tube[1] * 0.45);
        setColor(cr, palette::kInk, 0.5);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, x, y + 140, 7, 0, 2 * M_PI);  // a shell at the end of the striker's cord
    cairo_move_to(cr, x, y + 41);
    cairo_line_to(cr, x, y + 133);
    setColor(cr, palette::kInk, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, x, y + 140, 7, 0, 2 * M_PI);
    fillRoundShading(cr, x, y + 140, 7, mix(palette::kCoral, palette::kParchment, 0.5));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
}

void paintAwakeFace(cairo_t* cr) {
    using namespace shrine;
    const double r = kFaceRadius;
    for (double side : {-1.0, 1.0}) {
        const double x = kFaceX + side * r * 0.33;
        const double y = kFaceY - r * 0.16;
        paintGlow(cr, x, y, r * 0.45, {0.9, 1, 1}, {0.4, 0.8, 1}, 0.9);
        cairo_new_path(cr);
        ellipsePath(cr, x, y, r * 0.15, r * 0.08);
        setColor(cr, palette::kWhite);
        cairo_fill_preserve(cr);
        strokeInk(cr, 2, 0.6);
        cairo_new_path(cr);
    }
    paintGlow(cr, kMouthX, kMouthY, r * 0.7, {0.95, 1, 1}, {0.5, 0.85, 1}, 0.8);
}
