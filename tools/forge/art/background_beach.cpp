// The first match-3 background, img/match3_backgrounds/back1.jpg (1600 x 900): a sunlit beach
// with the lagoon, far islands, palms and the camp's tent and crates. The board covers x 193..1403,
// y 33..803 and the play screen's bar the bottom from y 814, so the detail lives in the side strips
// and the middle stays calm sky and sea.
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"

namespace {

constexpr int kWidth = kSceneWidth;
constexpr int kHeight = kSceneHeight;
constexpr int kJpegQuality = 88;

RgbaImage preview(const RgbaImage& background) { return scaledCopy(background, kWidth / 2, kHeight / 2); }

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
RgbaImage beachBackground() {
    constexpr double kHorizon = 360;
    constexpr double kShore = 610;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ForgeRandom random(0xbeac4);
    paintSky(cr, kHorizon, {0.40, 0.70, 0.93}, {0.88, 0.94, 0.92});
    paintGlow(cr, 1260, 130, 320, {1, 0.98, 0.85}, {1, 0.9, 0.6}, 0.55);
    {
        Canvas clouds(kWidth / 2, kHeight / 2);  // painted small and softened: they are far away
        cairo_scale(clouds.cr(), 0.5, 0.5);
        for (const auto& [x, y, w] : {std::tuple{330.0, 150.0, 420.0}, std::tuple{820.0, 90.0, 300.0},
                                      std::tuple{1200.0, 230.0, 380.0}, std::tuple{620.0, 280.0, 260.0},
                                      std::tuple{1480.0, 110.0, 240.0}}) {
            paintCloud(clouds.cr(), random, x, y, w);
        }
        RgbaImage soft = clouds.toImage();
        boxBlur(soft, 2);
        canvas.drawImage(soft, 0, 0, 2.0);
    }
    distantIslands(cr, kHorizon);
    sea(cr, random, kHorizon, kShore);
    beach(cr, kShore);
    duneLines(cr, random, kShore);
    paintStarfish(cr, 120, 790, 18, 0.3);
    paintStarfish(cr, 1440, 640, 13, -0.2);
    paintPalm(cr, 40, 920, 150, 190, 440);
    paintPalm(cr, 1580, 930, 1480, 250, 400);
    paintPalm(cr, 1650, 900, 1560, 420, 300, lighten(palette::kLeaf, 0.1), palette::kJungle);
    paintTent(cr, 8, 600, 180);
    paintCrate(cr, 1430, 716, 74);
    paintCrate(cr, 1500, 744, 56);
    paintBarrel(cr, 1520, 650, 58, 82);
    for (int k = 0; k < 3; ++k) {  // beach grass round the camp's feet
        paintBroadLeaf(cr, 150 + k * 20, 812, -1.9 + 0.35 * k, 90, 14, palette::kLeaf, palette::kJungle);
        paintBroadLeaf(cr, 1400 + k * 22, 812, -1.2 - 0.35 * k, 90, 14, palette::kLeaf, palette::kJungle);
    }
    paintVignette(cr, 0.35);
    return canvas.toImage();
}
}  // namespace

FORGE_STEP(backgrounds_beach) {
    const RgbaImage back = beachBackground();
    forge.writeJpeg("img/match3_backgrounds/back1.jpg", back, kJpegQuality);
    forge.addContactSheet("backgrounds_beach", preview(back));
}
