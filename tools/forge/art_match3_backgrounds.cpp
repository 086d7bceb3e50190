// The two match-3 backgrounds, 1600 x 900 JPEG under img/match3_backgrounds/, and the animated
// foreground layers of the second. The board covers x 193..1403, y 33..803 and the play screen's
// bar the bottom from y 814, so the detail (palms, camp, waterfall) lives in the side strips and
// the middle stays calm: sky and sea, or misty jungle.
//   back1.jpg                 a sunlit beach: lagoon, far islands, palms, the camp's tent and crates
//   back2.jpg                 a jungle clearing: misty canopy, a waterfall on the right, a hut
//   back2_leaves_left.png     300 x 560, meant for (0, 0): leaves and a vine hanging into the left
//                             strip; sways round its top-left corner
//   back2_leaves_right.png    300 x 560, meant for (1300, 0): the same on the right; sways round
//                             its top-right corner
//   back2_rays.png            1000 x 760, meant for (300, 0): shafts of sunlight, drawn
//                             additively with a slowly breathing opacity
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/canvas.h"
#include "tools/forge/forge.h"
#include "tools/forge/paint_glow.h"
#include "tools/forge/paint_plants.h"
#include "tools/forge/paint_sheet.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kJpegQuality = 88;

// A cumulus cloud from overlapping puffs, lit from above.
void cloud(cairo_t* cr, ForgeRandom& random, double x, double y, double width) {
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

void sky(cairo_t* cr, double horizon, Rgb top, Rgb low) {
    cairo_rectangle(cr, 0, 0, kWidth, horizon + 2);
    fillVerticalGradient(cr, 0, horizon, top, low);
    cairo_new_path(cr);
}

void distantIslands(cairo_t* cr, double horizon) {
    const Rgb hill{0.36, 0.58, 0.56};
    struct Hump {
        double x, width, height;
    };
    for (const Hump& h : {Hump{420, 260, 34}, Hump{560, 180, 22}, Hump{1010, 340, 46}, Hump{1180, 160, 20}}) {
        cairo_new_path(cr);
        cairo_move_to(cr, h.x - h.width / 2, horizon + 1);
        cairo_curve_to(cr, h.x - h.width / 4, horizon - h.height, h.x + h.width / 4, horizon - h.height,
                       h.x + h.width / 2, horizon + 1);
        cairo_close_path(cr);
        fillVerticalGradient(cr, horizon - h.height, horizon, lighten(hill, 0.15), hill);
    }
}

void sea(cairo_t* cr, ForgeRandom& random, double horizon, double shore) {
    cairo_rectangle(cr, 0, horizon, kWidth, shore - horizon + 40);
    fillVerticalGradient(cr, horizon, shore, {0.14, 0.48, 0.62}, {0.30, 0.80, 0.80});
    cairo_new_path(cr);
    for (int k = 0; k < 70; ++k) {  // glints on the water, longer and fainter near the shore
        const double y = random.uniform(horizon + 4, shore);
        const double depth = (y - horizon) / (shore - horizon);
        const double x = random.uniform(0, kWidth);
        const double len = 20 + 60 * depth;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
        setColor(cr, palette::kWhite, 0.12 + 0.1 * (1 - depth));
        cairo_set_line_width(cr, 1.5 + depth);
        cairo_stroke(cr);
    }
}

void beach(cairo_t* cr, double shore) {
    const auto shoreline = [&](double dy) {
        cairo_move_to(cr, 0, shore + dy);
        for (int x = 0; x <= kWidth; x += 20) {
            cairo_line_to(cr, x, shore + dy + 14 * std::sin(x * 0.004) + 6 * std::sin(x * 0.013 + 1));
        }
        cairo_line_to(cr, kWidth, kHeight);
        cairo_line_to(cr, 0, kHeight);
        cairo_close_path(cr);
    };
    cairo_new_path(cr);
    shoreline(-6);
    setColor(cr, palette::kWhite, 0.75);  // the foam edge
    cairo_fill(cr);
    shoreline(2);
    setColor(cr, {0.78, 0.7, 0.52});  // wet sand
    cairo_fill(cr);
    shoreline(16);
    fillVerticalGradient(cr, shore, kHeight, palette::kSand, palette::kSandShade);
    cairo_new_path(cr);
}

void tent(cairo_t* cr, double x, double y, double size) {
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

void crate(cairo_t* cr, double x, double y, double size) {
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

void barrel(cairo_t* cr, double x, double y, double w, double h) {
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

void starfish(cairo_t* cr, double x, double y, double r, double turn) {
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

// Ripples the wind has drawn in the sand.
void duneLines(cairo_t* cr, ForgeRandom& random, double top) {
    for (int k = 0; k < 18; ++k) {
        const double y = random.uniform(top + 30, kHeight - 20);
        const double x = random.uniform(-100, kWidth);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 60, y - 6, x + 140, y + 6, x + 220, y);
        setColor(cr, palette::kSandShade, 0.35);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

void vignette(cairo_t* cr, double strength) {
    cairo_pattern_t* edge = cairo_pattern_create_radial(kWidth / 2.0, kHeight / 2.0, 380, kWidth / 2.0, kHeight / 2.0, 1000);
    cairo_pattern_add_color_stop_rgba(edge, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(edge, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, strength);
    cairo_set_source(cr, edge);
    cairo_paint(cr);
    cairo_pattern_destroy(edge);
}

RgbaImage beachBackground() {
    constexpr double kHorizon = 360;
    constexpr double kShore = 610;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0xbeac4);
    sky(cr, kHorizon, {0.40, 0.70, 0.93}, {0.88, 0.94, 0.92});
    paintGlow(cr, 1260, 130, 320, {1, 0.98, 0.85}, {1, 0.9, 0.6}, 0.55);
    {
        Canvas clouds(kWidth / 2, kHeight / 2);  // painted small and softened: they are far away
        cairo_scale(clouds.cr(), 0.5, 0.5);
        for (const auto& [x, y, w] : {std::tuple{330.0, 150.0, 420.0}, std::tuple{820.0, 90.0, 300.0},
                                      std::tuple{1200.0, 230.0, 380.0}, std::tuple{620.0, 280.0, 260.0},
                                      std::tuple{1480.0, 110.0, 240.0}}) {
            cloud(clouds.cr(), random, x, y, w);
        }
        RgbaImage soft = clouds.toImage();
        boxBlur(soft, 2);
        canvas.drawImage(soft, 0, 0, 2.0);
    }
    distantIslands(cr, kHorizon);
    sea(cr, random, kHorizon, kShore);
    beach(cr, kShore);
    duneLines(cr, random, kShore);
    starfish(cr, 120, 790, 18, 0.3);
    starfish(cr, 1440, 640, 13, -0.2);
    paintPalm(cr, 40, 920, 150, 190, 440);
    paintPalm(cr, 1580, 930, 1480, 250, 400);
    paintPalm(cr, 1650, 900, 1560, 420, 300, lighten(palette::kLeaf, 0.1), palette::kJungle);
    tent(cr, 8, 600, 180);
    crate(cr, 1430, 716, 74);
    crate(cr, 1500, 744, 56);
    barrel(cr, 1520, 650, 58, 82);
    for (int k = 0; k < 3; ++k) {  // beach grass round the camp's feet
        paintBroadLeaf(cr, 150 + k * 20, 812, -1.9 + 0.35 * k, 90, 14, palette::kLeaf, palette::kJungle);
        paintBroadLeaf(cr, 1400 + k * 22, 812, -1.2 - 0.35 * k, 90, 14, palette::kLeaf, palette::kJungle);
    }
    vignette(cr, 0.35);
    return canvas.toImage();
}

// Misty layers of canopy, each a row of round crowns lit from above, paler the further away.
void canopyRow(cairo_t* cr, ForgeRandom& random, double baseY, double radius, Rgb color, double haze) {
    const Rgb c = mix(color, {0.78, 0.88, 0.8}, haze);
    cairo_rectangle(cr, 0, baseY, kWidth, kHeight - baseY);
    setColor(cr, darken(c, 0.1));
    cairo_fill(cr);
    for (double x = -radius; x < kWidth + radius; x += radius * random.uniform(0.7, 1.1)) {
        const double r = radius * random.uniform(0.8, 1.2);
        const double y = baseY - random.uniform(0, radius * 0.6);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_pattern_t* crown = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.5, r * 0.1, x, y, r * 1.2);
        const Rgb top = lighten(c, 0.22);
        const Rgb low = darken(c, 0.12);
        cairo_pattern_add_color_stop_rgb(crown, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(crown, 1, low.r, low.g, low.b);
        cairo_set_source(cr, crown);
        cairo_fill(cr);
        cairo_pattern_destroy(crown);
    }
    cairo_new_path(cr);
}

// A tall jungle tree: a straight trunk with buttress roots and a crown of leaf clumps.
void jungleTree(cairo_t* cr, ForgeRandom& random, double x, double baseY, double height, double haze) {
    const Rgb bark = mix({0.42, 0.34, 0.25}, {0.7, 0.8, 0.72}, haze);
    const double w = height * 0.035;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w * 2.2, baseY);
    cairo_curve_to(cr, x - w, baseY - w, x - w, baseY - height * 0.2, x - w * 0.8, baseY - height);
    cairo_line_to(cr, x + w * 0.8, baseY - height);
    cairo_curve_to(cr, x + w, baseY - height * 0.2, x + w, baseY - w, x + w * 2.2, baseY);
    cairo_close_path(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(x - w, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(shade, 0, bark.r * 1.2, bark.g * 1.2, bark.b * 1.2);
    cairo_pattern_add_color_stop_rgb(shade, 1, bark.r * 0.7, bark.g * 0.7, bark.b * 0.7);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    const Rgb leaf = mix(palette::kJungle, {0.7, 0.82, 0.72}, haze);
    for (int k = 0; k < 7; ++k) {
        const double cx = x + random.uniform(-height * 0.16, height * 0.16);
        const double cy = baseY - height + random.uniform(-height * 0.08, height * 0.06);
        const double r = height * random.uniform(0.08, 0.13);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        fillVerticalGradient(cr, cy - r, cy + r, lighten(leaf, 0.3), leaf);
    }
    cairo_new_path(cr);
}

// A rock face on the right whose lip the waterfall pours over.
void cliff(cairo_t* cr, double left, double top, double bottom) {
    cairo_new_path(cr);
    cairo_move_to(cr, left, bottom);
    cairo_curve_to(cr, left - 10, bottom - 150, left + 30, top + 80, left + 20, top);
    cairo_line_to(cr, kWidth + 5, top - 30);
    cairo_line_to(cr, kWidth + 5, bottom);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top, bottom, {0.55, 0.56, 0.5}, {0.33, 0.34, 0.3});
    strokeInk(cr, 2.5, 0.7);
    cairo_new_path(cr);
    for (int k = 0; k < 9; ++k) {  // ledges across the stone
        const double y = top + 40 + k * (bottom - top - 60) / 9.0;
        cairo_move_to(cr, left + 25, y);
        cairo_curve_to(cr, left + 80, y - 8, left + 140, y + 6, kWidth, y - 4);
    }
    setColor(cr, palette::kInk, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, left + 10, top - 16, kWidth - left, 24);  // moss along the top
    fillVerticalGradient(cr, top - 16, top + 8, palette::kLeaf, palette::kJungle);
    cairo_new_path(cr);
}

void groundPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 560, 640);
    cairo_curve_to(cr, 700, 660, 620, 760, 420, 905);
    cairo_line_to(cr, 1120, 905);
    cairo_curve_to(cr, 960, 760, 880, 660, 1000, 640);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 640, 900, {0.72, 0.62, 0.42}, {0.55, 0.44, 0.28}, 0.8);
    cairo_new_path(cr);
}

void waterfall(cairo_t* cr, ForgeRandom& random, double x, double top, double bottom, double width) {
    cairo_rectangle(cr, x, top, width, bottom - top);
    fillVerticalGradient(cr, top, bottom, {0.75, 0.9, 0.95}, {0.55, 0.8, 0.88});
    cairo_new_path(cr);
    for (int k = 0; k < 24; ++k) {
        const double sx = x + random.uniform(4, width - 4);
        cairo_move_to(cr, sx, top + random.uniform(0, 60));
        cairo_line_to(cr, sx + random.uniform(-2, 2), bottom - random.uniform(0, 40));
        setColor(cr, palette::kWhite, random.uniform(0.3, 0.7));
        cairo_set_line_width(cr, random.uniform(1.5, 4));
        cairo_stroke(cr);
    }
    for (int k = 0; k < 8; ++k) {
        paintPuff(cr, x + width * random.uniform(-0.2, 1.2), bottom + random.uniform(-10, 10), random.uniform(18, 30),
                  {0.92, 0.97, 1.0}, 0.6);
    }
}

void rock(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + h);
    cairo_curve_to(cr, x, y + h * 0.2, x + w * 0.3, y, x + w * 0.55, y);
    cairo_curve_to(cr, x + w * 0.85, y, x + w, y + h * 0.4, x + w, y + h);
    cairo_close_path(cr);
    fillRoundShading(cr, x + w * 0.5, y + h * 0.6, std::max(w, h) * 0.6, {0.46, 0.47, 0.44});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

void hut(cairo_t* cr, double x, double y) {
    for (double px : {x + 10, x + 150}) {
        cairo_rectangle(cr, px, y + 70, 12, 160);
        fillVerticalGradient(cr, y + 70, y + 230, palette::kWood, palette::kWoodDark);
        strokeInk(cr, 2);
        cairo_new_path(cr);
    }
    cairo_rectangle(cr, x + 16, y + 150, 140, 14);  // a bench of planks
    fillVerticalGradient(cr, y + 150, y + 164, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 30, y + 90);
    cairo_line_to(cr, x + 80, y);
    cairo_line_to(cr, x + 200, y + 90);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y, y + 90, {0.86, 0.72, 0.42}, {0.6, 0.46, 0.24});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (int k = 1; k < 12; ++k) {  // thatch
        const double t = k / 12.0;
        cairo_move_to(cr, x + 80 + (t - 0.5) * 10, y + 6);
        cairo_line_to(cr, x - 30 + 230 * t, y + 88);
    }
    setColor(cr, palette::kInk, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

RgbaImage jungleBackground() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0x1a6e);
    sky(cr, 500, {0.80, 0.90, 0.78}, {0.92, 0.95, 0.82});
    paintGlow(cr, 760, 80, 420, {1, 1, 0.88}, {0.95, 0.95, 0.7}, 0.6);
    {
        Canvas far(kWidth / 2, kHeight / 2);  // the far forest, painted small and softened by mist
        cairo_t* fc = far.cr();
        cairo_scale(fc, 0.5, 0.5);
        canopyRow(fc, random, 300, 70, {0.35, 0.6, 0.45}, 0.6);
        for (double x : {180.0, 520.0, 980.0, 1300.0}) jungleTree(fc, random, x, 480, 300, 0.55);
        canopyRow(fc, random, 420, 90, {0.25, 0.5, 0.35}, 0.4);
        RgbaImage soft = far.toImage();
        boxBlur(soft, 2);
        canvas.drawImage(soft, 0, 0, 2.0);
    }
    for (double x : {260.0, 700.0, 1180.0}) jungleTree(cr, random, x, 600, 420, 0.3);
    canopyRow(cr, random, 560, 100, {0.18, 0.42, 0.27}, 0.15);
    cairo_rectangle(cr, 0, 630, kWidth, kHeight - 630);
    fillVerticalGradient(cr, 630, kHeight, {0.38, 0.5, 0.24}, {0.24, 0.26, 0.14});
    groundPath(cr);
    cliff(cr, 1395, 230, 700);
    waterfall(cr, random, 1440, 220, 680, 70);
    rock(cr, 1390, 620, 120, 90);
    rock(cr, 1500, 640, 110, 80);
    jungleTree(cr, random, 60, 650, 600, 0.0);
    hut(cr, 10, 520);
    for (int k = 0; k < 6; ++k) {  // ferns along the ground at both sides
        const double x = k < 3 ? 20 + k * 60 : 1420 + (k - 3) * 60;
        paintBroadLeaf(cr, x, 800, -2.3 + 0.5 * (k % 3), 130, 26, palette::kLeaf, palette::kJungle);
        paintBroadLeaf(cr, x, 800, -0.9 - 0.4 * (k % 3), 120, 24, palette::kLeaf, palette::kJungle);
    }
    vignette(cr, 0.4);
    return canvas.toImage();
}

RgbaImage hangingLeaves(bool right) {
    Canvas canvas(300, 560);
    cairo_t* cr = canvas.cr();
    if (right) {  // mirror, so the right layer hangs from its top-right corner
        cairo_translate(cr, 300, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 60, -5);
    cairo_curve_to(cr, 90, 160, 40, 300, 75, 540);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    setColor(cr, {0.35, 0.45, 0.2});
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    const Rgb light = lighten(palette::kLeaf, 0.1);
    for (int k = 0; k < 7; ++k) {
        const double y = 70 + k * 68;
        const double x = 64 + 14 * std::sin(k * 1.3);
        paintBroadLeaf(cr, x, y, k % 2 ? 0.5 : 2.6, 70 - k * 3, 17, light, palette::kJungle);
    }
    paintBroadLeaf(cr, -20, 10, 0.6, 260, 60, light, palette::kJungle);
    paintBroadLeaf(cr, -10, -10, 1.2, 200, 50, palette::kLeaf, darken(palette::kJungle, 0.2));
    paintBroadLeaf(cr, 10, -20, 0.15, 240, 45, light, palette::kJungle);
    return withDropShadow(canvas.toImage(), 6, 10, 6, 0.4);
}

RgbaImage lightRays() {
    Canvas canvas(1000, 760);
    cairo_t* cr = canvas.cr();
    const double starts[] = {330, 430, 520, 610, 700};
    for (size_t k = 0; k < std::size(starts); ++k) {
        const double x = starts[k];
        const double lean = 160 - 70.0 * k;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 20, 0);
        cairo_line_to(cr, x + 20 + k * 6, 0);
        cairo_line_to(cr, x + lean + 90, 760);
        cairo_line_to(cr, x + lean - 40, 760);
        cairo_close_path(cr);
        cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, 760);
        cairo_pattern_add_color_stop_rgba(fade, 0, 1, 0.98, 0.85, 0.3);
        cairo_pattern_add_color_stop_rgba(fade, 1, 1, 0.98, 0.85, 0);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
    RgbaImage image = canvas.toImage();
    boxBlur(image, 10);
    return image;
}

RgbaImage preview(const RgbaImage& background) { return scaledCopy(background, kWidth / 2, kHeight / 2); }

}  // namespace

FORGE_STEP(backgrounds_beach) {
    const RgbaImage back = beachBackground();
    forge.writeJpeg("img/match3_backgrounds/back1.jpg", back, kJpegQuality);
    forge.addContactSheet("backgrounds_beach", preview(back));
}

FORGE_STEP(backgrounds_jungle) {
    RgbaImage back = jungleBackground();
    forge.writeJpeg("img/match3_backgrounds/back2.jpg", back, kJpegQuality);
    const RgbaImage left = hangingLeaves(false);
    const RgbaImage right = hangingLeaves(true);
    const RgbaImage rays = lightRays();
    forge.writePng("img/match3_backgrounds/back2_leaves_left.png", left);
    forge.writePng("img/match3_backgrounds/back2_leaves_right.png", right);
    forge.writePng("img/match3_backgrounds/back2_rays.png", rays);
    // The screen as the player sees it, layers in place (rays added, as the game draws them).
    Canvas composed(kWidth, kHeight);
    composed.drawImage(back, 0, 0);
    cairo_set_operator(composed.cr(), CAIRO_OPERATOR_ADD);
    composed.drawImage(rays, 300, 0, 1.0, 0.6);
    cairo_set_operator(composed.cr(), CAIRO_OPERATOR_OVER);
    composed.drawImage(left, 0, 0);
    composed.drawImage(right, 1300, 0);
    forge.addContactSheet("backgrounds_jungle", preview(composed.toImage()));
}
