// The story's three great places beyond the mountains and on the windy cliffs: the carved face of
// the God of Air, the Temple of the Winds and the village of Picoru.
#include "tools/forge/art/map_landmarks.h"

#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kCarving{0.70, 0.67, 0.60};
constexpr Rgb kTempleStone{0.80, 0.74, 0.62};
constexpr Rgb kVine{0.30, 0.55, 0.26};
constexpr Rgb kVillageRoof{0.80, 0.58, 0.30};

void windLine(cairo_t* cr, double x, double y, double length, double curl) {
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + length * 0.4, y - curl, x + length * 0.7, y + curl, x + length, y);
    cairo_arc_negative(cr, x + length, y - curl * 0.6, curl * 0.6, M_PI / 2, -M_PI);
}

}  // namespace

void paintWindFace(cairo_t* cr, double x, double y, double size) {
    const double r = size / 2;
    ellipsePath(cr, x + 4, y + r * 0.9, r * 1.1, r * 0.3);
    setColor(cr, palette::kInk, 0.25);
    cairo_fill(cr);
    ellipsePath(cr, x, y, r * 0.9, r);
    fillRoundShading(cr, x, y, r * 1.1, kCarving);
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {  // puffed cheeks, closed eyes, heavy brows
        ellipsePath(cr, x + side * r * 0.45, y + r * 0.25, r * 0.34, r * 0.3);
        fillRoundShading(cr, x + side * r * 0.45, y + r * 0.2, r * 0.34, lighten(kCarving, 0.08));
        strokeInk(cr, 1.4, 0.7);
        cairo_new_path(cr);
        cairo_arc(cr, x + side * r * 0.36, y - r * 0.22, r * 0.16, 0.15 * M_PI, 0.85 * M_PI);
        strokeRound(cr, palette::kInk, 2);
        cairo_move_to(cr, x + side * r * 0.12, y - r * 0.48);
        cairo_line_to(cr, x + side * r * 0.6, y - r * 0.42);
        strokeRound(cr, darken(kCarving, 0.45), 3.5);
    }
    ellipsePath(cr, x, y + r * 0.5, r * 0.16, r * 0.13);  // the blowing mouth
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) windLine(cr, x + r * 0.3, y + r * (0.35 + 0.18 * k), size * (0.9 - 0.15 * k), 5);
    setColor(cr, palette::kWhite, 0.85);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
}

void paintTemple(cairo_t* cr, double footX, double footY, double size) {
    const double w = size;
    ellipsePath(cr, footX + 6, footY, w * 0.7, w * 0.14);
    setColor(cr, palette::kInk, 0.25);
    cairo_fill(cr);
    for (int step = 0; step < 3; ++step) {  // the stepped platform
        const double sw = w * (1 - step * 0.12);
        const double top = footY - (step + 1) * w * 0.08;
        cairo_rectangle(cr, footX - sw / 2, top, sw, w * 0.08);
        fillVerticalGradient(cr, top, top + w * 0.08, lighten(kTempleStone, 0.15), darken(kTempleStone, 0.15));
        strokeInk(cr, 1.2);
        cairo_new_path(cr);
    }
    const double floor = footY - w * 0.24;
    const double roof = floor - w * 0.42;
    for (int c = 0; c < 4; ++c) {
        const double cx = footX - w * 0.3 + c * w * 0.2;
        cairo_rectangle(cr, cx - w * 0.04, roof, w * 0.08, floor - roof);
        fillVerticalGradient(cr, roof, floor, lighten(kTempleStone, 0.2), darken(kTempleStone, 0.2));
        strokeInk(cr, 1.2);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, footX - w * 0.42, roof);
    cairo_line_to(cr, footX, roof - w * 0.22);
    cairo_line_to(cr, footX + w * 0.42, roof);
    cairo_close_path(cr);
    fillVerticalGradient(cr, roof - w * 0.22, roof, lighten(kTempleStone, 0.25), darken(kTempleStone, 0.1));
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
    ellipsePath(cr, footX, roof - w * 0.09, w * 0.06, w * 0.05);  // the wind's sign in the gable
    setColor(cr, palette::kSky);
    cairo_fill(cr);
    cairo_move_to(cr, footX - w * 0.42, roof + 2);  // vines hanging from the roof
    cairo_curve_to(cr, footX - w * 0.36, roof + w * 0.2, footX - w * 0.28, roof + w * 0.1, footX - w * 0.22, roof + w * 0.28);
    cairo_move_to(cr, footX + w * 0.4, roof + 2);
    cairo_curve_to(cr, footX + w * 0.34, roof + w * 0.16, footX + w * 0.3, roof + w * 0.22, footX + w * 0.26, roof + w * 0.34);
    strokeRound(cr, kVine, 2.4);
}

void paintCanoe(cairo_t* cr, double x, double y, double length, double turn) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_move_to(cr, -length / 2, 0);
    cairo_curve_to(cr, -length / 4, length * 0.12, length / 4, length * 0.12, length / 2, 0);
    cairo_curve_to(cr, length / 4, -length * 0.06, -length / 4, -length * 0.06, -length / 2, 0);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -length * 0.06, length * 0.12, lighten(palette::kWood, 0.2), palette::kWoodDark);
    strokeInk(cr, 1.4);
    cairo_restore(cr);
    cairo_new_path(cr);
}

void paintTotem(cairo_t* cr, double footX, double footY, double height) {
    const double w = height * 0.22;
    for (int k = 0; k < 3; ++k) {
        const double top = footY - height + k * height / 3;
        roundedRectPath(cr, footX - w / 2, top, w, height / 3, 3);
        fillVerticalGradient(cr, top, top + height / 3, k == 1 ? palette::kCoral : palette::kSunset, palette::kWoodDark);
        strokeInk(cr, 1.3);
        cairo_arc(cr, footX - w * 0.2, top + height * 0.12, 1.6, 0, 2 * M_PI);
        cairo_arc(cr, footX + w * 0.2, top + height * 0.12, 1.6, 0, 2 * M_PI);
        setColor(cr, palette::kInk);
        cairo_fill(cr);
    }
    cairo_move_to(cr, footX - w * 1.3, footY - height + 6);  // the wings on top
    cairo_line_to(cr, footX + w * 1.3, footY - height + 6);
    strokeRound(cr, palette::kInk, 6);
    cairo_move_to(cr, footX - w * 1.2, footY - height + 6);
    cairo_line_to(cr, footX + w * 1.2, footY - height + 6);
    strokeRound(cr, guiPalette::kGoldLight, 3);
}

void paintVillage(cairo_t* cr, double x, double y) {
    struct Hut {
        double dx, dy, size;
    };
    constexpr Hut kHuts[] = {{-84, -46, 38}, {-14, -70, 46}, {64, -44, 38}, {-110, 14, 34}, {104, 16, 38},
                             {-40, 48, 36}, {48, 58, 34}};
    paintCanoe(cr, x + 70, y - 110, 46, 0.4);
    paintCanoe(cr, x + 112, y - 92, 40, 0.7);
    paintTotem(cr, x + 28, y - 8, 44);
    // The huts stand round a fire whose smoke the crew saw from the far side of the mountains.
    for (const Hut& h : kHuts) {
        if (h.dy < 0) paintMapHut(cr, x + h.dx, y + h.dy, h.size, kVillageRoof);
    }
    ellipsePath(cr, x, y + 6, 12, 6);
    setColor(cr, {0.42, 0.36, 0.30});
    cairo_fill(cr);
    paintGlow(cr, x, y + 2, 14, {1.0, 0.85, 0.4}, {1.0, 0.45, 0.15}, 0.9);
    for (int k = 0; k < 7; ++k) {
        const double t = k / 6.0;
        paintPuff(cr, x - 40 * t * t, y - 10 - 70 * t, 6 + 14 * t, {0.85, 0.84, 0.82}, 0.7 - 0.4 * t);
    }
    for (const Hut& h : kHuts) {
        if (h.dy >= 0) paintMapHut(cr, x + h.dx, y + h.dy, h.size, kVillageRoof);
    }
}
