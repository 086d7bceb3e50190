// The title's scenery, under img/states/title/:
//   back.jpg     1600 x 900  a split view at the waterline (y 548): the island on the horizon
//                            under a bright sky with the game's name above it, and below the
//                            surface a sunlit lagoon over a sandy floor with coral, weed and rocks
//   ui_bar.png   1416 x 375  placed at (92, 525), drawn over the fish: the ropes the menu signs
//                            hang from, the exit sign's post and the driftwood plank the greeting
//                            is written on; clear everywhere else
//   rays.png     240 x 260   one bundle of light shafts, drawn additively five times side by side
//                            below the surface, each pulsing; kept small, as additive
//                            drawing costs by the pixel
#include <algorithm>
#include <cmath>
#include <string>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/scenery.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr double kWaterline = 548;
constexpr int kBarX = 92, kBarY = 525;
constexpr int kBarWidth = 1416, kBarHeight = 375;
constexpr int kRaysWidth = 240, kRaysHeight = 260;

const Rgb kShallow{0.16, 0.62, 0.70};
const Rgb kDeep{0.04, 0.22, 0.38};
const Rgb kSandLit{0.93, 0.84, 0.62};
const Rgb kSandDeep{0.62, 0.56, 0.46};

void paintAboveWater(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kWidth, kWaterline);
    cairo_clip(cr);
    SeascapeSpec sky;
    sky.width = kWidth;
    sky.height = kWaterline;
    sky.horizon = 0.84;
    sky.skyTop = {0.30, 0.62, 0.90};
    sky.skyBottom = {0.86, 0.93, 0.92};
    sky.sunX = 0.82;
    sky.sunY = 0.22;
    sky.sunRadius = 0.035;
    sky.seed = 18;
    paintSeascape(cr, sky);
    drawCloud(cr, 260, 120, 300, 0.8);
    drawCloud(cr, 1180, 70, 240, 0.6);
    drawCloud(cr, 520, 300, 200, 0.5);
    drawPalm(cr, 1400, kWaterline - 70, 230, -0.12, 11);
    drawPalm(cr, 1460, kWaterline - 66, 170, 0.1, 12);
    cairo_restore(cr);
}

void paintWaterBody(cairo_t* cr) {
    cairo_rectangle(cr, 0, kWaterline, kWidth, kHeight - kWaterline);
    fillVerticalGradient(cr, kWaterline, kHeight, kShallow, kDeep);
    cairo_new_path(cr);
    // The light falls from the upper left: a broad brighter haze there.
    cairo_pattern_t* haze = cairo_pattern_create_radial(380, kWaterline - 40, 20, 380, kWaterline - 40, 700);
    cairo_pattern_add_color_stop_rgba(haze, 0, 0.7, 0.98, 0.95, 0.45);
    cairo_pattern_add_color_stop_rgba(haze, 1, 0.7, 0.98, 0.95, 0.0);
    cairo_rectangle(cr, 0, kWaterline, kWidth, kHeight - kWaterline);
    cairo_set_source(cr, haze);
    cairo_fill(cr);
    cairo_pattern_destroy(haze);
}

// The rippling net of light the surface throws into shallow water.
void paintCaustics(cairo_t* cr) {
    ForgeRandom random(0x7171e);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int row = 0; row < 9; ++row) {
        const double y0 = kWaterline + 14 + row * 22.0;
        const double fade = 1.0 - row / 9.0;
        cairo_new_path(cr);
        for (double x = -20; x <= kWidth + 20; x += 16) {
            const double y = y0 + 6 * std::sin(x * 0.021 + row * 1.7) + 4 * std::sin(x * 0.053 + row);
            if (x < -10) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
        }
        setColor(cr, {0.85, 1.0, 0.97}, 0.10 * fade + random.uniform(0, 0.03));
        cairo_set_line_width(cr, 2.5 - row * 0.18);
        cairo_stroke(cr);
    }
}

void paintSeaFloor(cairo_t* cr) {
    cairo_move_to(cr, 0, 800);
    cairo_curve_to(cr, 300, 770, 520, 812, 800, 790);
    cairo_curve_to(cr, 1080, 770, 1320, 806, kWidth, 780);
    cairo_line_to(cr, kWidth, kHeight);
    cairo_line_to(cr, 0, kHeight);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 770, kHeight, kSandLit, kSandDeep);
    cairo_new_path(cr);
    for (int i = 0; i < 14; ++i) {
        const double y = 812 + i * 7.0;
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= kWidth; x += 40) cairo_line_to(cr, x, y + 3 * std::sin(x * 0.03 + i));
        setColor(cr, palette::kSandShade, 0.25);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// A fan of branching coral, the colour of a sunset.
void paintCoral(cairo_t* cr, double x, double y, double size, Rgb color, uint32_t seed) {
    ForgeRandom random(seed);
    for (int branch = 0; branch < 7; ++branch) {
        const double angle = -M_PI / 2 + random.uniform(-0.9, 0.9);
        const double length = size * random.uniform(0.55, 1.0);
        const double tx = x + std::cos(angle) * length;
        const double ty = y + std::sin(angle) * length;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + (tx - x) * 0.2, y - length * 0.4, tx - (tx - x) * 0.3, ty + length * 0.2, tx, ty);
        strokeRound(cr, darken(color, 0.35), size * 0.13);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + (tx - x) * 0.2, y - length * 0.4, tx - (tx - x) * 0.3, ty + length * 0.2, tx, ty);
        strokeRound(cr, color, size * 0.08);
        cairo_arc(cr, tx, ty, size * 0.07, 0, 2 * M_PI);
        setColor(cr, lighten(color, 0.35));
        cairo_fill(cr);
    }
}

// A swaying ribbon of sea grass from the floor.
void paintWeed(cairo_t* cr, double x, double y, double height, double sway, Rgb color) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + sway, y - height * 0.35, x - sway, y - height * 0.7, x + sway * 0.6, y - height);
    strokeRound(cr, darken(color, 0.4), 11);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + sway, y - height * 0.35, x - sway, y - height * 0.7, x + sway * 0.6, y - height);
    strokeRound(cr, color, 7);
}

void paintFloorLife(cairo_t* cr) {
    const Rgb kWeed{0.30, 0.62, 0.34};
    for (int i = 0; i < 9; ++i) paintWeed(cr, 20 + i * 17.0, 820, 160 + (i % 3) * 40, 18 - (i % 4) * 9, kWeed);
    for (int i = 0; i < 8; ++i) paintWeed(cr, 1450 + i * 18.0, 812, 150 + (i % 3) * 45, -16 + (i % 4) * 9, kWeed);
    paintRock(cr, 230, 812, 170, 80);
    paintRock(cr, 1280, 800, 210, 96);
    paintRock(cr, 980, 830, 110, 50);
    paintCoral(cr, 330, 830, 90, palette::kCoral, 3);
    paintCoral(cr, 560, 840, 60, palette::kSunset, 5);
    paintCoral(cr, 1100, 830, 80, {0.86, 0.42, 0.62}, 7);
    paintCoral(cr, 1390, 820, 70, palette::kCoral, 9);
    paintStarfish(cr, 690, 862, 20, 0.3);
    paintStarfish(cr, 1190, 880, 16, 1.1);
}

// A bright film where the surface cuts the picture, with a soft shadow below it.
void paintWaterline(cairo_t* cr) {
    cairo_rectangle(cr, 0, kWaterline, kWidth, 16);
    fillVerticalGradient(cr, kWaterline, kWaterline + 16, {0.88, 1.0, 0.98}, kShallow, 0.8);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kWaterline);
    cairo_line_to(cr, kWidth, kWaterline);
    setColor(cr, palette::kWhite, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void paintName(Canvas& canvas) {
    HeadingStyle style;
    style.size = 120;
    style.outlineWidth = 8;
    const RgbaImage name = headingPicture({"Quorvane"}, style);
    canvas.drawImage(name, (kWidth - name.width) / 2.0, 70);
    cairo_t* cr = canvas.cr();
    drawCentredText(cr, "An Island Expedition", kWidth / 2.0, 280, Face::Italic, 40, {0.10, 0.24, 0.40});
}

RgbaImage background() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    paintAboveWater(cr);
    paintWaterBody(cr);
    paintCaustics(cr);
    paintSeaFloor(cr);
    paintFloorLife(cr);
    paintWaterline(cr);
    paintVignette(cr, 0.25);
    paintName(canvas);
    return canvas.toImage();
}

// What the bar holds, in canvas pixels; the picture is offset by the bar's place.
RgbaImage uiBar() {
    Canvas canvas(kBarWidth, kBarHeight);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, -kBarX, -kBarY);
    // Ropes from the surface to the story sign, and on to the options sign below it.
    for (double x : {1190.0, 1414.0}) {
        drawRope(cr, x, kBarY, x, 590, 7, 12);
        drawRope(cr, x, 650, x, 830, 7, 12);
    }
    // The exit sign's post into the sand.
    cairo_rectangle(cr, 268, 840, 22, 60);
    fillVerticalGradient(cr, 840, 900, palette::kWood, palette::kWoodDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    // The greeting's plank, resting on the sand.
    canvas.drawImage(woodPlank({.width = 700, .height = 62, .x = 4, .y = 4, .w = 690, .h = 50, .radius = 18,
                                .color = palette::kWoodDark, .seed = 77}),
                     360, 846);
    return canvas.toImage();
}

RgbaImage rays() {
    Canvas canvas(kRaysWidth, kRaysHeight);
    cairo_t* cr = canvas.cr();
    struct Shaft { double left, width, slant, alpha; };
    const Shaft kShafts[] = {{12, 32, 48, 0.24}, {78, 22, 52, 0.2}, {122, 38, 50, 0.16}};
    for (const Shaft& s : kShafts) {
        cairo_move_to(cr, s.left, 0);
        cairo_line_to(cr, s.left + s.width, 0);
        cairo_line_to(cr, s.left + s.width * 1.5 + s.slant, kRaysHeight);
        cairo_line_to(cr, s.left + s.slant, kRaysHeight);
        cairo_close_path(cr);
        cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, kRaysHeight);
        cairo_pattern_add_color_stop_rgba(fade, 0, 0.85, 1.0, 0.95, 0.0);
        cairo_pattern_add_color_stop_rgba(fade, 0.08, 0.85, 1.0, 0.95, s.alpha);
        cairo_pattern_add_color_stop_rgba(fade, 1, 0.85, 1.0, 0.95, 0.0);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
    RgbaImage image = canvas.toImage();
    boxBlur(image, 6);
    // Drawn side by side and added up, a bundle must end softly or its edge shows as a seam.
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double edge = std::min(1.0, std::min(x, image.width - 1 - x) / 20.0);
            uint8_t* p = image.at(x, y);
            p[3] = static_cast<uint8_t>(p[3] * edge);
        }
    }
    return image;
}

}  // namespace

FORGE_STEP(title_back) {
    if (!fontsPresent(forge)) return;
    forge.writeJpeg("img/states/title/back.jpg", background());
    forge.writePng("img/states/title/ui_bar.png", uiBar());
    forge.writePng("img/states/title/rays.png", rays());
}
