#include "tools/forge/art/camp_house.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/paint/sheet.h"

namespace {

using namespace campPalette;

constexpr double kDepthX = 0.62;  // the depth direction: to the back is up and to the right
constexpr double kDepthY = -0.34;
constexpr Rgb kFooting{0.62, 0.60, 0.55};
constexpr double kPictureMargin = 8;

using P = CampPoint;

P shifted(P p, double dx, double dy) { return {p.x + dx, p.y + dy}; }
P lerp(P a, P b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The corners every stage is painted from.
struct Corners {
    P groundFront, groundRight, groundBack;  // ground under the front-left, front-right, back-right posts
    P floorLeft, floorRight, floorBack;      // the same at floor level
    P topLeft, topRight, topBack;            // the same at the top of the walls
    P apex, apexBack;                        // ridge, front and back
    P eaveLeft, eaveRight, eaveBack;         // lower ends of the roof
    double dx, dy;
};

Corners cornersOf(const HouseSpec& s) {
    Corners c{};
    c.dx = s.depth * kDepthX;
    c.dy = s.depth * kDepthY;
    const double floorY = s.ground - s.stilts;
    c.groundFront = {s.left, s.ground};
    c.groundRight = {s.left + s.width, s.ground};
    c.groundBack = shifted(c.groundRight, c.dx, c.dy);
    c.floorLeft = {s.left, floorY};
    c.floorRight = {s.left + s.width, floorY};
    c.floorBack = shifted(c.floorRight, c.dx, c.dy);
    c.topLeft = shifted(c.floorLeft, 0, -s.wallHeight);
    c.topRight = shifted(c.floorRight, 0, -s.wallHeight);
    c.topBack = shifted(c.topRight, c.dx, c.dy);
    c.apex = {s.left + s.width / 2, floorY - s.wallHeight - s.roofHeight};
    c.apexBack = shifted(c.apex, c.dx, c.dy);
    const double drop = s.overhang * s.roofHeight / (s.width / 2);
    c.eaveLeft = shifted(c.topLeft, -s.overhang, drop);
    c.eaveRight = shifted(c.topRight, s.overhang, drop);
    c.eaveBack = shifted(c.eaveRight, c.dx, c.dy);
    return c;
}

void shadow(cairo_t* cr, const HouseSpec& s, const Corners& c, double size) {
    groundShadow(cr, s.left + s.width * 0.62 + c.dx * 0.5, s.ground + c.dy * 0.45 + 3,
                 size * (s.width * 0.72 + s.depth * 0.35), size * (s.depth * 0.32 + 10), 0.42);
}

// Pegs at the corners of the plot with a string between them.
void plot(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const P back = shifted(c.groundFront, c.dx, c.dy);
    cairo_new_path(cr);
    for (const P& p : {c.groundFront, c.groundRight, c.groundBack, back, c.groundFront}) cairo_line_to(cr, p.x, p.y);
    strokeRound(cr, {0.95, 0.92, 0.85}, 1.2, 0.9);
    for (const P& p : {back, c.groundBack, c.groundFront, c.groundRight}) {
        strokeLine(cr, p, shifted(p, 0, -9), kTimber, 3.2);
        strokeLine(cr, p, shifted(p, 0, -9), palette::kInk, 0.8, 0.5);
    }
    (void)s;
}

// Stilts under the floor and the deck on them, or the stone course a grounded house sits on.
void base(cairo_t* cr, const HouseSpec& s, const Corners& c, double built) {
    const double postWidth = std::max(4.0, s.width * 0.06);
    if (s.stilts <= 0) {
        const double h = 7 * built + 2;
        polygonPath(cr, {shifted(c.groundFront, -3, 0), shifted(c.groundRight, 3, 0), shifted(c.groundBack, 3, 0),
                     shifted(c.groundBack, 3, -h), shifted(c.groundRight, 3, -h), shifted(c.groundFront, -3, -h)});
        fillVerticalGradient(cr, s.ground - h, s.ground, lighten(kFooting, 0.2), darken(kFooting, 0.15));
        strokeInk(cr, 1.3);
        cairo_new_path(cr);
        return;
    }
    const double height = s.stilts * built;
    paintPost(cr, c.groundBack, height, postWidth);
    paintPost(cr, c.groundFront, height, postWidth);
    paintPost(cr, lerp(c.groundFront, c.groundRight, 0.5), height, postWidth);
    paintPost(cr, c.groundRight, height, postWidth);
    if (built < 1) return;
    const double t = std::max(5.0, s.stilts * 0.18);  // the deck's edge
    const P backLeft = shifted(c.floorLeft, c.dx, c.dy);
    polygonPath(cr, {shifted(c.floorLeft, -6, 0), shifted(c.floorRight, 6, 0), shifted(c.floorBack, 6, 0),
                 shifted(backLeft, -6, 0)});
    fillVerticalGradient(cr, c.floorBack.y, c.floorLeft.y, lighten(kTimber, 0.25), kTimber);
    strokeInk(cr, 1.2);
    polygonPath(cr, {shifted(c.floorLeft, -6, 0), shifted(c.floorRight, 6, 0), shifted(c.floorBack, 6, 0),
                 shifted(c.floorBack, 6, t), shifted(c.floorRight, 6, t), shifted(c.floorLeft, -6, t)});
    fillVerticalGradient(cr, c.floorLeft.y, c.floorLeft.y + t, kTimber, darken(kTimber, 0.3));
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

// Texture lines across a wall face, clipped to it.
void wallTexture(cairo_t* cr, const HouseSpec& s, P a, P b, double height, bool side) {
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    const Rgb ink = darken(s.wallColor, 0.45);
    if (s.wall == WallKind::Bamboo) {  // poles standing side by side, with their nodes
        const int poles = std::max(3, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 7));
        for (int k = 1; k < poles; ++k) {
            const P p = lerp(a, b, static_cast<double>(k) / poles);
            strokeLine(cr, p, shifted(p, 0, -height), ink, 1.0, 0.55);
            for (double node : {0.3, 0.68}) {
                const P n = shifted(p, 0, -height * node - (k % 2) * 4);
                strokeLine(cr, shifted(n, -3, 0), shifted(n, 3, 0), ink, 1.0, 0.4);
            }
        }
    } else if (s.wall == WallKind::Planks) {  // boards lying one above the other
        for (double y = 8; y < height; y += 9) strokeLine(cr, shifted(a, 0, -y), shifted(b, 0, -y), ink, 1.0, 0.5);
    } else {  // whitewash over a timber frame
        strokeLine(cr, shifted(a, 0, -height * 0.5), shifted(b, 0, -height * 0.5), kTimber, 3.0);
    }
    cairo_restore(cr);
    (void)side;
}

void face(cairo_t* cr, const HouseSpec& s, P a, P b, double height, double shade) {
    polygonPath(cr, {a, b, shifted(b, 0, -height), shifted(a, 0, -height)});
    const Rgb color = darken(s.wallColor, shade);
    fillVerticalGradient(cr, a.y - height, a.y, lighten(color, 0.12), darken(color, 0.08));
    wallTexture(cr, s, a, b, height, shade > 0);
    // The eaves keep the top of the wall in shade.
    polygonPath(cr, {shifted(a, 0, -height + 14), shifted(b, 0, -height + 14), shifted(b, 0, -height), shifted(a, 0, -height)});
    cairo_pattern_t* eave = cairo_pattern_create_linear(0, a.y - height, 0, a.y - height + 14);
    cairo_pattern_add_color_stop_rgba(eave, 0, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.35);
    cairo_pattern_add_color_stop_rgba(eave, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0);
    cairo_set_source(cr, eave);
    cairo_fill(cr);
    cairo_pattern_destroy(eave);
    polygonPath(cr, {a, b, shifted(b, 0, -height), shifted(a, 0, -height)});
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
}

// The side wall, in the shade, then the sunlit front.
void walls(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    face(cr, s, c.floorRight, c.floorBack, s.wallHeight, 0.25);
    face(cr, s, c.floorLeft, c.floorRight, s.wallHeight, 0.0);
}

void door(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    if (s.doorAt < 0) return;
    const double w = s.width * 0.24;
    const double h = s.wallHeight * 0.7;
    const double x = s.left + s.width * s.doorAt - w / 2;
    roundedRectPath(cr, x, c.floorLeft.y - h, w, h + 1, w * 0.2);
    setColor(cr, kDoorway);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.4);
    cairo_new_path(cr);
    strokeLine(cr, {x - 2, c.floorLeft.y - h}, {x + w + 2, c.floorLeft.y - h}, kTimber, 3.0);
    if (s.stilts > 0) {  // a ladder down from the door
        const double foot = s.ground + 2;
        for (double side : {x + 3, x + w - 3}) {
            strokeLine(cr, {side, c.floorLeft.y}, {side + (side - x - w / 2) * 0.3, foot}, kTimber, 2.4);
        }
        for (double y = c.floorLeft.y + 8; y < foot - 2; y += 8) strokeLine(cr, {x + 3, y}, {x + w - 3, y}, kTimber, 1.8);
    }
}

void sideWindows(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    for (int k = 0; k < s.sideWindows; ++k) {
        const double t0 = (k + 0.3) / (s.sideWindows + 0.1);
        const double t1 = t0 + 0.45 / (s.sideWindows + 0.1);
        const double low = s.wallHeight * 0.3;
        const double high = s.wallHeight * 0.72;
        const P a = lerp(c.floorRight, c.floorBack, t0);
        const P b = lerp(c.floorRight, c.floorBack, t1);
        polygonPath(cr, {shifted(a, 0, -low), shifted(b, 0, -low), shifted(b, 0, -high), shifted(a, 0, -high)});
        fillVerticalGradient(cr, a.y - high, a.y - low, {0.30, 0.22, 0.15}, kDoorway);
        strokeInk(cr, 1.2);
        cairo_new_path(cr);
        strokeLine(cr, shifted(a, -2, -low + 1), shifted(b, 2, -low + 1), kTimber, 2.4);  // the sill
    }
}

// The triangle of wall under the roof's front edge, with a small round vent.
void gable(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const P top = shifted(c.apex, 0, s.roofHeight * 0.1);
    polygonPath(cr, {c.topLeft, c.topRight, top});
    fillVerticalGradient(cr, c.apex.y, c.topLeft.y, darken(s.wallColor, 0.1), s.wallColor);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    for (double y = c.topLeft.y - 8; y > top.y; y -= 9) {
        strokeLine(cr, {c.topLeft.x, y}, {c.topRight.x, y}, darken(s.wallColor, 0.45), 1.0, 0.45);
    }
    cairo_restore(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    const double r = std::max(3.0, s.roofHeight * 0.09);
    cairo_arc(cr, top.x, c.topLeft.y - (c.topLeft.y - top.y) * 0.38, r, 0, 2 * M_PI);
    setColor(cr, kDoorway);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

// Straw: short strands laid down the slope, lighter and darker ones mixed, in rows of bundles.
void strawRows(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    ForgeRandom random(s.seed * 7919u + 17u);
    const Rgb dark = darken(s.roofColor, 0.45);
    const Rgb light = lighten(s.roofColor, 0.35);
    for (int k = 0; k < 260; ++k) {
        const double across = random.unit();
        const double down = random.unit();
        const P top = lerp(lerp(c.apex, c.apexBack, across), lerp(c.eaveRight, c.eaveBack, across), down);
        const P dir = {(c.eaveRight.x - c.apex.x) * 0.08, (c.eaveRight.y - c.apex.y) * 0.08};
        strokeLine(cr, top, shifted(top, dir.x, dir.y), k % 3 == 0 ? light : dark, 0.9, 0.45);
    }
    for (int k = 1; k <= 5; ++k) {  // the bundles' lower edges
        const double t = k / 5.5;
        strokeLine(cr, lerp(c.apex, c.eaveRight, t), lerp(c.apexBack, c.eaveBack, t), dark, 1.2, 0.5);
    }
}

void shingleRows(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const Rgb ink = darken(s.roofColor, 0.5);
    constexpr int kRows = 8;
    for (int k = 1; k <= kRows; ++k) {
        const double t = static_cast<double>(k) / (kRows + 0.5);
        const P a = lerp(c.apex, c.eaveRight, t);
        const P b = lerp(c.apexBack, c.eaveBack, t);
        strokeLine(cr, a, b, ink, 1.0, 0.6);
        for (int j = 0; j < 9; ++j) {  // the joints between shingles, staggered per row
            const P q = lerp(a, b, (j + 0.5 * (k % 2)) / 9.0);
            strokeLine(cr, q, lerp(q, lerp(c.apex, c.eaveRight, t - 1.0 / (kRows + 0.5)), 1.0), ink, 0.8, 0.35);
        }
    }
}

// Loose straw hanging from an eave between a and b.
void fringe(cairo_t* cr, const HouseSpec& s, P a, P b, double length) {
    ForgeRandom random(s.seed * 104729u + 3u);
    const int strands = std::max(6, static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 3));
    for (int k = 0; k <= strands; ++k) {
        const P p = lerp(a, b, static_cast<double>(k) / strands);
        const double len = length * random.uniform(0.5, 1.0);
        strokeLine(cr, p, shifted(p, random.uniform(-1.5, 1.5), len), k % 2 ? darken(s.roofColor, 0.3) : s.roofColor, 1.6);
    }
}

void roof(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    polygonPath(cr, {c.apex, c.apexBack, c.eaveBack, c.eaveRight});
    fillVerticalGradient(cr, c.apexBack.y, c.eaveRight.y, darken(s.roofColor, 0.05), darken(s.roofColor, 0.3));
    cairo_save(cr);
    cairo_clip(cr);
    if (s.roof == RoofKind::Thatch) strawRows(cr, s, c);
    else shingleRows(cr, s, c);
    cairo_restore(cr);
    if (s.roof == RoofKind::Thatch) fringe(cr, s, c.eaveRight, c.eaveBack, std::max(4.0, s.roofHeight * 0.1));
    polygonPath(cr, {c.apex, c.apexBack, c.eaveBack, c.eaveRight});
    strokeInk(cr, 1.5);
    // The front edge of the roof, lit by the sun: thick for thatch, a painted board for shingles;
    // over an old thatched roof the boards are as deep as the thatch and its hanging straw.
    const double thatchEdge = std::max(6.0, s.roofHeight * 0.17);
    const double boardEdge = s.rebuild ? thatchEdge + std::max(3.0, s.roofHeight * 0.07) + 1 : std::max(3.0, s.roofHeight * 0.07);
    const double t = s.roof == RoofKind::Thatch ? thatchEdge : boardEdge;
    if (s.rebuild) {
        const double drop = std::max(4.0, s.roofHeight * 0.1) + 1;
        polygonPath(cr, {c.eaveRight, c.eaveBack, shifted(c.eaveBack, 0, drop), shifted(c.eaveRight, 0, drop)});
        fillVerticalGradient(cr, c.eaveBack.y, c.eaveRight.y + drop, {0.85, 0.82, 0.74}, {0.66, 0.62, 0.55});
        strokeInk(cr, 1.2);
    }
    polygonPath(cr, {c.eaveLeft, c.apex, c.eaveRight, shifted(c.eaveRight, 0, t), shifted(c.apex, 0, t),
                 shifted(c.eaveLeft, 0, t)});
    const Rgb edge = s.roof == RoofKind::Thatch ? lighten(s.roofColor, 0.12) : Rgb{0.93, 0.9, 0.82};
    fillVerticalGradient(cr, c.apex.y, c.eaveLeft.y + t, edge, darken(edge, 0.12));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    strokeLine(cr, shifted(c.eaveLeft, 2, 1), shifted(c.apex, 0, 1.5), palette::kWhite, 1.2, 0.45);  // rim light
    if (s.roof == RoofKind::Thatch) {
        fringe(cr, s, shifted(c.eaveLeft, 0, t), shifted(c.apex, 0, t), std::max(3.0, s.roofHeight * 0.07));
        fringe(cr, s, shifted(c.apex, 0, t), shifted(c.eaveRight, 0, t), std::max(3.0, s.roofHeight * 0.07));
    }
}

void rafters(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const double w = std::max(2.0, s.width * 0.025);
    strokeLine(cr, c.apex, c.apexBack, kTimber, w);
    for (int k = 0; k <= 4; ++k) {
        const double t = k / 4.0;
        strokeLine(cr, lerp(c.apex, c.apexBack, t), lerp(c.eaveRight, c.eaveBack, t), kTimber, w);
    }
    strokeLine(cr, c.eaveLeft, c.apex, kTimber, w);
    strokeLine(cr, c.apex, c.eaveRight, kTimber, w);
    (void)s;
}

void frameOnly(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const double w = std::max(3.0, s.width * 0.045);
    for (const P& p : {c.floorBack, c.floorLeft, c.floorRight}) paintPost(cr, p, s.wallHeight, w);
    strokeLine(cr, c.topLeft, c.topRight, kTimber, w);
    strokeLine(cr, c.topRight, c.topBack, kTimber, w);
}

void ladder(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const P foot = shifted(c.groundRight, s.width * 0.12, 4);
    const P top = shifted(c.topRight, -s.width * 0.05, -4);
    for (double off : {-5.0, 5.0}) strokeLine(cr, shifted(foot, off, 0), shifted(top, off * 0.7, 0), {0.70, 0.55, 0.35}, 2.2);
    for (int k = 1; k < 8; ++k) {
        const P p = lerp(foot, top, k / 8.0);
        strokeLine(cr, shifted(p, -5, 0), shifted(p, 5, 0), {0.70, 0.55, 0.35}, 1.6);
    }
}

// Poles lashed round an old house, boards across them at the eaves, a ladder against them.
void scaffold(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const double top = c.eaveLeft.y - 10;
    const double w = std::max(2.5, s.width * 0.03);
    for (const P& foot : {shifted(c.groundFront, -8, 2), shifted(c.groundRight, 8, 2), shifted(c.groundBack, 8, 2)}) {
        strokeLine(cr, foot, {foot.x, top + (foot.y - s.ground)}, {0.70, 0.55, 0.35}, w);
    }
    for (double y : {c.floorLeft.y - s.wallHeight * 0.45, top + 14}) {
        strokeLine(cr, {c.groundFront.x - 12, y}, {c.groundRight.x + 12, y}, {0.78, 0.62, 0.40}, w * 1.6);
        strokeLine(cr, {c.groundRight.x + 8, y}, {c.groundBack.x + 8, y + c.dy}, {0.78, 0.62, 0.40}, w * 1.6);
    }
}

void rebuildStages(cairo_t* cr, const HouseSpec& s, const Corners& c, int stage) {
    if (stage == 1) {
        scaffold(cr, s, c);
        ladder(cr, s, c);
        return;
    }
    walls(cr, s, c);
    door(cr, s, c);
    rafters(cr, s, c);
    scaffold(cr, s, c);
}

void timberStack(cairo_t* cr, const HouseSpec& s, const Corners& c) {
    const double x = s.left + s.width * 0.1;
    const double y = s.ground + 6;
    const double len = s.width * 0.8;
    for (int k = 0; k < 4; ++k) {
        const double top = y - 5 * (k + 1);
        const double shift = (k % 2) * 5;
        roundedRectPath(cr, x + shift, top, len - k * 6, 5, 1.5);
        fillVerticalGradient(cr, top, top + 5, lighten(kTimber, 0.3), kTimber);
        strokeInk(cr, 0.9);
        cairo_new_path(cr);
    }
    (void)c;
}

}  // namespace

HouseFrame houseFrame(const HouseSpec& spec) {
    const Corners c = cornersOf(spec);
    return {c.floorLeft.y, c.dx, c.dy, c.apex.x, c.apex.y, c.eaveLeft.y};
}

void paintHouse(cairo_t* cr, const HouseSpec& s, int stage) {
    const Corners c = cornersOf(s);
    if (s.rebuild && stage < 3) {
        rebuildStages(cr, s, c, stage);
        if (stage == 1) timberStack(cr, s, c);
        return;
    }
    if (!s.rebuild) shadow(cr, s, c, stage == 1 ? 0.7 : 1.0);
    if (stage == 1) {
        plot(cr, s, c);
        base(cr, s, c, 0.55);
        timberStack(cr, s, c);
        return;
    }
    base(cr, s, c, 1.0);
    if (stage == 2) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, c.floorLeft.y - s.wallHeight * 0.45, 4000, s.wallHeight);
        cairo_clip(cr);
        walls(cr, s, c);
        cairo_restore(cr);
        frameOnly(cr, s, c);
        rafters(cr, s, c);
        ladder(cr, s, c);
        return;
    }
    walls(cr, s, c);
    sideWindows(cr, s, c);
    door(cr, s, c);
    gable(cr, s, c);
    roof(cr, s, c);
}

BuildingArt houseArt(const std::string& image, HouseSpec spec, HouseDetails details, HouseRoom room,
                     HouseDetails behind) {
    const double dx = spec.depth * 0.62;
    const double dy = spec.depth * 0.34;
    const double below = kPictureMargin + 13 + 0.17 * spec.depth;
    spec.left = kPictureMargin + room.left + std::max(spec.overhang, 0.1 * spec.width + 0.04 * spec.depth);
    const double right = std::max(spec.left + spec.width + spec.overhang + dx,
                                  spec.left + 1.34 * spec.width + 0.5 * dx + 0.35 * spec.depth);
    const int width = static_cast<int>(std::ceil(right + room.right + kPictureMargin));
    const int height = static_cast<int>(std::ceil(kPictureMargin + room.top + spec.roofHeight + spec.wallHeight + spec.stilts + dy + below));
    spec.ground = height - below;
    const double footX = spec.left + spec.width / 2 + dx / 2;
    const double footY = spec.ground - dy / 2;
    return {image, width, height, footX, footY, spec.width * 0.7 + spec.depth * 0.3, spec.depth * 0.35 + 8,
            [spec, width, height, details, behind](int stage) {
                Canvas canvas(width, height);
                if (behind) behind(canvas.cr(), spec, stage);
                paintHouse(canvas.cr(), spec, stage);
                if (details) details(canvas.cr(), spec, stage);
                return canvas.toImage();
            }};
}

