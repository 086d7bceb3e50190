// The clutter of the wrecked cabin, painted into its background: papers, rope, a sack of beans, a
// boot, rags, shells, a picture, a life ring, rope, pots and pans. Much of it looks a little like what the player is
// looking for, which is what makes a hidden-object scene a search.
#include "tools/forge/scenes/cabin_clutter.h"

#include <cmath>

#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/scenes/scene_paint.h"

namespace {

const Rgb kLinen{0.93, 0.90, 0.80};
const Rgb kSacking{0.74, 0.62, 0.42};

void paper(cairo_t* cr, double x, double y, double w, double h, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, -w / 2, -h / 2);
    cairo_line_to(cr, w / 2, -h / 2 + 3);
    cairo_line_to(cr, w / 2 - 4, h / 2);
    cairo_line_to(cr, -w / 2 + 2, h / 2 - 2);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -h / 2, h / 2, palette::kParchment, mix(palette::kParchment, palette::kSandShade, 0.5));
    strokeInk(cr, 1.8, 0.7);
    cairo_new_path(cr);
    for (double ly = -h / 2 + 8; ly < h / 2 - 5; ly += 6) {
        cairo_move_to(cr, -w / 2 + 6, ly);
        cairo_line_to(cr, w / 2 - 10, ly + 1);
    }
    setColor(cr, palette::kWoodDark, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ropeCoil(cairo_t* cr, double x, double y, double r) {
    paintContactShadow(cr, x + 4, y + r * 0.4, r * 1.1, r * 0.35, 0.4);
    for (double k = 1.0; k > 0.3; k -= 0.22) {
        cairo_new_path(cr);
        ellipsePath(cr, x, y, r * k, r * k * 0.45);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, r * 0.24);
        cairo_stroke_preserve(cr);
        setColor(cr, guiPalette::kRope);
        cairo_set_line_width(cr, r * 0.16);
        cairo_stroke(cr);
    }
}

void sackOfBeans(cairo_t* cr, double x, double y) {
    paintContactShadow(cr, x + 6, y + 26, 70, 14, 0.45);
    for (int k = 0; k < 22; ++k) {  // beans spilled from its mouth
        const double bx = x + 40 + (k * 37 % 70), by = y + 18 + (k * 13 % 16);
        cairo_new_path(cr);
        ellipsePath(cr, bx, by, 4, 2.6);
        fillRoundShading(cr, bx, by, 4, {0.52, 0.3, 0.18});
        strokeInk(cr, 0.9, 0.7);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, x - 60, y + 24);
    cairo_curve_to(cr, x - 70, y - 20, x - 20, y - 40, x + 20, y - 24);
    cairo_curve_to(cr, x + 42, y - 16, x + 50, y + 4, x + 44, y + 22);
    cairo_curve_to(cr, x + 10, y + 30, x - 30, y + 30, x - 60, y + 24);
    cairo_close_path(cr);
    fillRoundShading(cr, x - 20, y - 4, 60, kSacking);
    strokeInk(cr, 2.4);
    cairo_new_path(cr);
    cairo_move_to(cr, x + 26, y - 20);  // the tie at its mouth
    cairo_line_to(cr, x + 34, y + 16);
    strokeRound(cr, palette::kWoodDark, 4);
}

void boot(cairo_t* cr, double x, double y) {
    paintContactShadow(cr, x + 4, y + 30, 46, 10, 0.45);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 14, y - 40);
    cairo_line_to(cr, x + 14, y - 40);
    cairo_line_to(cr, x + 16, y + 6);
    cairo_curve_to(cr, x + 40, y + 8, x + 48, y + 18, x + 46, y + 28);
    cairo_line_to(cr, x - 16, y + 28);
    cairo_close_path(cr);
    fillRoundShading(cr, x, y, 50, {0.32, 0.2, 0.12});
    strokeInk(cr, 2.4);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 16, y + 22);
    cairo_line_to(cr, x + 46, y + 22);
    strokeRound(cr, palette::kInk, 2, 0.7);
}

void rag(cairo_t* cr, double x, double y, double size, Rgb colour) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - size, y + size * 0.2);
    cairo_curve_to(cr, x - size * 0.7, y - size * 0.5, x + size * 0.2, y - size * 0.4, x + size * 0.4, y - size * 0.6);
    cairo_curve_to(cr, x + size * 0.9, y - size * 0.3, x + size, y + size * 0.1, x + size * 0.8, y + size * 0.35);
    cairo_curve_to(cr, x + size * 0.2, y + size * 0.5, x - size * 0.4, y + size * 0.3, x - size, y + size * 0.2);
    cairo_close_path(cr);
    fillRoundShading(cr, x, y, size, colour);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - size * 0.5, y);
    cairo_curve_to(cr, x - size * 0.1, y - size * 0.2, x + size * 0.3, y - size * 0.1, x + size * 0.6, y);
    setColor(cr, darken(colour, 0.3), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void shell(cairo_t* cr, double x, double y, double size, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, size * 0.5);
    for (int i = 0; i <= 6; ++i) {
        const double a = M_PI * (1.1 + i * 0.8 / 6);
        cairo_line_to(cr, std::cos(a) * size, size * 0.3 + std::sin(a) * size);
    }
    cairo_close_path(cr);
    fillRoundShading(cr, 0, 0, size, mix(palette::kCoral, palette::kParchment, 0.6));
    strokeInk(cr, 1.6);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void tinCup(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, 1.3);
    roundedRectPath(cr, -16, -18, 32, 36, 4);
    fillRoundShading(cr, -4, -4, 26, {0.7, 0.72, 0.74});
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    cairo_arc(cr, 20, 0, 9, -M_PI / 2, M_PI / 2);
    strokeRound(cr, palette::kInk, 4);
    cairo_restore(cr);
}

// A ladle and a pan on two nails: the galley's things, washed in here.
void pots(cairo_t* cr, double x, double y) {
    drawBrassRivet(cr, x, y, 4);
    drawBrassRivet(cr, x + 50, y, 4);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 2, y + 70);
    strokeRound(cr, palette::kInk, 6);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 2, y + 70);
    strokeRound(cr, {0.7, 0.72, 0.74}, 3);
    cairo_new_path(cr);
    cairo_arc(cr, x + 2, y + 82, 14, 0, M_PI);
    cairo_close_path(cr);
    fillRoundShading(cr, x + 2, y + 82, 14, {0.7, 0.72, 0.74});
    strokeInk(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, x + 50, y);
    cairo_line_to(cr, x + 58, y + 42);
    strokeRound(cr, palette::kInk, 7);
    cairo_arc(cr, x + 66, y + 74, 26, 0, 2 * M_PI);
    fillRoundShading(cr, x + 66, y + 74, 26, {0.46, 0.3, 0.2});
    strokeInk(cr, 2.4);
    cairo_new_path(cr);
    cairo_arc(cr, x + 66, y + 74, 18, 0, 2 * M_PI);
    setColor(cr, palette::kInk, 0.35);
    cairo_fill(cr);
}

void shipPicture(cairo_t* cr) {
    roundedRectPath(cr, 272, 64, 120, 92, 4);
    fillVerticalGradient(cr, 64, 156, palette::kWood, palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 282, 74, 100, 72);
    fillVerticalGradient(cr, 74, 146, palette::kSky, palette::kLagoon);
    cairo_new_path(cr);
    cairo_move_to(cr, 300, 124);  // the Wren, as she was
    cairo_line_to(cr, 366, 124);
    cairo_line_to(cr, 356, 136);
    cairo_line_to(cr, 308, 136);
    cairo_close_path(cr);
    setColor(cr, palette::kWoodDark);
    cairo_fill(cr);
    cairo_move_to(cr, 332, 122);
    cairo_line_to(cr, 332, 84);
    cairo_line_to(cr, 354, 118);
    cairo_close_path(cr);
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
    cairo_rectangle(cr, 282, 74, 100, 72);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

// The Wren's life ring, her name painted round it.
void lifeRing(cairo_t* cr, double x, double y, double r) {
    paintContactShadow(cr, x + 6, y + 8, r * 1.05, r * 1.05, 0.35);
    for (int k = 0; k < 8; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, r, k * M_PI / 4, (k + 1) * M_PI / 4);
        cairo_arc_negative(cr, x, y, r * 0.58, (k + 1) * M_PI / 4, k * M_PI / 4);
        cairo_close_path(cr);
        fillRoundShading(cr, x - r * 0.3, y - r * 0.3, r * 1.4, k % 2 ? palette::kWhite : palette::kCoral);
        strokeInk(cr, 1.8);
    }
    cairo_new_path(cr);
    for (double a : {0.4, 2.0, 3.5, 5.1}) {  // its rope loops
        cairo_arc(cr, x + std::cos(a) * r * 0.79, y + std::sin(a) * r * 0.79, r * 0.18, 0, 2 * M_PI);
        strokeRound(cr, guiPalette::kRope, 3, 0.9);
    }
    drawBrassRivet(cr, x, y - r - 6, 4);
}

void hangingRope(cairo_t* cr, double x, double y) {
    drawBrassRivet(cr, x, y, 4);
    for (int k = 0; k < 4; ++k) {
        cairo_new_path(cr);
        ellipsePath(cr, x, y + 48 + k * 3, 22 - k * 2, 46 - k * 3);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 7);
        cairo_stroke_preserve(cr);
        setColor(cr, guiPalette::kRope);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke(cr);
    }
    drawRope(cr, x + 4, y + 92, x + 10, y + 150, 6, 7);
}

}  // namespace

void paintCabinWalls(cairo_t* cr) {
    shipPicture(cr);
    pots(cr, 1150, 352);
    lifeRing(cr, 1046, 444, 48);
    hangingRope(cr, 70, 70);
}

void paintCabinFloor(cairo_t* cr) {
    paper(cr, 452, 668, 70, 52, 0.3);
    paper(cr, 612, 628, 60, 46, -0.5);
    paper(cr, 930, 742, 74, 54, 0.15);
    sackOfBeans(cr, 420, 596);
    tinCup(cr, 640, 590);
    ropeCoil(cr, 990, 700, 48);
    boot(cr, 1068, 620);
    rag(cr, 846, 702, 30, kLinen);
    rag(cr, 300, 744, 26, mix(kLinen, palette::kCoral, 0.25));
    rag(cr, 1212, 640, 24, kLinen);
    shell(cr, 1110, 728, 14, 0.4);
    shell(cr, 1296, 694, 12, -0.6);
    shell(cr, 1568, 720, 13, 0.9);
    for (int k = 0; k < 5; ++k) {  // pottery shards
        const double x = 548 + k * 17, y = 652 + (k % 2) * 10;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + 12, y - 4);
        cairo_line_to(cr, x + 9, y + 8);
        cairo_close_path(cr);
        fillRoundShading(cr, x + 6, y, 8, {0.78, 0.42, 0.24});
        strokeInk(cr, 1.4);
    }
    cairo_new_path(cr);
}
