// The professor's laboratory with its observatory tower, his weather mast, the clinic and its
// ward tent.
#include "tools/forge/art/camp_landmarks.h"

#include <cmath>

#include "tools/forge/art/camp_house.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"

namespace {

using namespace campPalette;

constexpr Rgb kTowerWall{0.93, 0.90, 0.82};  // whitewashed
constexpr Rgb kCopper{0.36, 0.66, 0.58};
constexpr Rgb kBrass{0.86, 0.66, 0.28};

// The observatory: a round stone tower, its copper dome open for the brass telescope.
void observatory(cairo_t* cr, double cx, double ground, double radius, double height, int stage) {
    const double built = stage == 1 ? 0.12 : stage == 2 ? 0.55 : 1.0;
    const double top = ground - height * built;
    const double squash = 0.35;
    groundShadow(cr, cx + radius * 0.4, ground + 2, radius * 1.4, radius * 0.45, 0.4);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - radius, top);
    cairo_line_to(cr, cx - radius, ground);
    cairo_save(cr);  // the front of the base curves towards us, seen a little from above
    cairo_translate(cr, cx, ground);
    cairo_scale(cr, 1, squash);
    cairo_arc_negative(cr, 0, 0, radius, M_PI, 0);
    cairo_restore(cr);
    cairo_line_to(cr, cx + radius, top);
    cairo_close_path(cr);
    cairo_pattern_t* round = cairo_pattern_create_linear(cx - radius, 0, cx + radius, 0);
    cairo_pattern_add_color_stop_rgb(round, 0, kTowerWall.r * 1.1, kTowerWall.g * 1.1, kTowerWall.b * 1.1);
    cairo_pattern_add_color_stop_rgb(round, 0.35, kTowerWall.r * 1.2, kTowerWall.g * 1.2, kTowerWall.b * 1.2);
    cairo_pattern_add_color_stop_rgb(round, 1, kTowerWall.r * 0.7, kTowerWall.g * 0.7, kTowerWall.b * 0.7);
    cairo_set_source(cr, round);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(round);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);  // a timber cornice under the dome
    ellipsePath(cr, cx, top + 6, radius, radius * squash);
    setColor(cr, kTimber, 0.9);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    ellipsePath(cr, cx, top, radius, radius * squash);
    setColor(cr, darken(kTowerWall, 0.35));
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    if (stage == 2) {  // scaffold poles round the rising wall
        for (double dx : {-radius - 6, radius + 6}) strokeLine(cr, {cx + dx, ground + 2}, {cx + dx, top - 30}, kTimber, 3);
        strokeLine(cr, {cx - radius - 8, top - 12}, {cx + radius + 8, top - 12}, kTimber, 2.5);
        return;
    }
    if (stage != 3) return;
    // A door, a round window, the dome, its slit and the telescope.
    roundedRectPath(cr, cx - radius * 0.55, ground - height * 0.34, radius * 0.42, height * 0.34 + radius * 0.3, 4);
    setColor(cr, kDoorway);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx - radius * 0.2, top + height * 0.42, radius * 0.22, 0, 2 * M_PI);
    shadeWithInk(cr, cx - radius * 0.2, top + height * 0.42, radius * 0.22, {0.42, 0.62, 0.78}, 1.2);
    cairo_new_path(cr);
    cairo_arc(cr, cx, top + 2, radius * 1.18, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    shadeWithInk(cr, cx - radius * 0.3, top - radius * 0.4, radius * 1.2, kCopper, 1.6);
    polygonPath(cr, {{cx + radius * 0.05, top - radius * 1.16}, {cx + radius * 0.35, top - radius * 1.1},
                     {cx + radius * 0.38, top}, {cx + radius * 0.05, top}});
    setColor(cr, {0.12, 0.1, 0.1});
    cairo_fill(cr);
    strokeLine(cr, {cx + radius * 0.2, top - radius * 0.3}, {cx + radius * 1.0, top - radius * 1.5}, darken(kBrass, 0.3), 9);
    strokeLine(cr, {cx + radius * 0.2, top - radius * 0.3}, {cx + radius * 1.0, top - radius * 1.5}, kBrass, 6);
    paintSparkle(cr, cx + radius * 1.0, top - radius * 1.5, 9, 0.9);
}

void labDetails(cairo_t* cr, const HouseSpec& spec, int stage) {
    const HouseFrame f = houseFrame(spec);
    if (stage == 3) {  // a chimney on the roof and a big window by the door
        const double x = f.apexX + f.dx * 0.55 + 10;
        const double y = f.apexY + f.dy * 0.55 + 12;
        polygonPath(cr, {{x, y}, {x + 14, y}, {x + 14, y - 30}, {x, y - 30}});
        fillVerticalGradient(cr, y - 30, y, {0.72, 0.42, 0.32}, {0.5, 0.28, 0.2});
        strokeInk(cr, 1.2);
        const double wx = spec.left + spec.width * 0.12;
        roundedRectPath(cr, wx, f.floorY - spec.wallHeight * 0.75, spec.width * 0.3, spec.wallHeight * 0.42, 3);
        fillVerticalGradient(cr, f.floorY - spec.wallHeight * 0.75, f.floorY - spec.wallHeight * 0.33,
                             {0.62, 0.82, 0.92}, {0.30, 0.50, 0.66});
        strokeInk(cr, 1.4);
        cairo_new_path(cr);
        strokeLine(cr, {wx + spec.width * 0.15, f.floorY - spec.wallHeight * 0.75},
                   {wx + spec.width * 0.15, f.floorY - spec.wallHeight * 0.33}, kTimber, 2);
        paintGloss(cr, wx + spec.width * 0.08, f.floorY - spec.wallHeight * 0.66, 8, 5, 0.7);
    }
    if (stage == 1) {
        paintCrate(cr, spec.left + spec.width * 0.55, spec.ground - 14, 22);
        paintCrate(cr, spec.left + spec.width * 0.75, spec.ground - 10, 18);
    }
}

// The observatory rises behind the laboratory's back corner.
void labTower(cairo_t* cr, const HouseSpec& spec, int stage) {
    const HouseFrame f = houseFrame(spec);
    const double ground = spec.ground + f.dy + 4;
    observatory(cr, spec.left + spec.width + f.dx + 4, ground, 34, spec.wallHeight + spec.roofHeight + 18, stage);
}

HouseSpec labHouse() {
    return {.width = 120, .depth = 84, .wallHeight = 70, .roofHeight = 50, .overhang = 12, .wall = WallKind::Planks,
            .roof = RoofKind::Shingles, .wallColor = {0.80, 0.63, 0.42}, .roofColor = {0.34, 0.44, 0.56}, .doorAt = 0.66,
            .sideWindows = 2, .seed = 11};
}

void clinicDetails(cairo_t* cr, const HouseSpec& spec, int stage) {
    const HouseFrame f = houseFrame(spec);
    if (stage == 2) {  // the sign waits against the wall to be hung
        paintMedicSign(cr, spec.left + spec.width * 0.84, spec.ground - 14, 12);
        return;
    }
    if (stage != 3) return;
    paintMedicSign(cr, f.apexX, f.apexY + spec.roofHeight * 0.55, spec.roofHeight * 0.26);
    // A striped awning over the door on two slim posts.
    const double x0 = spec.left + spec.width * 0.22;
    const double x1 = spec.left + spec.width * 0.78;
    const double top = f.floorY - spec.wallHeight * 0.86;
    const double low = top + 18;
    for (double x : {x0 + 3, x1 - 3}) strokeLine(cr, {x, low}, {x, spec.ground + 6}, kTimber, 3);
    for (int k = 0; k < 6; ++k) {
        const double a = x0 + (x1 - x0) * k / 6.0;
        const double b = x0 + (x1 - x0) * (k + 1) / 6.0;
        polygonPath(cr, {{a, top}, {b, top}, {b + 3, low}, {a + 3, low}});
        setColor(cr, k % 2 == 0 ? kMedicGreen : kWhitewash);
        cairo_fill(cr);
    }
    polygonPath(cr, {{x0, top}, {x1, top}, {x1 + 3, low}, {x0 + 3, low}});
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
}

HouseSpec clinicHouse() {
    return {.width = 140, .depth = 86, .wallHeight = 62, .roofHeight = 50, .overhang = 12, .wall = WallKind::Plaster,
            .roof = RoofKind::Shingles, .wallColor = kWhitewash, .roofColor = {0.36, 0.60, 0.50}, .doorAt = 0.5,
            .sideWindows = 2, .seed = 13};
}

}  // namespace

BuildingArt canvasArt(const std::string& image, int width, int height, double footX, double footY, double footRx,
                      double footRy, void (*paint)(cairo_t*, int, int, int)) {
    return {image, width, height, footX, footY, footRx, footRy, [=](int stage) {
                Canvas canvas(width, height);
                paint(canvas.cr(), width, height, stage);
                return canvas.toImage();
            }};
}

std::vector<BuildingArt> landmarkArts() {
    std::vector<BuildingArt> arts = {
        houseArt("lab", labHouse(), labDetails, {0, 74, 24}, labTower),
        houseArt("clinic", clinicHouse(), clinicDetails),
    };
    for (BuildingArt& art : outpostArts()) arts.push_back(std::move(art));
    return arts;
}
