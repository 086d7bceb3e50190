#include "tools/forge/art/camp_scenery.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/camp_palms.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"

namespace {

using namespace campPalette;

constexpr Rgb kHaze{0.74, 0.86, 0.90};
constexpr Rgb kTarp{0.93, 0.88, 0.74};

void smokePlume(cairo_t* cr, double x, double y) {
    for (int k = 0; k < 9; ++k) {
        const double t = k / 8.0;
        paintPuff(cr, x - 140 * t * t - 10 * t, y - 20 - 110 * t, 16 + 34 * t, {0.86, 0.86, 0.84}, 0.55 - 0.3 * t);
    }
}

}  // namespace

void paintFarMountain(cairo_t* cr, double peakX, double peakY, double baseY) {
    cairo_new_path(cr);
    cairo_move_to(cr, peakX - 480, baseY);
    cairo_curve_to(cr, peakX - 300, baseY - 40, peakX - 120, peakY + 60, peakX - 46, peakY + 4);
    cairo_line_to(cr, peakX - 20, peakY + 12);
    cairo_line_to(cr, peakX + 18, peakY + 8);
    cairo_line_to(cr, peakX + 44, peakY);
    cairo_curve_to(cr, peakX + 110, peakY + 50, peakX + 180, baseY - 110, peakX + 300, baseY - 60);
    cairo_line_to(cr, peakX + 300, baseY);
    cairo_close_path(cr);
    fillVerticalGradient(cr, peakY, baseY, mix({0.56, 0.50, 0.48}, kHaze, 0.45), mix(palette::kJungle, kHaze, 0.55));
    cairo_save(cr);
    cairo_clip(cr);
    // The forest climbs the lower slopes; gullies run down from the rim.
    for (int k = 0; k < 14; ++k) {
        const double x = peakX - 420 + k * 55;
        const double top = peakY + 70 + std::abs(x - peakX) * 0.35;
        paintPuff(cr, x, top + 30, 48, mix(palette::kJungle, kHaze, 0.45), 0.7);
    }
    for (int k = -3; k <= 3; ++k) {
        cairo_move_to(cr, peakX + k * 12, peakY + 14);
        cairo_curve_to(cr, peakX + k * 30, peakY + 60, peakX + k * 60, peakY + 110, peakX + k * 95, baseY);
    }
    setColor(cr, mix(palette::kInk, kHaze, 0.6), 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    smokePlume(cr, peakX, peakY);
}

void paintWreck(cairo_t* cr, ForgeRandom& random, double x, double y, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, -0.2);  // heeled over towards the reef
    const double l = size / 2;
    // Masts first, behind the hull: the mainmast stands, the foremast is snapped.
    cairo_move_to(cr, l * 0.15, -l * 0.1);
    cairo_line_to(cr, l * 0.12, -l * 1.25);
    cairo_move_to(cr, -l * 0.45, -l * 0.1);
    cairo_line_to(cr, -l * 0.5, -l * 0.62);
    strokeRound(cr, palette::kWoodDark, std::max(2.0, size * 0.025));
    cairo_move_to(cr, l * 0.12, -l * 1.25);  // stays
    cairo_line_to(cr, l * 0.95, -l * 0.15);
    cairo_move_to(cr, l * 0.12, -l * 1.25);
    cairo_line_to(cr, -l * 0.9, -l * 0.2);
    strokeRound(cr, palette::kInk, 1, 0.5);
    cairo_new_path(cr);  // a torn sail hanging from the gaff
    cairo_move_to(cr, l * 0.13, -l * 1.1);
    cairo_line_to(cr, l * 0.72, -l * 0.95);
    cairo_curve_to(cr, l * 0.6, -l * 0.7, l * 0.5, -l * 0.6, l * 0.42, -l * 0.42);
    cairo_line_to(cr, l * 0.3, -l * 0.55);
    cairo_line_to(cr, l * 0.16, -l * 0.3);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -l * 1.1, -l * 0.3, lighten(kTarp, 0.2), mix(kTarp, palette::kSandShade, 0.5));
    strokeInk(cr, 1.2, 0.7);
    cairo_new_path(cr);
    // The hull: a long curve of dark planks with a cream stripe under the rail.
    cairo_move_to(cr, -l, -l * 0.16);
    cairo_curve_to(cr, -l * 0.4, -l * 0.08, l * 0.5, -l * 0.08, l * 1.05, -l * 0.26);
    cairo_curve_to(cr, l * 0.95, -l * 0.05, l * 0.8, l * 0.1, l * 0.55, l * 0.14);
    cairo_line_to(cr, -l * 0.8, l * 0.14);
    cairo_curve_to(cr, -l * 0.9, l * 0.05, -l * 0.96, -l * 0.05, -l, -l * 0.16);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -l * 0.25, l * 0.14, {0.42, 0.27, 0.16}, {0.22, 0.14, 0.09});
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, -l * 0.96, -l * 0.1);
    cairo_curve_to(cr, -l * 0.4, -l * 0.03, l * 0.5, -l * 0.03, l * 0.98, -l * 0.19);
    strokeRound(cr, {0.93, 0.87, 0.7}, std::max(1.5, size * 0.02));
    cairo_restore(cr);
    // Black rocks of the reef and the surf breaking round them.
    for (int k = 0; k < 6; ++k) {
        const double rx = x - size * 0.55 + k * size * 0.22 + random.uniform(-5, 5);
        paintRock(cr, rx, y + random.uniform(-4, 4), size * random.uniform(0.1, 0.18), size * random.uniform(0.06, 0.1));
    }
    for (int k = 0; k < 10; ++k) {
        const double fx = x - size * 0.7 + k * size * 0.15;
        paintPuff(cr, fx, y + size * 0.07 + random.uniform(-3, 3), size * random.uniform(0.05, 0.09), palette::kWhite, 0.7);
    }
}

namespace {

// A clump of foliage: a bumpy round outline, lit from above, a few bright leaf tips on top.
void foliageClump(cairo_t* cr, ForgeRandom& random, double x, double y, double r, Rgb color, double ink) {
    const double phase1 = random.uniform(0, 2 * M_PI);
    const double phase2 = random.uniform(0, 2 * M_PI);
    cairo_new_path(cr);
    for (int k = 0; k <= 72; ++k) {
        const double a = k * 2 * M_PI / 72;
        const double rr = r * (1 + 0.07 * std::sin(9 * a + phase1) + 0.05 * std::sin(15 * a + phase2));
        cairo_line_to(cr, x + rr * std::cos(a), y + rr * 0.82 * std::sin(a));
    }
    cairo_close_path(cr);
    fillVerticalGradient(cr, y - r, y + r * 0.8, lighten(color, 0.28), darken(color, 0.22));
    setColor(cr, palette::kInk, ink);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    for (int k = 0; k < 7; ++k) {
        const double a = random.uniform(-2.7, -0.4);
        const double d = r * random.uniform(0.3, 0.8);
        const double lx = x + std::cos(a) * d;
        const double ly = y + std::sin(a) * d * 0.8;
        cairo_new_path(cr);
        cairo_move_to(cr, lx - 5, ly + 2);
        cairo_curve_to(cr, lx - 2, ly - 3, lx + 3, ly - 3, lx + 6, ly);
        strokeRound(cr, lighten(color, 0.45), 1.8, 0.6);
    }
}

}  // namespace

void paintJungleEdge(cairo_t* cr, ForgeRandom& random, double left, double right, double top, double bottom) {
    const double width = right - left;
    const auto topAt = [&](double x) {
        const double t = (x - left) / width;
        return top + (1 - t) * 90 + 14 * std::sin(x * 0.02) + 8 * std::sin(x * 0.047 + 1);
    };
    const auto bottomAt = [&](double x) { return bottom - (1 - (x - left) / width) * 140 + 10 * std::sin(x * 0.03); };
    cairo_new_path(cr);
    cairo_move_to(cr, left, bottomAt(left));
    for (double x = left; x <= right + 10; x += 10) cairo_line_to(cr, x, topAt(x) + 20);
    for (double x = right + 10; x >= left; x -= 10) cairo_line_to(cr, x, bottomAt(x));
    cairo_close_path(cr);
    fillVerticalGradient(cr, top, bottom, {0.10, 0.30, 0.20}, {0.06, 0.20, 0.13});
    cairo_new_path(cr);
    // Palms of the interior stick out above the canopy.
    for (double x = left + 60; x < right; x += random.uniform(110, 170)) {
        const double foot = topAt(x) + 50;
        paintFeatherPalm(cr, x, foot, x + random.uniform(-12, 12), foot - random.uniform(70, 100), 80,
                         mix(palette::kLeaf, kHaze, 0.25), mix(palette::kJungle, kHaze, 0.25),
                         static_cast<unsigned>(x));
    }
    // Rows of clumps, the back ones hazier and smaller, the front ones rich and dark.
    for (int row = 0; row < 4; ++row) {
        const Rgb leaf = mix(row % 2 == 0 ? palette::kJungle : darken(palette::kLeaf, 0.25), kHaze, 0.18 - 0.06 * row);
        for (double x = left + random.uniform(0, 30); x < right + 30; x += random.uniform(40, 64)) {
            const double y = topAt(x) + 26 + row * (bottomAt(x) - topAt(x)) * 0.22 + random.uniform(-8, 8);
            if (y > bottomAt(x) - 14) continue;
            foliageClump(cr, random, x, y, random.uniform(30, 44) - row * 2, leaf, 0.15 + 0.07 * row);
        }
    }
    // Ferns and young leaves spill over the lower edge onto the sand.
    for (double x = left + 10; x < right; x += random.uniform(16, 26)) {
        const double y = bottomAt(x) + 6;
        const double a = -M_PI / 2 + random.uniform(-1.2, 1.2);
        const Rgb light = mix(palette::kLeaf, palette::kGold, random.uniform(0, 0.15));
        paintBroadLeaf(cr, x, y, a, random.uniform(26, 42), random.uniform(6, 9), light, darken(palette::kJungle, 0.1));
    }
}

void paintBoulder(cairo_t* cr, ForgeRandom& random, double x, double y, double w, double h) {
    groundShadow(cr, x + w * 0.6, y + 2, w * 0.62, h * 0.2, 0.35);
    std::vector<CampPoint> outline;
    for (int k = 0; k < 8; ++k) {  // round the top, flat where it sits
        const double a = M_PI + k * M_PI / 7;
        const double r = random.uniform(0.85, 1.1);
        outline.push_back({x + w / 2 + std::cos(a) * w / 2 * r, y + std::sin(a) * h * r});
    }
    cairo_new_path(cr);
    smoothPath(cr, outline, true);
    cairo_pattern_t* light = cairo_pattern_create_radial(x + w * 0.3, y - h * 0.8, h * 0.1, x + w * 0.5, y - h * 0.4, w * 0.7);
    const Rgb lit = lighten(kStone, 0.3);
    const Rgb shade = darken(kStone, 0.3);
    cairo_pattern_add_color_stop_rgb(light, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(light, 1, shade.r, shade.g, shade.b);
    cairo_set_source(cr, light);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(light);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    paintPuff(cr, x + w * 0.4, y - h * 0.95, w * 0.35, mix(palette::kLeaf, kStone, 0.3), 0.6);  // moss on top
    cairo_restore(cr);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
    cairo_move_to(cr, x + w * 0.55, y - h * 0.85);  // a crack
    cairo_line_to(cr, x + w * 0.5, y - h * 0.5);
    cairo_line_to(cr, x + w * 0.58, y - h * 0.25);
    strokeRound(cr, palette::kInk, 1.2, 0.5);
}

void paintRockyPoint(cairo_t* cr, ForgeRandom& random) {
    struct Stone {
        double x, y, w, h;
    };
    for (const Stone& s : {Stone{-14, 470, 96, 52}, Stone{48, 482, 60, 30}, Stone{-6, 606, 80, 38},
                           Stone{92, 616, 48, 22}, Stone{128, 402, 40, 18}}) {
        paintBoulder(cr, random, s.x, s.y, s.w, s.h);
    }
    for (int k = 0; k < 10; ++k) paintGrassTuft(cr, random, random.uniform(10, 160), random.uniform(440, 600), 26);
}

void paintTarpShelter(cairo_t* cr, double x, double y, double size) {
    groundShadow(cr, x + size * 0.55, y + size * 0.02, size * 0.7, size * 0.12, 0.35);
    paintCrate(cr, x + size * 0.1, y - size * 0.3, size * 0.3);
    paintCrate(cr, x + size * 0.42, y - size * 0.22, size * 0.22);
    paintBarrel(cr, x + size * 0.72, y - size * 0.34, size * 0.2, size * 0.32);
    for (const double px : {x, x + size}) {
        cairo_move_to(cr, px, y);
        cairo_line_to(cr, px, y - size * 0.62);
        strokeRound(cr, palette::kWoodDark, std::max(2.0, size * 0.035));
    }
    cairo_new_path(cr);  // the tarp sags between the two poles and is pegged down at the back
    cairo_move_to(cr, x - size * 0.04, y - size * 0.62);
    cairo_curve_to(cr, x + size * 0.3, y - size * 0.52, x + size * 0.7, y - size * 0.52, x + size * 1.04, y - size * 0.62);
    cairo_line_to(cr, x + size * 1.2, y - size * 0.3);
    cairo_curve_to(cr, x + size * 0.8, y - size * 0.24, x + size * 0.4, y - size * 0.24, x + size * 0.1, y - size * 0.3);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y - size * 0.62, y - size * 0.24, lighten(kTarp, 0.15), mix(kTarp, palette::kSandShade, 0.6));
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void paintFireRing(cairo_t* cr, double x, double y, double size) {
    ellipsePath(cr, x, y, size, size * 0.42);
    setColor(cr, {0.35, 0.3, 0.27});
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {  // charred logs
        const double a = k * 2.1 + 0.3;
        cairo_move_to(cr, x - std::cos(a) * size * 0.55, y - std::sin(a) * size * 0.2);
        cairo_line_to(cr, x + std::cos(a) * size * 0.55, y + std::sin(a) * size * 0.2);
        strokeRound(cr, {0.2, 0.14, 0.1}, size * 0.16);
    }
    for (int k = 0; k < 10; ++k) {
        const double a = k * 2 * M_PI / 10;
        const double sx = x + std::cos(a) * size;
        const double sy = y + std::sin(a) * size * 0.42;
        cairo_new_path(cr);
        ellipsePath(cr, sx, sy, size * 0.2, size * 0.14);
        shadeWithInk(cr, sx, sy, size * 0.2, kStone, 1.2);
    }
}

void paintGrassTuft(cairo_t* cr, ForgeRandom& random, double x, double y, double size) {
    for (int k = 0; k < 7; ++k) {
        const double a = -M_PI / 2 + random.uniform(-0.8, 0.8);
        const double len = size * random.uniform(0.5, 1.0);
        const double tipX = x + std::cos(a) * len;
        const double tipY = y + std::sin(a) * len;
        cairo_move_to(cr, x - 2, y);
        cairo_curve_to(cr, x + (tipX - x) * 0.3, y - len * 0.4, tipX, tipY + len * 0.2, tipX, tipY);
        cairo_curve_to(cr, tipX, tipY + len * 0.2, x + (tipX - x) * 0.3 + 2, y - len * 0.35, x + 2, y);
        cairo_close_path(cr);
        fillVerticalGradient(cr, y - len, y, mix(palette::kLeaf, palette::kGold, 0.3), darken(palette::kLeaf, 0.2));
        cairo_new_path(cr);
    }
}
