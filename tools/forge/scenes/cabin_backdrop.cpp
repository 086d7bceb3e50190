// The still painting of the wrecked supply cabin: plank walls and hull ribs, the hole the sea broke
// through with its light, shelves of jars, the medicine locker's frame, a chart, a hammock and a
// lantern, the sandy floor with the open medicine chest, crates and barrels.
#include "tools/forge/scenes/cabin_backdrop.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/gui/scenery.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/scenes/cabin_clutter.h"
#include "tools/forge/scenes/cabin_props.h"
#include "tools/forge/scenes/scene_emblems.h"
#include "tools/forge/scenes/scene_paint.h"

namespace {

using namespace cabin;

const Rgb kWallWood{0.52, 0.34, 0.20};
const Rgb kRib{0.36, 0.22, 0.12};
const Rgb kFloorWood{0.60, 0.42, 0.26};

// The jagged outline of the hole in the hull.
void holePath(cairo_t* cr) {
    constexpr double kHole[][2] = {{1190, 120}, {1236, 78},  {1262, 96},  {1300, 62},  {1352, 84}, {1390, 58},
                                   {1440, 92},  {1486, 118}, {1470, 170}, {1496, 222}, {1462, 268}, {1474, 318},
                                   {1420, 330}, {1380, 312}, {1330, 338}, {1276, 318}, {1226, 330}, {1200, 280},
                                   {1214, 232}, {1178, 186}};
    cairo_new_path(cr);
    for (const auto& p : kHole) cairo_line_to(cr, p[0], p[1]);
    cairo_close_path(cr);
}

void wall(Canvas& canvas) {
    Canvas planks(canvas.width(), canvas.height());
    cairo_t* pc = planks.cr();
    ArtRandom random(0x3a11);
    for (double x = -20; x < 1620; x += 68) {
        cairo_new_path(pc);
        cairo_rectangle(pc, x, 0, 66, kFloorY + 10);
        const Rgb c = mix(kWallWood, palette::kWoodDark, random.range(0, 0.45));
        fillVerticalGradient(pc, 0, kFloorY, lighten(c, 0.08), darken(c, 0.15));
        cairo_new_path(pc);
    }
    RgbaImage image = planks.toImage();
    woodGrain(image, {0.18, 5.5, 0x9a1, 0, true});
    canvas.drawImage(image, 0, 0);
    cairo_t* cr = canvas.cr();
    for (double x = -20; x < 1620; x += 68) {  // the seams and their nails
        cairo_new_path(cr);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, kFloorY);
        setColor(cr, palette::kInk, 0.6);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        for (double y : {90.0, 300.0, 500.0}) {
            cairo_arc(cr, x + 8, y + std::fmod(x, 30), 2.5, 0, 2 * M_PI);
            setColor(cr, palette::kInk, 0.7);
            cairo_fill(cr);
        }
    }
}

void holeInHull(cairo_t* cr) {
    cairo_save(cr);
    holePath(cr);
    cairo_clip(cr);
    SeascapeSpec spec;
    spec.width = 1600;
    spec.height = 420;
    spec.horizon = 0.55;
    spec.sunX = 0.86;
    spec.sunY = 0.22;
    spec.sunRadius = 0.025;
    spec.seed = 0x401e;
    paintSeascape(cr, spec);
    drawCloud(cr, 1300, 120, 140, 0.9);
    cairo_restore(cr);
    holePath(cr);
    strokeInk(cr, 6);
    cairo_new_path(cr);
    ArtRandom random(0x5911);
    for (int k = 0; k < 14; ++k) {  // splintered plank ends round the edge
        const double a = k * 2 * M_PI / 14;
        const double x = kHoleX + std::cos(a) * 150, y = kHoleY + std::sin(a) * 128;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, kHoleX + std::cos(a) * 126 + random.range(-8, 8), kHoleY + std::sin(a) * 108 + random.range(-6, 6));
        cairo_line_to(cr, x + random.range(-6, 6), y + random.range(4, 10));
    }
    setColor(cr, lighten(kWallWood, 0.3));
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void lightRays(cairo_t* cr) {
    for (int k = 0; k < 3; ++k) {
        const double spread = k * 70;
        cairo_new_path(cr);
        cairo_move_to(cr, 1230 + spread, 110 + k * 40);
        cairo_line_to(cr, 1300 + spread, 160 + k * 30);
        cairo_line_to(cr, 1000 + spread * 1.6, 880);
        cairo_line_to(cr, 760 + spread * 1.6, 880);
        cairo_close_path(cr);
        cairo_pattern_t* beam = cairo_pattern_create_linear(1260, 130, 900, 880);
        cairo_pattern_add_color_stop_rgba(beam, 0, 1, 0.97, 0.82, 0.28);
        cairo_pattern_add_color_stop_rgba(beam, 1, 1, 0.97, 0.82, 0);
        cairo_set_source(cr, beam);
        cairo_fill(cr);
        cairo_pattern_destroy(beam);
    }
}

void ribsAndBeams(cairo_t* cr) {
    for (double x : {20.0, 540.0, 1110.0, 1570.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - 22, -10);
        cairo_curve_to(cr, x - 30, 200, x - 14, 420, x - 4, kFloorY + 10);
        cairo_line_to(cr, x + 30, kFloorY + 10);
        cairo_curve_to(cr, x + 18, 420, x + 4, 200, x + 12, -10);
        cairo_close_path(cr);
        fillVerticalGradient(cr, 0, kFloorY, lighten(kRib, 0.15), darken(kRib, 0.2));
        strokeInk(cr, 3);
        cairo_new_path(cr);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, -10, -4, 1620, 50);  // the deck beam overhead
    fillVerticalGradient(cr, -4, 46, lighten(kRib, 0.1), darken(kRib, 0.3));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double x = 60; x < 1600; x += 220) drawBrassRivet(cr, x, 22, 5);
}

void jar(cairo_t* cr, double x, double bottom, double w, double h, Rgb colour) {
    roundedRectPath(cr, x - w / 2, bottom - h, w, h, w * 0.25);
    fillRoundShading(cr, x - w * 0.15, bottom - h * 0.6, std::max(w, h) * 0.7, colour);
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    roundedRectPath(cr, x - w * 0.38, bottom - h - 7, w * 0.76, 9, 3);
    fillVerticalGradient(cr, bottom - h - 7, bottom - h + 2, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 1.8);
    cairo_new_path(cr);
}

void bottle(cairo_t* cr, double x, double bottom, double h, Rgb glass) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 11, bottom);
    cairo_line_to(cr, x - 11, bottom - h * 0.6);
    cairo_curve_to(cr, x - 11, bottom - h * 0.75, x - 5, bottom - h * 0.78, x - 4, bottom - h);
    cairo_line_to(cr, x + 4, bottom - h);
    cairo_curve_to(cr, x + 5, bottom - h * 0.78, x + 11, bottom - h * 0.75, x + 11, bottom - h * 0.6);
    cairo_line_to(cr, x + 11, bottom);
    cairo_close_path(cr);
    fillRoundShading(cr, x - 3, bottom - h * 0.4, h * 0.5, glass);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 6, bottom - h * 0.55);
    cairo_line_to(cr, x - 6, bottom - 8);
    strokeRound(cr, palette::kWhite, 2, 0.5);
}

void shelf(cairo_t* cr, double y) {
    cairo_new_path(cr);
    roundedRectPath(cr, 100, y, 430, 14, 3);
    fillVerticalGradient(cr, y, y + 14, lighten(palette::kWood, 0.25), palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (double x : {130.0, 490.0}) {  // brackets
        cairo_move_to(cr, x, y + 14);
        cairo_line_to(cr, x, y + 50);
        cairo_line_to(cr, x + 24, y + 14);
        cairo_close_path(cr);
        fillVerticalGradient(cr, y, y + 50, palette::kWood, palette::kWoodDark);
        strokeInk(cr, 2);
        cairo_new_path(cr);
    }
}

void shelves(cairo_t* cr) {
    shelf(cr, 250);
    shelf(cr, 386);
    const Rgb cream = guiPalette::kCream;
    jar(cr, 140, 250, 40, 50, mix(cream, palette::kSandShade, 0.3));
    jar(cr, 190, 250, 34, 38, cream);
    jar(cr, 320, 250, 44, 56, mix(cream, palette::kSandShade, 0.15));
    jar(cr, 372, 250, 30, 34, mix(palette::kLagoon, cream, 0.5));
    bottle(cr, 420, 250, 62, mix(palette::kLeaf, palette::kLagoon, 0.4));
    roundedRectPath(cr, 450, 212, 64, 38, 3);  // a small chest of drawers
    fillVerticalGradient(cr, 212, 250, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    for (double yy : {224.0, 238.0}) drawBrassRivet(cr, 482, yy, 2.6);
    for (int k = 0; k < 4; ++k) {  // books leaning on the lower shelf
        cairo_save(cr);
        cairo_translate(cr, 140 + k * 20, 386);
        cairo_rotate(cr, k == 3 ? 0.25 : 0);
        roundedRectPath(cr, -9, -64 + k * 4, 18, 64 - k * 4, 2);
        const Rgb covers[] = {palette::kCoral, guiPalette::kNavy, palette::kLeaf, palette::kSunset};
        fillVerticalGradient(cr, -64, 0, lighten(covers[k], 0.15), darken(covers[k], 0.3));
        strokeInk(cr, 2);
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    bottle(cr, 250, 386, 56, mix(palette::kSky, palette::kWhite, 0.3));
    bottle(cr, 282, 386, 70, {0.45, 0.25, 0.12});
    jar(cr, 340, 386, 46, 48, mix(cream, palette::kCoral, 0.2));
    bottle(cr, 396, 386, 50, mix(palette::kLeaf, palette::kJungle, 0.4));
    jar(cr, 490, 386, 36, 40, cream);
}

void lockerFrame(cairo_t* cr) {
    const double x = kLockerX, y = kLockerY, w = kLockerWidth, h = kLockerHeight;
    paintContactShadow(cr, x + w / 2 + 8, y + h + 6, w * 0.6, 10, 0.35);
    roundedRectPath(cr, x - 6, y - 10, w + 12, h + 16, 6);
    fillVerticalGradient(cr, y - 10, y + h + 6, lighten(palette::kWood, 0.25), palette::kWoodDark);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, x + 8, y + 8, w - 16, h - 16, 4);
    fillVerticalGradient(cr, y, y + h, {0.12, 0.07, 0.04}, {0.26, 0.16, 0.09});
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, x + 8, y + 146, w - 16, 8, 2);  // the inner shelf
    fillVerticalGradient(cr, y + 146, y + 154, palette::kWood, palette::kWoodDark);
    cairo_fill(cr);
    jar(cr, x + 112, y + 146, 26, 30, mix(guiPalette::kCream, palette::kSandShade, 0.4));
    jar(cr, x + 40, y + 78, 28, 30, guiPalette::kCream);
    roundedRectPath(cr, x + 8, y + 80, w - 16, 7, 2);
    fillVerticalGradient(cr, y + 80, y + 87, palette::kWood, palette::kWoodDark);
    cairo_fill(cr);
}

void chart(cairo_t* cr) {
    Canvas paper(190, 150);
    paper.drawImage(parchmentSheet(190, 150, 4, 0xc4a7), 0, 0);
    cairo_t* pc = paper.cr();
    cairo_move_to(pc, 40, 110);
    cairo_curve_to(pc, 30, 60, 80, 30, 120, 40);
    cairo_curve_to(pc, 160, 50, 150, 100, 120, 115);
    cairo_curve_to(pc, 90, 130, 60, 130, 40, 110);
    setColor(pc, palette::kSandShade, 0.6);
    cairo_fill_preserve(pc);
    strokeRound(pc, palette::kWoodDark, 2, 0.8);
    cairo_move_to(pc, 96, 70);
    cairo_line_to(pc, 108, 82);
    cairo_move_to(pc, 108, 70);
    cairo_line_to(pc, 96, 82);
    strokeRound(pc, palette::kCoral, 3);
    cairo_surface_t* surface = surfaceFromImage(paper.toImage());
    cairo_save(cr);
    cairo_translate(cr, 820, 244);
    cairo_rotate(cr, -0.05);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
    for (const auto& pin : {std::pair{830.0, 254.0}, {996.0, 246.0}}) drawBrassRivet(cr, pin.first, pin.second, 4);
    drawBrassRivet(cr, 1010, 276, 3.5);  // the nail the spectacles hang from
}

void hammock(cairo_t* cr) {
    const double x0 = 830, y0 = 112, x1 = 1170, y1 = 104;
    drawRope(cr, x0 - 30, 46, x0, y0, 6, 8);
    drawRope(cr, x1 + 30, 46, x1, y1, 6, 8);
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + 90, y0 + 150, x1 - 90, y1 + 150, x1, y1);
    cairo_curve_to(cr, x1 - 110, y1 + 90, x0 + 110, y0 + 90, x0, y0);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y0, y0 + 130, mix(palette::kParchment, palette::kSandShade, 0.35), darken(palette::kSandShade, 0.2));
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    for (int k = 1; k < 6; ++k) {  // stripes of the canvas
        const double t = k / 6.0;
        cairo_move_to(cr, x0 + (x1 - x0) * t, y0 + 60 + 30 * std::sin(t * M_PI));
        cairo_line_to(cr, x0 + (x1 - x0) * t, y0 + 100 + 18 * std::sin(t * M_PI));
    }
    setColor(cr, palette::kCoral, 0.5);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void lantern(cairo_t* cr) {
    const double x = 548;
    paintGlow(cr, x, 150, 150, {1, 0.85, 0.5}, palette::kSunset, 0.35);
    cairo_move_to(cr, x, 46);
    cairo_line_to(cr, x, 104);
    strokeRound(cr, palette::kInk, 2.5);
    cairo_arc(cr, x, 104, 9, M_PI, 2 * M_PI);
    strokeRound(cr, palette::kInk, 3);
    roundedRectPath(cr, x - 22, 110, 44, 10, 3);
    fillRoundShading(cr, x, 114, 22, guiPalette::kBrass);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    roundedRectPath(cr, x - 18, 120, 36, 44, 5);
    fillVerticalGradient(cr, 120, 164, {1, 0.95, 0.7}, {1, 0.7, 0.3});
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    roundedRectPath(cr, x - 22, 164, 44, 10, 3);
    fillRoundShading(cr, x, 168, 22, guiPalette::kBrass);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void floorAndSand(Canvas& canvas) {
    paintTextured(
        canvas,
        [](cairo_t* cr) {
            cairo_rectangle(cr, 0, kFloorY, 1600, 900 - kFloorY);
            fillVerticalGradient(cr, kFloorY, 900, darken(kFloorWood, 0.25), kFloorWood);
            cairo_new_path(cr);
            for (int k = -12; k <= 12; ++k) {  // boards converging towards the back wall
                cairo_move_to(cr, 800 + k * 70, kFloorY);
                cairo_line_to(cr, 800 + k * 150, 900);
            }
            setColor(cr, palette::kInk, 0.45);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_move_to(cr, 980, 900);  // sand the sea washed in through the hole
            cairo_curve_to(cr, 1020, 760, 1100, 650, 1230, 600);
            cairo_curve_to(cr, 1340, 570, 1500, 580, 1610, 560);
            cairo_line_to(cr, 1610, 900);
            cairo_close_path(cr);
            fillVerticalGradient(cr, 560, 900, palette::kSand, palette::kSandShade);
            strokeRound(cr, darken(palette::kSandShade, 0.3), 2, 0.5);
        },
        16, 0.1, 0x5a4d);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, kFloorY - 4, 1600, 30);  // shade where wall meets floor
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, kFloorY - 4, 0, kFloorY + 26);
    cairo_pattern_add_color_stop_rgba(shade, 0, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.55);
    cairo_pattern_add_color_stop_rgba(shade, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_new_path(cr);
    ellipsePath(cr, 1330, 600, 110, 18);  // a puddle under the hole
    fillVerticalGradient(cr, 582, 618, lighten(palette::kLagoon, 0.3), palette::kDeepSea, 0.7);
    strokeRound(cr, palette::kWhite, 1.5, 0.5);
    paintStarfish(cr, 1250, 760, 18, 0.4);
    paintStarfish(cr, 1540, 640, 14, 1.2);
}

void medicineChest(cairo_t* cr) {
    const double x = 700, y = 596, w = 200, h = 86;
    paintContactShadow(cr, x + w / 2 + 10, y + h + 4, w * 0.6, 14, 0.5);
    roundedRectPath(cr, x + 6, y - 96, w - 12, 100, 6);  // the lid, open against the wall
    fillVerticalGradient(cr, y - 96, y, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    roundedRectPath(cr, x + 18, y - 84, w - 36, 76, 4);
    fillVerticalGradient(cr, y - 84, y - 8, {0.62, 0.18, 0.16}, {0.42, 0.1, 0.08});  // the lid's velvet lining
    strokeInk(cr, 1.8, 0.7);
    cairo_new_path(cr);
    roundedRectPath(cr, x, y, w, 22, 4);  // the open top, empty inside
    fillVerticalGradient(cr, y, y + 22, {0.14, 0.08, 0.05}, {0.3, 0.16, 0.1});
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    roundedRectPath(cr, x, y + 16, w, h - 16, 6);
    fillVerticalGradient(cr, y + 16, y + h, lighten(palette::kWood, 0.25), palette::kWoodDark);
    strokeInk(cr, 2.8);
    cairo_new_path(cr);
    paintClinicEmblem(cr, x + w / 2, y + 50, 22);
    for (double cx : {x + 14, x + w - 14}) drawBrassRivet(cr, cx, y + 50, 5);
}

void crates(cairo_t* cr) {
    paintContactShadow(cr, 216, 712, 150, 16, 0.5);
    cairo_new_path(cr);  // the big crate's lid, seen from above
    cairo_move_to(cr, 86, 532);
    cairo_line_to(cr, 126, 496);
    cairo_line_to(cr, 362, 496);
    cairo_line_to(cr, 330, 532);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 496, 532, lighten(palette::kWood, 0.35), palette::kWood);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 330, 532);
    cairo_line_to(cr, 362, 496);
    cairo_line_to(cr, 362, 672);
    cairo_line_to(cr, 330, 710);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 496, 710, palette::kWoodDark, darken(palette::kWoodDark, 0.3));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 86, 532, 244, 178);  // its front: boards and a diagonal brace
    fillVerticalGradient(cr, 532, 710, lighten(palette::kWood, 0.25), palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (double y = 532 + 44.5; y < 710; y += 44.5) {
        cairo_move_to(cr, 86, y);
        cairo_line_to(cr, 330, y);
    }
    setColor(cr, palette::kInk, 0.45);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    cairo_rectangle(cr, 98, 544, 220, 154);
    cairo_move_to(cr, 98, 698);
    cairo_line_to(cr, 318, 544);
    setColor(cr, palette::kWoodDark);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kInk, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    paintBarrel(cr, 1250, 444, 130, 214);
    cairo_new_path(cr);
    ellipsePath(cr, 1315, 446, 66, 14);
    fillVerticalGradient(cr, 432, 460, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

void lyingBarrel(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 1500, 640);
    cairo_rotate(cr, -M_PI / 2 + 0.1);
    paintBarrel(cr, -60, -90, 120, 190);
    cairo_restore(cr);
    cairo_new_path(cr);
    ellipsePath(cr, 1408, 646, 22, 62);  // its open end
    fillVerticalGradient(cr, 584, 708, {0.16, 0.1, 0.06}, {0.34, 0.22, 0.12});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

}  // namespace

RgbaImage paintCabinBackdrop() {
    Canvas canvas(kSceneWidth, kSceneHeight);
    cairo_t* cr = canvas.cr();
    wall(canvas);
    holeInHull(cr);
    ribsAndBeams(cr);
    lantern(cr);
    shelves(cr);
    lockerFrame(cr);
    chart(cr);
    hammock(cr);
    paintCabinWalls(cr);
    floorAndSand(canvas);
    medicineChest(cr);
    crates(cr);
    lyingBarrel(cr);
    paintCabinFloor(cr);
    lightRays(cr);
    paintVignette(cr, 0.5);
    RgbaImage image = canvas.toImage();
    for (size_t i = 3; i < image.rgba.size(); i += 4) image.rgba[i] = 255;
    return image;
}
