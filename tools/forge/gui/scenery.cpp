#include "tools/forge/gui/scenery.h"

#include <cmath>

#include "tools/forge/gui/paint.h"

namespace {

void sky(cairo_t* cr, const SeascapeSpec& s) {
    const double horizonY = s.height * s.horizon;
    cairo_rectangle(cr, 0, 0, s.width, horizonY + 1);
    fillVerticalGradient(cr, 0, horizonY, s.skyTop, s.skyBottom);
    cairo_new_path(cr);
    const double sx = s.width * s.sunX;
    const double sy = s.height * s.sunY;
    const double r = s.width * s.sunRadius;
    cairo_pattern_t* glow = cairo_pattern_create_radial(sx, sy, r * 0.8, sx, sy, r * 5);
    cairo_pattern_add_color_stop_rgba(glow, 0, s.sunColor.r, s.sunColor.g, s.sunColor.b, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 1, s.sunColor.r, s.sunColor.g, s.sunColor.b, 0);
    cairo_rectangle(cr, 0, 0, s.width, horizonY);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_arc(cr, sx, sy, r, 0, 2 * M_PI);
    setColor(cr, lighten(s.sunColor, 0.4));
    cairo_fill(cr);
}

void island(cairo_t* cr, double x, double y, double w, double h, Rgb color) {
    cairo_move_to(cr, x - w / 2, y);
    cairo_curve_to(cr, x - w * 0.3, y - h * 0.5, x - w * 0.15, y - h, x + w * 0.05, y - h);
    cairo_curve_to(cr, x + w * 0.25, y - h, x + w * 0.35, y - h * 0.4, x + w / 2, y);
    cairo_close_path(cr);
    setColor(cr, color);
    cairo_fill(cr);
}

void sea(cairo_t* cr, const SeascapeSpec& s) {
    const double horizonY = s.height * s.horizon;
    cairo_rectangle(cr, 0, horizonY, s.width, s.height - horizonY);
    fillVerticalGradient(cr, horizonY, s.height, s.seaTop, s.seaBottom);
    cairo_new_path(cr);
    if (s.islands) {
        const Rgb haze = mix(s.skyBottom, palette::kJungle, 0.45);
        island(cr, s.width * 0.18, horizonY, s.width * 0.26, s.height * 0.07, haze);
        island(cr, s.width * 0.36, horizonY, s.width * 0.12, s.height * 0.035, mix(haze, s.skyBottom, 0.3));
        island(cr, s.width * 0.86, horizonY, s.width * 0.2, s.height * 0.05, mix(haze, s.skyBottom, 0.15));
    }
    ArtRandom random(s.seed);
    const int glints = static_cast<int>(s.width / 8);
    for (int i = 0; i < glints; ++i) {  // sun glitter and wave crests
        const double t = random.unit();
        const double y = horizonY + 3 + t * t * (s.height - horizonY);
        const double x = random.range(0, s.width);
        const double len = 4 + t * s.width * 0.03;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        setColor(cr, palette::kWhite, 0.12 + 0.25 * (1 - t));
        cairo_set_line_width(cr, 1 + t * 2);
        cairo_stroke(cr);
    }
}

void beach(cairo_t* cr, const SeascapeSpec& s) {
    const double top = s.height * (1 - s.beach);
    cairo_move_to(cr, 0, top + s.height * 0.04);
    cairo_curve_to(cr, s.width * 0.3, top - s.height * 0.02, s.width * 0.6, top + s.height * 0.05, s.width, top);
    cairo_line_to(cr, s.width, s.height);
    cairo_line_to(cr, 0, s.height);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top, s.height, palette::kSand, palette::kSandShade);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, top + s.height * 0.04);  // surf along the water line
    cairo_curve_to(cr, s.width * 0.3, top - s.height * 0.02, s.width * 0.6, top + s.height * 0.05, s.width, top);
    setColor(cr, palette::kWhite, 0.7);
    cairo_set_line_width(cr, std::max(2.0, s.height * 0.008));
    cairo_stroke(cr);
}

void frond(cairo_t* cr, double x, double y, double angle, double length, Rgb color) {
    const double ex = x + std::cos(angle) * length;
    const double ey = y + std::sin(angle) * length + length * 0.35;
    const double mx = x + std::cos(angle) * length * 0.5;
    const double my = y + std::sin(angle) * length * 0.5 - length * 0.12;
    const double nx = -std::sin(angle) * length * 0.12;
    const double ny = std::cos(angle) * length * 0.12;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, mx + nx, my + ny, mx + nx, my + ny, ex, ey);
    cairo_curve_to(cr, mx - nx, my - ny, mx - nx, my - ny, x, y);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y - length * 0.3, ey, lighten(color, 0.25), darken(color, 0.3));
    strokeInk(cr, std::max(1.0, length * 0.03), 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, mx, my, mx, my, ex, ey);
    setColor(cr, darken(color, 0.5), 0.7);
    cairo_set_line_width(cr, std::max(0.8, length * 0.02));
    cairo_stroke(cr);
}

}  // namespace

void paintSeascape(cairo_t* cr, const SeascapeSpec& spec) {
    sky(cr, spec);
    sea(cr, spec);
    if (spec.beach > 0) beach(cr, spec);
}

void drawCloud(cairo_t* cr, double cx, double cy, double width, double alpha) {
    const double r = width / 5;
    const double offsets[][3] = {{-1.6, 0.3, 0.8}, {-0.7, -0.3, 1.1}, {0.4, -0.5, 1.3}, {1.5, 0.1, 0.9}, {0, 0.4, 1.0}};
    for (const auto& o : offsets) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + o[0] * r, cy + o[1] * r, o[2] * r, 0, 2 * M_PI);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillVerticalGradient(cr, cy - r * 1.8, cy + r * 1.4, palette::kWhite, mix(palette::kSky, palette::kWhite, 0.5), alpha);
    cairo_new_path(cr);
}

void drawPalm(cairo_t* cr, double x, double baseY, double height, double lean, uint32_t seed) {
    const double topX = x + lean * height;
    const double topY = baseY - height;
    const double w = height * 0.045;
    cairo_move_to(cr, x - w * 1.4, baseY);
    cairo_curve_to(cr, x - w, baseY - height * 0.5, topX - w * 0.6 - lean * height * 0.4, topY + height * 0.3,
                   topX - w * 0.6, topY);
    cairo_line_to(cr, topX + w * 0.6, topY);
    cairo_curve_to(cr, topX + w * 0.6 - lean * height * 0.4, topY + height * 0.3, x + w, baseY - height * 0.5,
                   x + w * 1.4, baseY);
    cairo_close_path(cr);
    fillRoundShading(cr, x, baseY - height / 2, height * 0.5, palette::kWood);
    strokeInk(cr, std::max(1.0, w * 0.3));
    cairo_new_path(cr);
    for (int i = 1; i < 12; ++i) {  // trunk rings
        const double t = i / 12.0;
        const double cx = x + (topX - x) * t * t;
        const double cy = baseY - height * t;
        cairo_move_to(cr, cx - w * (1.3 - t * 0.6), cy);
        cairo_line_to(cr, cx + w * (1.3 - t * 0.6), cy - w * 0.3);
    }
    setColor(cr, palette::kWoodDark, 0.6);
    cairo_set_line_width(cr, std::max(0.8, w * 0.15));
    cairo_stroke(cr);
    ArtRandom random(seed);
    for (int i = 0; i < 8; ++i) {
        const double angle = -M_PI + i * M_PI / 7 + random.range(-0.15, 0.15);
        frond(cr, topX, topY, angle, height * random.range(0.42, 0.55), mix(palette::kLeaf, palette::kJungle, random.unit() * 0.5));
    }
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, topX - w + i * w, topY + w * 0.8, w * 0.7, 0, 2 * M_PI);
        fillRoundShading(cr, topX - w + i * w, topY + w * 0.8, w * 0.7, palette::kWoodDark);
        cairo_new_path(cr);
    }
}
