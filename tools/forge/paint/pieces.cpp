#include "tools/forge/paint/pieces.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr double kOutline = 2.4;  // ink outline of every piece, in pixels
constexpr double kDeg = M_PI / 180;

constexpr Rgb kStraw{0.99, 0.80, 0.26};
constexpr Rgb kHatBand{0.80, 0.27, 0.20};
constexpr Rgb kShellPink{0.97, 0.50, 0.70};
constexpr Rgb kCompassBlue{0.22, 0.48, 0.95};
constexpr Rgb kCompassFace{0.98, 0.94, 0.82};
constexpr Rgb kNeedleRed{0.90, 0.20, 0.16};
constexpr Rgb kRockViolet{0.60, 0.47, 0.80};
constexpr Rgb kFloatRed{0.97, 0.36, 0.18};
constexpr Rgb kEggGreen{0.47, 0.81, 0.36};

void polygonPath(cairo_t* cr, std::initializer_list<std::array<double, 2>> points) {
    bool first = true;
    for (const auto& p : points) {
        if (first) cairo_move_to(cr, p[0], p[1]);
        else cairo_line_to(cr, p[0], p[1]);
        first = false;
    }
    cairo_close_path(cr);
}

// The outline and the rim light that finish every piece.
void finishOutline(cairo_t* cr, void (*silhouette)(cairo_t*), double radius) {
    cairo_new_path(cr);
    silhouette(cr);
    rimLight(cr, 0, 0, radius, 0.5);
    strokeInk(cr, kOutline);
    cairo_new_path(cr);
}

// --- hat: a straw explorer's hat, wide brim and round crown ---------------------------------

void hatCrownPath(cairo_t* cr) {
    cairo_move_to(cr, -15, 7);
    cairo_curve_to(cr, -16.5, -6, -12, -19, 0, -19);
    cairo_curve_to(cr, 12, -19, 16.5, -6, 15, 7);
    cairo_close_path(cr);
}

void hatSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    ellipsePath(cr, 0, 9, 25.5, 8.5);
    hatCrownPath(cr);
}

void strawWeave(cairo_t* cr, double top, double bottom) {
    cairo_set_line_width(cr, 0.8);
    for (double x = -30; x < 30; x += 3.2) {
        setColor(cr, darken(kStraw, 0.35), 0.22);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + (bottom - top) * 0.5, bottom);
        cairo_stroke(cr);
    }
}

void paintHat(cairo_t* cr) {
    // Brim: its underside shows as a darker lip below the top surface.
    cairo_new_path(cr);
    ellipsePath(cr, 0, 9.5, 25.5, 8.5);
    fillVerticalGradient(cr, 2, 18, darken(kStraw, 0.15), darken(kStraw, 0.45));
    cairo_new_path(cr);
    ellipsePath(cr, 0, 8, 24.5, 7.2);
    fillVerticalGradient(cr, 1, 15, lighten(kStraw, 0.35), kStraw);
    cairo_save(cr);
    cairo_clip(cr);
    strawWeave(cr, 0, 16);
    cairo_restore(cr);
    // Crown with its weave and the band.
    cairo_new_path(cr);
    hatCrownPath(cr);
    fillRoundShading(cr, -1, -7, 17, kStraw);
    cairo_save(cr);
    cairo_clip(cr);
    strawWeave(cr, -20, 8);
    cairo_rectangle(cr, -20, -1.5, 40, 7.5);
    fillVerticalGradient(cr, -1.5, 6, lighten(kHatBand, 0.15), darken(kHatBand, 0.3));
    setColor(cr, lighten(kHatBand, 0.5), 0.7);
    cairo_set_line_width(cr, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, -16, -0.5);
    cairo_line_to(cr, 16, -0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The crease where crown meets brim.
    cairo_new_path(cr);
    cairo_move_to(cr, -15, 7);
    cairo_curve_to(cr, -8, 10.5, 8, 10.5, 15, 7);
    setColor(cr, palette::kInk, 0.55);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    paintGloss(cr, -6, -11, 6, 4, 0.55);
    finishOutline(cr, hatSilhouette, 26);
}

// --- shell: a ribbed scallop fanning up from its hinge --------------------------------------

constexpr double kShellHingeY = 20;
constexpr double kShellRadius = 32;
constexpr int kShellRibs = 8;

void shellSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    const double a0 = -142 * kDeg;
    const double a1 = -38 * kDeg;
    constexpr int kSteps = 96;
    for (int i = 0; i <= kSteps; ++i) {
        const double u = static_cast<double>(i) / kSteps;
        const double a = a0 + (a1 - a0) * u;
        // Each rib ends in a round bump along the rim.
        const double bump = 2.0 * std::abs(std::sin(M_PI * kShellRibs * u));
        const double r = kShellRadius - 2 + bump;
        const double x = r * std::cos(a);
        const double y = kShellHingeY + r * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    // The two ears beside the hinge.
    cairo_line_to(cr, 11, 14);
    cairo_line_to(cr, 12.5, 19);
    cairo_curve_to(cr, 8, 23.5, -8, 23.5, -12.5, 19);
    cairo_line_to(cr, -11, 14);
    cairo_close_path(cr);
}

void paintShell(cairo_t* cr) {
    cairo_new_path(cr);
    shellSilhouette(cr);
    fillRoundShading(cr, -2, -2, 26, kShellPink);
    cairo_save(cr);
    cairo_clip(cr);
    // Ribs: a lit stripe and a shaded groove fanning out from the hinge.
    for (int i = 0; i <= kShellRibs; ++i) {
        const double a = (-142 + 104.0 * i / kShellRibs) * kDeg;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, kShellHingeY);
        cairo_line_to(cr, 34 * ca, kShellHingeY + 34 * sa);
        setColor(cr, darken(kShellPink, 0.45), 0.55);
        cairo_set_line_width(cr, 1.3);
        cairo_stroke(cr);
        const double b = a + 6.5 * kDeg;
        cairo_move_to(cr, 0, kShellHingeY);
        cairo_line_to(cr, 34 * std::cos(b), kShellHingeY + 34 * std::sin(b));
        setColor(cr, lighten(kShellPink, 0.6), 0.45);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    // Growth rings across the ribs.
    for (double r : {12.0, 19.0, 25.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, kShellHingeY, r, -150 * kDeg, -30 * kDeg);
        setColor(cr, darken(kShellPink, 0.3), 0.3);
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
    }
    cairo_rectangle(cr, -14, 13, 28, 12);
    fillVerticalGradient(cr, 13, 24, lighten(kShellPink, 0.2), darken(kShellPink, 0.3));
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -11, 14);
    cairo_line_to(cr, 11, 14);
    setColor(cr, palette::kInk, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    paintGloss(cr, -9, -5, 6, 4.5, 0.5);
    finishOutline(cr, shellSilhouette, 26);
}

// --- compass: a round compass on a four-pointed rose ----------------------------------------

constexpr double kCompassBody = 17;
constexpr double kCompassPoint = 25;
constexpr double kCompassWaist = 13;  // inner corners of the rose

void compassStarPath(cairo_t* cr, double inner, double outer, double rotation) {
    for (int i = 0; i < 8; ++i) {
        const double a = rotation + i * M_PI / 4;
        const double r = i % 2 == 0 ? outer : inner;
        const double x = r * std::cos(a - M_PI / 2);
        const double y = r * std::sin(a - M_PI / 2);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void compassSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    compassStarPath(cr, kCompassWaist, kCompassPoint, 0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, kCompassBody, 0, 2 * M_PI);
}

// Each point of the rose has a lit and a shaded half, like a carved star.
void compassPoints(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 - M_PI / 2;
        const double tip[2] = {kCompassPoint * std::cos(a), kCompassPoint * std::sin(a)};
        const double w = kCompassWaist;
        const double left[2] = {w * std::cos(a - M_PI / 4), w * std::sin(a - M_PI / 4)};
        const double right[2] = {w * std::cos(a + M_PI / 4), w * std::sin(a + M_PI / 4)};
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, left[0], left[1]);
        cairo_line_to(cr, tip[0], tip[1]);
        cairo_close_path(cr);
        setColor(cr, lighten(kCompassBlue, i < 2 ? 0.45 : 0.25));
        cairo_fill(cr);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, right[0], right[1]);
        cairo_line_to(cr, tip[0], tip[1]);
        cairo_close_path(cr);
        setColor(cr, darken(kCompassBlue, i < 2 ? 0.05 : 0.2));
        cairo_fill(cr);
    }
}

void compassFace(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, kCompassBody, 0, 2 * M_PI);
    fillRoundShading(cr, 0, 0, kCompassBody, kCompassBlue);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, kCompassBody - 1.6, 0, 2 * M_PI);
    setColor(cr, palette::kGold, 0.9);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, 11.5, 0, 2 * M_PI);
    fillVerticalGradient(cr, -11, 11, lighten(kCompassFace, 0.4), darken(kCompassFace, 0.1));
    cairo_new_path(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r0 = i % 4 == 0 ? 7.5 : 9.5;
        cairo_move_to(cr, r0 * std::cos(a), r0 * std::sin(a));
        cairo_line_to(cr, 11 * std::cos(a), 11 * std::sin(a));
    }
    setColor(cr, darken(kCompassBlue, 0.3), 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void compassNeedle(cairo_t* cr) {
    cairo_save(cr);
    cairo_rotate(cr, 28 * kDeg);
    polygonPath(cr, {{{0, -10}}, {{3, 0}}, {{-3, 0}}});
    fillVerticalGradient(cr, -10, 0, lighten(kNeedleRed, 0.2), darken(kNeedleRed, 0.2));
    cairo_new_path(cr);
    polygonPath(cr, {{{0, 10}}, {{3, 0}}, {{-3, 0}}});
    setColor(cr, {0.35, 0.38, 0.45});
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 2, 0, 2 * M_PI);
    setColor(cr, palette::kGold);
    cairo_fill_preserve(cr);
    strokeInk(cr, 0.8, 0.8);
    cairo_new_path(cr);
}

void paintCompass(cairo_t* cr) {
    compassPoints(cr);
    cairo_new_path(cr);
    compassStarPath(cr, kCompassWaist, kCompassPoint, 0);
    strokeInk(cr, 1.0, 0.45);
    cairo_new_path(cr);
    compassFace(cr);
    compassNeedle(cr);
    paintGloss(cr, -6, -7, 7, 4.5, 0.6);
    finishOutline(cr, compassSilhouette, 26);
}

// --- rock: an angular stone of flat-lit facets ----------------------------------------------

struct Point {
    double x, y;
};
constexpr Point kRockOuter[] = {{-23, 8}, {-19, -11}, {-7, -21}, {10, -20}, {22, -7}, {23, 10}, {9, 21}, {-12, 20}};
constexpr Point kRockA{-9, -5};
constexpr Point kRockB{8, -4};
constexpr Point kRockC{-3, 11};

void rockSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (size_t i = 0; i < std::size(kRockOuter); ++i) {
        if (i == 0) cairo_move_to(cr, kRockOuter[i].x, kRockOuter[i].y);
        else cairo_line_to(cr, kRockOuter[i].x, kRockOuter[i].y);
    }
    cairo_close_path(cr);
}

void rockFacet(cairo_t* cr, std::initializer_list<Point> points, Rgb color) {
    cairo_new_path(cr);
    bool first = true;
    for (const Point& p : points) {
        if (first) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
        first = false;
    }
    cairo_close_path(cr);
    fillVerticalGradient(cr, -22, 22, lighten(color, 0.12), darken(color, 0.1));
    setColor(cr, palette::kInk, 0.3);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void paintRock(cairo_t* cr) {
    const Point* o = kRockOuter;
    rockFacet(cr, {o[1], o[2], o[3], o[4], kRockB, kRockA}, lighten(kRockViolet, 0.35));
    rockFacet(cr, {o[0], o[1], kRockA, kRockC, o[7]}, lighten(kRockViolet, 0.08));
    rockFacet(cr, {kRockA, kRockB, kRockC}, lighten(kRockViolet, 0.2));
    rockFacet(cr, {o[4], o[5], o[6], kRockC, kRockB}, darken(kRockViolet, 0.22));
    rockFacet(cr, {o[6], o[7], kRockC}, darken(kRockViolet, 0.4));
    // Speckles and a crack give the stone its grain.
    cairo_save(cr);
    cairo_new_path(cr);
    rockSilhouette(cr);
    cairo_clip(cr);
    ForgeRandom random(0x0c0ffee);
    for (int i = 0; i < 26; ++i) {
        const double x = random.uniform(-22, 22);
        const double y = random.uniform(-20, 20);
        cairo_new_path(cr);
        cairo_arc(cr, x, y, random.uniform(0.5, 1.1), 0, 2 * M_PI);
        setColor(cr, i % 3 ? darken(kRockViolet, 0.5) : lighten(kRockViolet, 0.6), 0.45);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 14, -12);
    cairo_line_to(cr, 11, -7);
    cairo_line_to(cr, 15, -2);
    cairo_line_to(cr, 12, 5);
    setColor(cr, palette::kInk, 0.45);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_restore(cr);
    paintGloss(cr, -5, -13, 7, 3.5, 0.45);
    finishOutline(cr, rockSilhouette, 26);
}

// --- float: a striped life ring ---------------------------------------------------------------

constexpr double kFloatOuter = 24;
constexpr double kFloatInner = 9.5;

void floatSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, kFloatOuter, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, kFloatInner, 0, 2 * M_PI);
}

// The ring's tube: lit along its middle and shaded towards both edges.
void floatTubeShading(cairo_t* cr) {
    cairo_pattern_t* tube = cairo_pattern_create_radial(0, 0, kFloatInner, 0, 0, kFloatOuter);
    cairo_pattern_add_color_stop_rgba(tube, 0, 0.16, 0.11, 0.08, 0.45);
    cairo_pattern_add_color_stop_rgba(tube, 0.35, 1, 1, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(tube, 0.55, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(tube, 1, 0.16, 0.11, 0.08, 0.5);
    cairo_set_source(cr, tube);
    cairo_paint(cr);
    cairo_pattern_destroy(tube);
    cairo_pattern_t* light = cairo_pattern_create_linear(-20, -20, 20, 20);
    cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.25);
    cairo_pattern_add_color_stop_rgba(light, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(light, 1, 0.16, 0.11, 0.08, 0.3);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
}

void paintFloat(cairo_t* cr) {
    cairo_save(cr);
    cairo_new_path(cr);
    floatSilhouette(cr);
    cairo_clip(cr);
    setColor(cr, kFloatRed);
    cairo_paint(cr);
    // Four white bands, each tied on with a rope lashing.
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + 90 * i) * kDeg;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, 30, a - 15 * kDeg, a + 15 * kDeg);
        cairo_close_path(cr);
        setColor(cr, {0.98, 0.96, 0.92});
        cairo_fill(cr);
    }
    floatTubeShading(cr);
    cairo_restore(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + 90 * i) * kDeg;
        cairo_new_path(cr);
        for (int k = -1; k <= 1; k += 2) {
            const double b = a + k * 15 * kDeg;
            cairo_move_to(cr, (kFloatInner - 1) * std::cos(b), (kFloatInner - 1) * std::sin(b));
            cairo_line_to(cr, (kFloatOuter + 1) * std::cos(b), (kFloatOuter + 1) * std::sin(b));
        }
        setColor(cr, palette::kInk, 0.35);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    paintGloss(cr, -11, -12, 6, 4, 0.6);
    finishOutline(cr, floatSilhouette, 26);
}

// --- egg: a tall speckled egg -----------------------------------------------------------------

void eggSilhouette(cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    constexpr int kSteps = 72;
    constexpr double kRx = 17.5;
    constexpr double kRy = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = 2 * M_PI * i / kSteps;
        const double y = -kRy * std::cos(t);
        const double x = kRx * std::sin(t) * (1 + 0.12 * y / kRy);  // narrower at the top
        if (i == 0) cairo_move_to(cr, x, y + 1);
        else cairo_line_to(cr, x, y + 1);
    }
    cairo_close_path(cr);
}

void paintEgg(cairo_t* cr) {
    cairo_new_path(cr);
    eggSilhouette(cr);
    fillRoundShading(cr, 0, 1, 23, kEggGreen);
    cairo_save(cr);
    cairo_clip(cr);
    ForgeRandom random(0xe66);
    for (int i = 0; i < 16; ++i) {
        const double x = random.uniform(-15, 15);
        const double y = random.uniform(-20, 22);
        const double r = random.uniform(1.1, 2.6);
        cairo_new_path(cr);
        ellipsePath(cr, x, y, r, r * random.uniform(0.7, 1.0));
        setColor(cr, darken(kEggGreen, 0.55), 0.55);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    paintGloss(cr, -6, -10, 5.5, 8, 0.6);
    finishOutline(cr, eggSilhouette, 26);
}

}  // namespace

const std::array<PieceDesign, kPieceKinds>& pieceDesigns() {
    static const std::array<PieceDesign, kPieceKinds> designs = {{
        {"hat", hatSilhouette, paintHat, kStraw},
        {"shell", shellSilhouette, paintShell, kShellPink},
        {"compass", compassSilhouette, paintCompass, kCompassBlue},
        {"rock", rockSilhouette, paintRock, kRockViolet},
        {"float", floatSilhouette, paintFloat, kFloatRed},
        {"egg", eggSilhouette, paintEgg, kEggGreen},
    }};
    return designs;
}
