// The small buildings round the camp: the professor's weather mast, the clinic's ward tent, and the
// finishing touches: a lookout tower and a jetty with the jolly boat.
#include <cmath>

#include "tools/forge/art/camp_landmarks.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"

namespace {

using namespace campPalette;


double builtShare(int stage) { return stage == 1 ? 0.28 : stage == 2 ? 0.7 : 1.0; }

void pennant(cairo_t* cr, double x, double y, double size, Rgb color) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + size * 0.5, y - size * 0.12, x + size * 0.8, y + size * 0.1, x + size * 1.3, y + size * 0.15);
    cairo_curve_to(cr, x + size * 0.8, y + size * 0.3, x + size * 0.5, y + size * 0.5, x, y + size * 0.5);
    cairo_close_path(cr);
    fillVerticalGradient(cr, y, y + size * 0.5, lighten(color, 0.25), color);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

void paintWeatherMast(cairo_t* cr, int width, int height, int stage) {
    const double x = width / 2.0;
    const double ground = height - 14.0;
    groundShadow(cr, x + 14, ground, 34, 9, 0.4);
    if (stage == 1) {  // the mast still lies on the sand beside its coil of rope
        strokeLine(cr, {x - 40, ground - 4}, {x + 40, ground - 14}, kPole, 5);
        paintCrate(cr, x - 12, ground - 24, 22);
        return;
    }
    const double top = ground - (height - 40) * builtShare(stage);
    for (double dx : {-34.0, 34.0}) strokeLine(cr, {x + dx, ground}, {x, top + 16}, kRope, 1.0, 0.9);  // stays
    paintPost(cr, {x, ground}, ground - top, 5, kPole);
    // The instrument box on its legs, with louvres.
    const double bx = x + 8;
    const double by = ground - 52;
    for (double lx : {bx + 3, bx + 23}) strokeLine(cr, {lx, by + 22}, {lx, ground}, kTimber, 2.5);
    roundedRectPath(cr, bx, by, 26, 24, 2);
    fillVerticalGradient(cr, by, by + 24, palette::kWhite, {0.82, 0.82, 0.78});
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    if (stage != 3) return;
    for (double ly = by + 5; ly < by + 22; ly += 4) strokeLine(cr, {bx + 3, ly}, {bx + 23, ly}, palette::kInk, 0.8, 0.4);
    // Cups of the anemometer on their cross and the vane above them.
    for (int k = 0; k < 3; ++k) {
        const double a = k * 2 * M_PI / 3 + 0.3;
        const double cx = x + std::cos(a) * 16;
        const double cy = top + 14 + std::sin(a) * 5;
        strokeLine(cr, {x, top + 14}, {cx, cy}, palette::kInk, 1.2, 0.8);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, 4, 0, 2 * M_PI);
        shadeWithInk(cr, cx, cy, 4, {0.86, 0.66, 0.28}, 1.0);
    }
    strokeLine(cr, {x - 18, top}, {x + 18, top}, palette::kInk, 1.5);
    polygonPath(cr, {{x + 18, top - 5}, {x + 26, top}, {x + 18, top + 5}});
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    pennant(cr, x - 20, top - 8, 10, kFlagRed);
}

void paintWardTent(cairo_t* cr, int /*width*/, int height, int stage) {
    const double x0 = 14;
    const double ground = height - 22.0;
    const double w = 96;
    const double h = 78;
    const double dx = 52;
    const double dy = -28;
    groundShadow(cr, x0 + w * 0.65 + dx * 0.5, ground + dy * 0.4 + 4, w * 0.85, 26, 0.4);
    const CampPoint apex{x0 + w / 2, ground - h};
    const CampPoint apexBack{apex.x + dx, apex.y + dy};
    if (stage == 1) {  // poles, pegs and the folded canvas wait on the sand
        for (int k = 0; k < 3; ++k) strokeLine(cr, {x0 + 6, ground - 4 - k * 5}, {x0 + 110, ground - 18 - k * 5}, kPole, 3.5);
        roundedRectPath(cr, x0 + 60, ground - 26, 56, 20, 6);
        fillVerticalGradient(cr, ground - 26, ground - 6, kCanvas, darken(kCanvas, 0.2));
        strokeInk(cr, 1.3);
        cairo_new_path(cr);
        return;
    }
    // The side of the tent, then the front with its flaps tied open.
    polygonPath(cr, {apex, apexBack, {x0 + w + dx, ground + dy}, {x0 + w, ground}});
    fillVerticalGradient(cr, apexBack.y, ground, darken(kCanvas, 0.08), darken(kCanvas, 0.3));
    strokeInk(cr, 1.4);
    if (stage == 2) {
        strokeLine(cr, {x0, ground}, apex, kPole, 3);
        strokeLine(cr, {x0 + w, ground}, apex, kPole, 3);
        strokeLine(cr, apex, apexBack, kPole, 3);
        return;
    }
    paintMedicSign(cr, apex.x + dx * 0.55 + 8, apex.y + dy * 0.55 + h * 0.45, 11);
    polygonPath(cr, {{x0, ground}, apex, {x0 + w, ground}});
    fillVerticalGradient(cr, apex.y, ground, lighten(kCanvas, 0.1), darken(kCanvas, 0.1));
    strokeInk(cr, 1.4);
    polygonPath(cr, {{x0 + w * 0.3, ground}, {apex.x, apex.y + 14}, {x0 + w * 0.7, ground}});
    setColor(cr, {0.22, 0.16, 0.12});
    cairo_fill(cr);
    roundedRectPath(cr, x0 + w * 0.4, ground - 12, w * 0.28, 6, 2);  // a cot inside
    setColor(cr, palette::kWhite, 0.85);
    cairo_fill(cr);
    for (double side : {-1.0, 1.0}) {  // guy ropes to their pegs
        const CampPoint from{side < 0 ? x0 + 8 : x0 + w - 8, ground - h * 0.2};
        strokeLine(cr, from, {from.x + side * 10, ground + 6}, kRope, 1.0);
    }
}

void paintLookout(cairo_t* cr, int width, int height, int stage) {
    const double cx = width / 2.0;
    const double ground = height - 16.0;
    const double deck = 126;
    groundShadow(cr, cx + 30, ground, 62, 14, 0.4);
    const double built = builtShare(stage);
    const double legTop = ground - (ground - deck) * built;
    const double spread = 44;
    const double narrow = 24;
    const auto legX = [&](double side, double y) { return cx + side * (narrow + (spread - narrow) * (y - deck) / (ground - deck)); };
    const auto leg = [&](CampPoint a, CampPoint b, Rgb wood, double width) {
        strokeLine(cr, a, b, palette::kInk, width + 2.5, 0.9);
        strokeLine(cr, a, b, wood, width);
    };
    for (double side : {-1.0, 1.0}) leg({legX(side, ground) + side * -12, ground - 10}, {legX(side, legTop) + side * -8, legTop}, darken(kPole, 0.3), 5);
    if (stage == 1) {
        for (int k = 0; k < 3; ++k) strokeLine(cr, {cx - 50, ground - 4 - k * 5}, {cx + 40, ground + 2 - k * 5}, kPole, 4.5);
    }
    for (double side : {-1.0, 1.0}) leg({legX(side, ground), ground}, {legX(side, legTop), legTop}, kPole, 7);
    if (stage == 1) return;
    for (double y = ground - 40; y > deck + 20; y -= 56) {  // cross braces
        leg({legX(-1, y), y}, {legX(1, y - 40), y - 40}, kPole, 3.5);
        leg({legX(1, y), y}, {legX(-1, y - 40), y - 40}, kPole, 3.5);
    }
    polygonPath(cr, {{cx - 40, deck}, {cx + 40, deck}, {cx + 50, deck - 12}, {cx - 30, deck - 12}});
    fillVerticalGradient(cr, deck - 12, deck, lighten(kTimber, 0.3), kTimber);
    strokeInk(cr, 1.3);
    cairo_new_path(cr);
    for (double y = deck + 14; y < ground - 4; y += 12) strokeLine(cr, {cx - 6, y}, {cx + 6, y}, kTimber, 2);  // ladder
    strokeLine(cr, {cx - 7, deck}, {cx - 7, ground}, kTimber, 2);
    strokeLine(cr, {cx + 7, deck}, {cx + 7, ground}, kTimber, 2);
    if (stage == 2) return;
    for (double x : {cx - 38.0, cx + 38.0}) strokeLine(cr, {x, deck}, {x + 4, deck - 50}, kTimber, 3);
    strokeLine(cr, {cx - 38, deck - 22}, {cx + 40, deck - 22}, kTimber, 2.5);  // rail
    polygonPath(cr, {{cx - 52, deck - 44}, {cx + 6, deck - 86}, {cx + 60, deck - 44}, {cx + 50, deck - 38}, {cx - 44, deck - 38}});
    fillVerticalGradient(cr, deck - 86, deck - 38, lighten(kStraw, 0.15), darken(kStraw, 0.25));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    strokeLine(cr, {cx + 6, deck - 86}, {cx + 6, deck - 118}, palette::kWoodDark, 2.5);
    pennant(cr, cx + 7, deck - 118, 22, kFlagRed);
}

void paintJetty(cairo_t* cr, int width, int height, int stage) {
    // The deck runs from the beach (top left) out over the water (bottom right).
    const CampPoint shoreA{18, 30};
    const CampPoint shoreB{64, 18};
    const CampPoint endA{width - 110.0, height - 40.0};
    const CampPoint endB{width - 64.0, height - 56.0};
    const double built = builtShare(stage);
    const auto along = [](CampPoint a, CampPoint b, double t) { return CampPoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; };
    for (int k = 0; k <= 4; ++k) {  // posts standing in the water, each with a ring of ripples
        const double t = k / 4.0 * built;
        for (const CampPoint& p : {along(shoreA, endA, t), along(shoreB, endB, t)}) {
            cairo_new_path(cr);
            ellipsePath(cr, p.x, p.y + 20, 9, 3);
            setColor(cr, palette::kWhite, 0.5);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            paintPost(cr, {p.x, p.y + 20}, 26, 6, darken(kTimber, 0.2));
        }
    }
    if (stage == 1) return;
    const double deckShare = stage == 2 ? 0.55 : 1.0;
    const CampPoint a1 = along(shoreA, endA, deckShare);
    const CampPoint b1 = along(shoreB, endB, deckShare);
    polygonPath(cr, {shoreA, shoreB, b1, a1});
    fillVerticalGradient(cr, shoreB.y, a1.y, lighten(kTimber, 0.3), kTimber);
    strokeInk(cr, 1.4);
    polygonPath(cr, {shoreA, a1, {a1.x, a1.y + 6}, {shoreA.x, shoreA.y + 6}});
    setColor(cr, darken(kTimber, 0.35));
    cairo_fill(cr);
    for (int k = 1; k < 16; ++k) {
        const double t = k / 16.0 * deckShare;
        strokeLine(cr, along(shoreA, endA, t), along(shoreB, endB, t), palette::kInk, 0.9, 0.45);
    }
    if (stage == 2) return;
    // The jolly boat tied alongside, and a lantern on a post at the end.
    const double bx = endA.x - 84;
    const double by = endA.y + 12;
    const auto hull = [&](double inset) {  // pointed at both ends, seen from above and a little aside
        cairo_new_path(cr);
        cairo_move_to(cr, bx + inset * 1.6, by);
        cairo_curve_to(cr, bx + 20, by - 14 + inset, bx + 60, by - 18 + inset, bx + 84 - inset * 1.6, by - 10);
        cairo_curve_to(cr, bx + 64, by + 6 - inset, bx + 24, by + 10 - inset, bx + inset * 1.6, by);
        cairo_close_path(cr);
    };
    groundShadow(cr, bx + 44, by + 4, 46, 8, 0.3);
    hull(0);
    fillVerticalGradient(cr, by - 18, by + 10, palette::kWhite, {0.72, 0.80, 0.86});
    strokeInk(cr, 1.4);
    hull(4);
    fillVerticalGradient(cr, by - 14, by + 6, lighten(kTimber, 0.3), kTimber);
    strokeInk(cr, 1.0);
    for (const double t : {0.35, 0.62}) {  // the thwarts
        strokeLine(cr, {bx + 84 * t - 2, by - 13 + 8 * t}, {bx + 84 * t + 3, by + 5 - 4 * t}, darken(kTimber, 0.3), 3);
    }
    strokeLine(cr, {bx + 28, by - 4}, {bx + 70, by - 18}, kPole, 2.5);  // an oar across the seats
    strokeLine(cr, {bx + 82, by - 9}, {endA.x - 8, endA.y - 4}, kRope, 1.2);
    strokeLine(cr, {endB.x - 4, endB.y}, {endB.x - 4, endB.y - 44}, palette::kWoodDark, 3);
    roundedRectPath(cr, endB.x - 10, endB.y - 58, 12, 14, 3);
    fillVerticalGradient(cr, endB.y - 58, endB.y - 44, {1.0, 0.92, 0.6}, palette::kGold);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

}  // namespace

std::vector<BuildingArt> outpostArts() {
    return {
        canvasArt("weather_mast", 100, 240, 50, 226, 36, 12, paintWeatherMast),
        canvasArt("ward_tent", 200, 150, 84, 116, 80, 26, paintWardTent),
        canvasArt("lookout", 170, 352, 85, 334, 60, 16, paintLookout),
        canvasArt("jetty", 250, 170, 120, 90, 0, 0, paintJetty),
    };
}
