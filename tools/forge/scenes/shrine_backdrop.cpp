// The still painting behind the God of Air's shrine: sky and sea on the left, the sandstone cliff
// with the god's carved face, the ledge and the hollow on the right, the paved terrace with the
// altar, the standing stones, the rubble and the wind-bent tree.
#include "tools/forge/scenes/shrine_backdrop.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/scenery.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/scenes/scene_emblems.h"
#include "tools/forge/scenes/scene_paint.h"
#include "tools/forge/scenes/shrine_props.h"

namespace {

using namespace shrine;

const Rgb kCliffLight{0.86, 0.74, 0.56};
const Rgb kCliffShade{0.60, 0.47, 0.36};
const Rgb kPaving{0.78, 0.72, 0.62};

void skyAndSea(cairo_t* cr) {
    SeascapeSpec spec;
    spec.width = 560;
    spec.height = kTerraceY + 40;
    spec.horizon = kHorizonY / spec.height;
    spec.skyTop = {0.42, 0.72, 0.93};
    spec.skyBottom = {0.98, 0.91, 0.76};
    spec.sunX = 0.32;
    spec.sunY = 0.2;
    spec.sunRadius = 0.07;
    spec.seed = 0x60a;
    paintSeascape(cr, spec);
    drawCloud(cr, 120, 110, 230, 0.9);
    drawCloud(cr, 330, 200, 160, 0.75);
    drawCloud(cr, 40, 250, 120, 0.6);
    constexpr double kGulls[][3] = {{250, 90, 14}, {290, 120, 10}, {380, 70, 12}};
    for (const auto& g : kGulls) {  // seabirds riding the updraught along the cliff
        cairo_new_path(cr);
        cairo_move_to(cr, g[0] - g[2], g[1] - g[2] * 0.2);
        cairo_curve_to(cr, g[0] - g[2] * 0.5, g[1] - g[2] * 0.6, g[0] - g[2] * 0.2, g[1] - g[2] * 0.4, g[0], g[1]);
        cairo_curve_to(cr, g[0] + g[2] * 0.2, g[1] - g[2] * 0.4, g[0] + g[2] * 0.5, g[1] - g[2] * 0.6, g[0] + g[2], g[1] - g[2] * 0.2);
        strokeRound(cr, palette::kInk, 2.2, 0.75);
    }
}

// Frangipani: five cream petals with a golden heart, here and there in the grass.
void flower(cairo_t* cr, double x, double y, double r) {
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * M_PI / 5 - M_PI / 2;
        cairo_new_path(cr);
        ellipsePath(cr, x + std::cos(a) * r * 0.6, y + std::sin(a) * r * 0.6, r * 0.55, r * 0.55);
        fillRoundShading(cr, x + std::cos(a) * r * 0.6, y + std::sin(a) * r * 0.6, r * 0.6, {1, 0.95, 0.9});
        strokeInk(cr, 1.2, 0.7);
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r * 0.3, 0, 2 * M_PI);
    setColor(cr, palette::kGold);
    cairo_fill(cr);
}

// Late sunlight from the upper left over everything, and the foreground a little darker.
void light(cairo_t* cr) {
    cairo_pattern_t* sun = cairo_pattern_create_linear(0, 0, 1400, 900);
    cairo_pattern_add_color_stop_rgba(sun, 0, 1, 0.93, 0.7, 0.16);
    cairo_pattern_add_color_stop_rgba(sun, 0.5, 1, 0.93, 0.7, 0.0);
    cairo_pattern_add_color_stop_rgba(sun, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.12);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
}

// The cliff's left edge, top to bottom: ragged, leaning back as it rises.
void cliffPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 470, -10);
    constexpr double kEdge[][2] = {{462, 60}, {478, 120}, {452, 190}, {466, 250}, {440, 320}, {452, 390},
                                   {424, 450}, {436, 520}, {410, kTerraceY + 20}};
    for (const auto& p : kEdge) cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, 1610, kTerraceY + 20);
    cairo_line_to(cr, 1610, -10);
    cairo_close_path(cr);
}

void cliffFace(Canvas& canvas) {
    paintTextured(
        canvas,
        [](cairo_t* cr) {
            cliffPath(cr);
            cairo_pattern_t* light = cairo_pattern_create_linear(420, 0, 1600, 300);
            cairo_pattern_add_color_stop_rgb(light, 0, kCliffLight.r, kCliffLight.g, kCliffLight.b);
            cairo_pattern_add_color_stop_rgb(light, 1, kCliffShade.r, kCliffShade.g, kCliffShade.b);
            cairo_set_source(cr, light);
            cairo_fill_preserve(cr);
            cairo_pattern_destroy(light);
            cairo_clip(cr);
            ArtRandom random(0x571a);
            for (int k = 0; k < 11; ++k) {  // strata: bands of lighter and darker stone
                const double y = 20 + k * 52 + random.range(-10, 10);
                cairo_new_path(cr);
                cairo_move_to(cr, 400, y);
                for (int x = 400; x <= 1600; x += 50) cairo_line_to(cr, x, y + 9 * std::sin(x * 0.006 + k) + random.range(-3, 3));
                cairo_line_to(cr, 1600, y + 20);
                for (int x = 1600; x >= 400; x -= 50) cairo_line_to(cr, x, y + 22 + 9 * std::sin(x * 0.006 + k + 0.4));
                cairo_close_path(cr);
                setColor(cr, k % 2 ? darken(kCliffShade, 0.2) : lighten(kCliffLight, 0.3), 0.22);
                cairo_fill(cr);
            }
        },
        22, 0.13, 0xc1f);
    cairo_t* cr = canvas.cr();
    cliffPath(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    constexpr double kCracks[][3] = {{560, 80, 1.3}, {620, 420, 1.1}, {1120, 120, 1.7}, {1480, 60, 1.9},
                                     {1560, 420, 1.6}, {1090, 470, 1.2}, {520, 300, 0.9}, {1400, 520, 2.2}};
    uint32_t seed = 0xcafe;
    for (const auto& c : kCracks) paintCrack(cr, c[0], c[1], c[2], 90, seed++);
    cairo_restore(cr);
    // Sunlight on the cliff's outer edge.
    cairo_new_path(cr);
    constexpr double kEdge[][2] = {{470, -10}, {462, 60}, {478, 120}, {452, 190}, {466, 250}, {440, 320},
                                   {452, 390}, {424, 450}, {436, 520}, {410, kTerraceY}};
    for (const auto& p : kEdge) cairo_line_to(cr, p[0] + 5, p[1]);
    strokeRound(cr, palette::kWhite, 3, 0.35);
}

void ledge(cairo_t* cr) {
    cairo_new_path(cr);  // the shadow it throws down the cliff
    cairo_move_to(cr, 1296, kLedgeY + 14);
    cairo_curve_to(cr, 1360, kLedgeY + 60, 1500, kLedgeY + 62, 1560, kLedgeY + 20);
    cairo_line_to(cr, 1560, kLedgeY + 10);
    cairo_close_path(cr);
    setColor(cr, palette::kInk, 0.25);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 1290, kLedgeY);
    cairo_curve_to(cr, 1330, kLedgeY - 10, 1480, kLedgeY - 12, 1556, kLedgeY - 4);
    cairo_line_to(cr, 1560, kLedgeY + 16);
    cairo_curve_to(cr, 1480, kLedgeY + 26, 1340, kLedgeY + 26, 1296, kLedgeY + 16);
    cairo_close_path(cr);
    fillVerticalGradient(cr, kLedgeY - 12, kLedgeY + 26, lighten(kCliffLight, 0.2), kCliffShade);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    paintGrassTuft(cr, 1320, kLedgeY - 4, 26, 0.4, 91);
    paintGrassTuft(cr, 1530, kLedgeY - 4, 22, 0.5, 92);
}

void niche(cairo_t* cr) {
    const double l = kNicheX - kNicheHalfWidth, r = kNicheX + kNicheHalfWidth;
    cairo_new_path(cr);
    cairo_move_to(cr, l - 8, kNicheBottom);
    cairo_line_to(cr, l - 8, kNicheTop + 60);
    cairo_curve_to(cr, l - 8, kNicheTop - 12, r + 8, kNicheTop - 12, r + 8, kNicheTop + 60);
    cairo_line_to(cr, r + 8, kNicheBottom);
    cairo_close_path(cr);
    fillVerticalGradient(cr, kNicheTop, kNicheBottom, lighten(kCliffLight, 0.15), kCliffShade);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, l, kNicheBottom - 20);
    cairo_line_to(cr, l, kNicheTop + 60);
    cairo_curve_to(cr, l, kNicheTop, r, kNicheTop, r, kNicheTop + 60);
    cairo_line_to(cr, r, kNicheBottom - 20);
    cairo_close_path(cr);
    fillVerticalGradient(cr, kNicheTop, kNicheBottom, {0.12, 0.08, 0.06}, {0.3, 0.22, 0.16});
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, l - 14, kNicheBottom - 26, (r - l) + 28, 16, 4);  // the sill
    fillVerticalGradient(cr, kNicheBottom - 26, kNicheBottom - 10, lighten(kCliffLight, 0.25), kCliffShade);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void carving(Canvas& canvas) {
    Canvas relief(canvas.width(), canvas.height());
    cairo_t* cr = relief.cr();
    // The sunken oval the face is carved out of.
    cairo_new_path(cr);
    ellipsePath(cr, kFaceX, kFaceY + 4, kFaceRadius * 1.62, kFaceRadius * 1.6);
    fillVerticalGradient(cr, kFaceY - 250, kFaceY + 250, darken(kCliffShade, 0.15), kCliffShade, 0.85);
    strokeInk(cr, 3, 0.7);
    paintAirGodFace(cr, kFaceX, kFaceY, kFaceRadius, emblem::kStone);
    // The pursed lips open on the cave: the wind's way out of the mountain.
    cairo_new_path(cr);
    ellipsePath(cr, kMouthX, kMouthY, 46, 34);
    fillRoundShading(cr, kMouthX, kMouthY - 6, 48, darken(emblem::kStone, 0.1));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    ellipsePath(cr, kMouthX, kMouthY + 3, 28, 19);
    fillVerticalGradient(cr, kMouthY - 16, kMouthY + 22, {0.05, 0.03, 0.02}, {0.22, 0.16, 0.12});
    strokeInk(cr, 2);
    cairo_new_path(cr);
    for (int k = -1; k <= 1; ++k) {  // the draught streaming out of it
        cairo_move_to(cr, kMouthX + 20, kMouthY + k * 8);
        cairo_curve_to(cr, kMouthX + 70, kMouthY + k * 14, kMouthX + 110, kMouthY + k * 26 - 10,
                       kMouthX + 170, kMouthY + k * 30 - 4);
        strokeRound(cr, palette::kWhite, 3, 0.35);
    }
    RgbaImage image = relief.toImage();
    mottle(image, {16, 0.09, 0xface, 0, 0});
    canvas.drawImage(withDropShadow(image, 5, 7, 5, 0.5), 0, 0);
}

void plaque(cairo_t* cr) {
    const double w = 176, h = 46;
    roundedRectPath(cr, kPlaqueX - w / 2 + 4, kPlaqueY - h / 2 + 6, w, h, 6);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
    roundedRectPath(cr, kPlaqueX - w / 2, kPlaqueY - h / 2, w, h, 6);
    fillVerticalGradient(cr, kPlaqueY - h / 2, kPlaqueY + h / 2, lighten(emblem::kStone, 0.15), emblem::kStoneDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    paintWindSign(cr, WindSign::Cloud, kPlaqueX - 52, kPlaqueY, 26, 2);
    paintWindSign(cr, WindSign::Feather, kPlaqueX, kPlaqueY, 26, 2);
    paintWindSign(cr, WindSign::Spiral, kPlaqueX + 52, kPlaqueY, 26, 2);
}

// One paving slab, drawn between two rows of the terrace's perspective.
void slab(cairo_t* cr, double x0, double x1, double y0, double y1, double lean0, double lean1, double shade) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0 + lean0 * (y0 - kTerraceY) + 3, y0 + 2);
    cairo_line_to(cr, x1 + lean1 * (y0 - kTerraceY) - 3, y0 + 2);
    cairo_line_to(cr, x1 + lean1 * (y1 - kTerraceY) - 3, y1 - 2);
    cairo_line_to(cr, x0 + lean0 * (y1 - kTerraceY) + 3, y1 - 2);
    cairo_close_path(cr);
    const Rgb c = mix(kPaving, kCliffShade, shade);
    fillVerticalGradient(cr, y0, y1, lighten(c, 0.12), c);
    strokeInk(cr, 1.5, 0.5);
    cairo_new_path(cr);
}

void terrace(Canvas& canvas) {
    paintTextured(
        canvas,
        [](cairo_t* cr) {
            cairo_rectangle(cr, 0, kTerraceY - 6, 1600, 900 - kTerraceY + 6);
            fillVerticalGradient(cr, kTerraceY, 900, darken(kPaving, 0.2), kPaving);
            cairo_new_path(cr);
            ArtRandom random(0x7e77);
            const double rows[] = {kTerraceY, 590, 628, 676, 736, 810, 900};
            for (int row = 0; row + 1 < 7; ++row) {
                const double offset = row % 2 ? 0.5 : 0.0;
                for (int col = -8; col <= 8; ++col) {
                    const double c0 = col + offset - 0.5, c1 = col + offset + 0.5;
                    slab(cr, 800 + c0 * 150, 800 + c1 * 150, rows[row], rows[row + 1], c0 * 0.9, c1 * 0.9,
                         random.range(0.0, 0.45));
                }
            }
        },
        14, 0.12, 0x9a7);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);  // the cliff's foot casts a band of shade onto the terrace
    cairo_rectangle(cr, 400, kTerraceY - 6, 1200, 40);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, kTerraceY - 6, 0, kTerraceY + 34);
    cairo_pattern_add_color_stop_rgba(shade, 0, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.45);
    cairo_pattern_add_color_stop_rgba(shade, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    // A low parapet where the terrace ends above the sea.
    cairo_new_path(cr);
    cairo_move_to(cr, -10, kTerraceY - 18);
    cairo_line_to(cr, 420, kTerraceY - 8);
    cairo_line_to(cr, 420, kTerraceY + 14);
    cairo_line_to(cr, -10, kTerraceY + 6);
    cairo_close_path(cr);
    fillVerticalGradient(cr, kTerraceY - 18, kTerraceY + 14, lighten(kCliffLight, 0.15), kCliffShade);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (double x = 30; x < 420; x += 70) {
        cairo_move_to(cr, x, kTerraceY - 16 + x * 0.024);
        cairo_line_to(cr, x + 2, kTerraceY + 7 + x * 0.02);
    }
    setColor(cr, palette::kInk, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void standingStone(cairo_t* cr, double x, double footY, double height, WindSign sign) {
    paintContactShadow(cr, x + 10, footY, 46, 12, 0.45);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 30, footY);
    cairo_line_to(cr, x - 26, footY - height + 20);
    cairo_curve_to(cr, x - 22, footY - height - 4, x + 22, footY - height - 4, x + 26, footY - height + 20);
    cairo_line_to(cr, x + 30, footY);
    cairo_close_path(cr);
    fillRoundShading(cr, x, footY - height * 0.6, height * 0.7, emblem::kStone);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    paintWindSign(cr, sign, x, footY - height * 0.62, 34, 2.4);
    paintGrassTuft(cr, x - 24, footY + 2, 22, 0.4, static_cast<uint32_t>(x));
    paintGrassTuft(cr, x + 26, footY + 2, 16, 0.6, static_cast<uint32_t>(x) + 7);
}

// Fills and inks the current path as the side of a round stone, lit from the left; `shade`
// darkens it a little.
void roundStoneSide(cairo_t* cr, double x, double rx, double shade) {
    cairo_pattern_t* side = cairo_pattern_create_linear(x - rx, 0, x + rx, 0);
    cairo_pattern_add_color_stop_rgb(side, 0, 0.62 - shade, 0.58 - shade, 0.5 - shade);
    cairo_pattern_add_color_stop_rgb(side, 0.35, 0.82 - shade, 0.78 - shade, 0.68 - shade);
    cairo_pattern_add_color_stop_rgb(side, 1, 0.42 - shade, 0.38 - shade, 0.33 - shade);
    cairo_set_source(cr, side);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(side);
    strokeInk(cr, 2.5);
}

void altar(cairo_t* cr) {
    const double x = kAltarX, y = kAltarY, rx = kAltarRadiusX, ry = kAltarRadiusY;
    paintContactShadow(cr, x + 20, y + 150, rx * 1.1, 30, 0.5);
    cairo_new_path(cr);  // the pedestal
    cairo_move_to(cr, x - rx * 0.55, y + 30);
    cairo_curve_to(cr, x - rx * 0.45, y + 80, x - rx * 0.5, y + 120, x - rx * 0.7, y + 150);
    cairo_line_to(cr, x + rx * 0.7, y + 150);
    cairo_curve_to(cr, x + rx * 0.5, y + 120, x + rx * 0.45, y + 80, x + rx * 0.55, y + 30);
    cairo_close_path(cr);
    roundStoneSide(cr, x, rx, 0.0);
    cairo_new_path(cr);
    cairo_move_to(cr, x - rx, y);  // the slab's rim
    cairo_line_to(cr, x - rx, y + 26);
    cairo_curve_to(cr, x - rx, y + 26 + ry * 1.3, x + rx, y + 26 + ry * 1.3, x + rx, y + 26);
    cairo_line_to(cr, x + rx, y);
    cairo_close_path(cr);
    roundStoneSide(cr, x, rx, 0.02);
    cairo_new_path(cr);
    for (int k = 0; k < 9; ++k) {  // a band of carved waves round the rim
        const double t = -0.9 + k * 0.225;
        const double bx = x + t * rx;
        const double by = y + 13 + ry * std::sqrt(std::max(0.0, 1 - t * t));
        cairo_arc(cr, bx, by, 7, M_PI, 2.2 * M_PI);
        setColor(cr, palette::kInk, 0.45);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
    }
    ellipsePath(cr, x, y, rx, ry);
    fillRoundShading(cr, x - rx * 0.2, y - ry * 0.3, rx, {0.84, 0.8, 0.7});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    ellipsePath(cr, x, y, rx - 12, ry - 7);
    setColor(cr, palette::kInk, 0.3);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    paintSocket(cr, WindSign::Cloud, kSocketX[0], kSocketY);
    paintSocket(cr, WindSign::Feather, kSocketX[1], kSocketY);
    paintSocket(cr, WindSign::Spiral, kSocketX[2], kSocketY);
}

void rubble(cairo_t* cr) {
    struct Block {
        double x, y, w, h, turn, shade;
    };
    constexpr Block kBlocks[] = {{-58, 0, 64, 40, -0.2, 0.3}, {10, 6, 74, 44, 0.15, 0.1}, {-20, -30, 60, 38, 0.35, 0.0},
                                 {44, -26, 46, 32, -0.3, 0.25}, {-70, -26, 40, 28, 0.5, 0.15}, {70, 14, 40, 26, -0.1, 0.35}};
    paintContactShadow(cr, kRubbleX + 8, kRubbleY + 24, 120, 22, 0.45);
    for (const Block& b : kBlocks) {
        cairo_save(cr);
        cairo_translate(cr, kRubbleX + b.x, kRubbleY + b.y);
        cairo_rotate(cr, b.turn);
        cairo_new_path(cr);
        cairo_move_to(cr, -b.w / 2, b.h / 2);
        cairo_line_to(cr, -b.w / 2 + 4, -b.h / 2 + 3);
        cairo_line_to(cr, b.w / 2 - 8, -b.h / 2);
        cairo_line_to(cr, b.w / 2, -b.h / 2 + 12);
        cairo_line_to(cr, b.w / 2 - 3, b.h / 2);
        cairo_close_path(cr);
        fillRoundShading(cr, -b.w * 0.1, -b.h * 0.1, b.w * 0.7, mix(kCliffLight, kCliffShade, b.shade));
        strokeInk(cr, 2.2);
        cairo_new_path(cr);
        cairo_move_to(cr, -b.w / 2 + 5, -b.h / 2 + 4);
        cairo_line_to(cr, b.w / 2 - 9, -b.h / 2 + 1);
        strokeRound(cr, palette::kWhite, 1.6, 0.45);
        cairo_restore(cr);
    }
}

// A canopy of soft round masses, lit from the upper left, the way the jungle's trees are painted.
void canopy(cairo_t* cr, double cx, double cy, double r, uint32_t seed) {
    ArtRandom random(seed);
    cairo_new_path(cr);
    for (int k = 0; k < 7; ++k) {
        const double a = k * 2 * M_PI / 7 + random.range(-0.3, 0.3);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.32, r * random.range(0.42, 0.58), 0, 2 * M_PI);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Ink first and the fill over it, so only the outline of the whole mass stays inked.
    strokeInk(cr, 4.4, 0.85);
    const Rgb leaf = mix(palette::kLeaf, palette::kJungle, random.range(0.15, 0.35));
    fillVerticalGradient(cr, cy - r, cy + r * 0.8, lighten(leaf, 0.15), darken(leaf, 0.25));
    cairo_new_path(cr);
    for (int k = 0; k < 4; ++k) {  // lit puffs on the upper side
        const double px = cx - r * 0.35 + k * r * 0.25 + random.range(-5, 5);
        const double py = cy - r * 0.3 + random.range(-6, 6) + std::abs(k - 1.5) * r * 0.08;
        cairo_new_path(cr);
        cairo_arc(cr, px, py, r * 0.2, 0, 2 * M_PI);
        setColor(cr, lighten(leaf, 0.35), 0.55);
        cairo_fill(cr);
    }
}

void tree(cairo_t* cr) {
    const double fx = kTreeFootX, fy = kTreeFootY;
    const Rgb bark{0.50, 0.38, 0.28};
    paintContactShadow(cr, fx + 10, fy + 6, 70, 14, 0.45);
    cairo_new_path(cr);  // the trunk bends away from the sea wind
    cairo_move_to(cr, fx - 34, fy + 4);
    cairo_curve_to(cr, fx - 14, fy - 140, fx - 34, fy - 250, fx - 120, fy - 330);
    cairo_curve_to(cr, fx - 160, fy - 366, fx - 200, fy - 386, fx - 250, fy - 396);
    cairo_line_to(cr, fx - 236, fy - 370);
    cairo_curve_to(cr, fx - 190, fy - 358, fx - 140, fy - 330, fx - 96, fy - 296);
    cairo_curve_to(cr, fx - 20, fy - 226, fx + 16, fy - 140, fx + 30, fy + 4);
    cairo_close_path(cr);
    cairo_pattern_t* round = cairo_pattern_create_linear(fx - 60, 0, fx + 30, 0);
    cairo_pattern_add_color_stop_rgb(round, 0, lighten(bark, 0.25).r, lighten(bark, 0.25).g, lighten(bark, 0.25).b);
    cairo_pattern_add_color_stop_rgb(round, 1, darken(bark, 0.3).r, darken(bark, 0.3).g, darken(bark, 0.3).b);
    cairo_set_source(cr, round);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(round);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, fx - 70, fy - 280);  // the bough the chime hangs from
    cairo_curve_to(cr, fx - 100, fy - 320, fx - 118, fy - 336, kChimeX - 14, kChimeY + 2);
    cairo_path_t* bough = cairo_copy_path(cr);
    strokeRound(cr, palette::kInk, 15);
    cairo_append_path(cr, bough);
    strokeRound(cr, bark, 10);
    cairo_path_destroy(bough);
    for (int k = 0; k < 7; ++k) {  // bark furrows along the trunk
        const double t = k / 7.0;
        const double x = fx - 6 - 60 * t * t;
        const double y = fy - 20 - 280 * t;
        cairo_move_to(cr, x - 8, y);
        cairo_curve_to(cr, x - 12, y - 20, x - 16 - 10 * t, y - 30, x - 22 - 16 * t, y - 44);
    }
    setColor(cr, palette::kInk, 0.35);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    constexpr double kMasses[][3] = {{-280, -400, 70}, {-150, -430, 84}, {-60, -382, 56}, {-230, -470, 66}, {-330, -350, 50}};
    uint32_t seed = 0x7ee;
    for (const auto& m : kMasses) canopy(cr, fx + m[0], fy + m[1], m[2], seed++);
}

void foreground(cairo_t* cr) {
    constexpr double kTufts[][3] = {{40, 730, 40}, {110, 760, 30}, {600, 700, 24}, {1040, 706, 26}, {1200, 700, 30},
                                    {1560, 730, 42}, {1300, 620, 20}, {380, 612, 22}, {960, 578, 18}, {660, 582, 16}};
    uint32_t seed = 11;
    for (const auto& t : kTufts) paintGrassTuft(cr, t[0], t[1], t[2], 0.5, seed++);
    // A shrub clinging to a crack in the cliff, right of the hollow.
    for (int k = 0; k < 6; ++k) {
        paintBroadLeaf(cr, 1500, 440, -M_PI / 2 - 1.2 + k * 0.45, 60 + (k % 2) * 16, 15, palette::kLeaf, palette::kJungle);
    }
    paintBroadLeaf(cr, 1610, 660, M_PI + 0.3, 170, 40, palette::kLeaf, palette::kJungle);
    paintBroadLeaf(cr, 1610, 560, M_PI - 0.2, 150, 36, palette::kLeaf, palette::kJungle);
    paintBroadLeaf(cr, -10, 720, -0.35, 150, 38, palette::kLeaf, palette::kJungle);
    for (double x : {470.0, 600.0, 1130.0}) {
        paintGrassTuft(cr, x, kTerraceY + 8, 26, 0.4, static_cast<uint32_t>(x));
        paintGrassTuft(cr, x + 22, kTerraceY + 10, 18, 0.6, static_cast<uint32_t>(x) + 1);
    }
    constexpr double kFlowers[][3] = {{478, 560, 7}, {612, 566, 6}, {1142, 562, 7}, {1212, 706, 8}, {52, 724, 8},
                                      {1548, 722, 8}, {1334, 262, 6}, {1010, 700, 6}};
    for (const auto& f : kFlowers) flower(cr, f[0], f[1], f[2]);
    // Creepers trailing over the top edge, where the cliff goes on above the picture.
    ArtRandom random(0x7a11);
    for (double x : {540.0, 690.0, 1040.0, 1170.0, 1380.0, 1530.0}) {
        const double length = random.range(70, 150);
        cairo_new_path(cr);
        cairo_move_to(cr, x, -4);
        cairo_curve_to(cr, x + 10, length * 0.4, x - 12, length * 0.7, x + 4, length);
        cairo_path_t* stem = cairo_copy_path(cr);
        strokeRound(cr, palette::kInk, 4.5);
        cairo_append_path(cr, stem);
        strokeRound(cr, darken(palette::kLeaf, 0.2), 2.5);
        cairo_path_destroy(stem);
        for (double t = 0.1; t < 1.0; t += 0.16) {
            const double side = static_cast<int>(t * 12) % 2 ? 1 : -1;
            paintBroadLeaf(cr, x + std::sin(t * 6) * 6, length * t, M_PI / 2 + side * 0.9, random.range(20, 28), 8,
                           palette::kLeaf, palette::kJungle);
        }
    }
}

}  // namespace

RgbaImage paintShrineBackdrop() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.cr();
    skyAndSea(cr);
    cliffFace(canvas);
    ledge(cr);
    niche(cr);
    carving(canvas);
    plaque(cr);
    terrace(canvas);
    standingStone(cr, 560, 604, 150, WindSign::Feather);
    standingStone(cr, 1060, 604, 150, WindSign::Cloud);
    rubble(cr);
    altar(cr);
    tree(cr);
    foreground(cr);
    light(cr);
    paintVignette(cr, 0.35);
    RgbaImage image = canvas.toImage();
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;  // the background is opaque
    return image;
}
