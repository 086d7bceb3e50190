// The two speakers of the character dialog, painted as busts that stand in the window of the
// dialog's back: the weathered sea captain and the curious professor.
#include "tools/forge/gui/portraits.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr int kWidth = 216;
constexpr int kHeight = 380;

// An eye with its look offset; squint lowers the upper lid (0 open .. 1 nearly shut).
void eye(cairo_t* cr, double x, double y, double lookX, double lookY, double squint, Rgb iris) {
    ellipsePath(cr, x, y, 8, 6);
    setColor(cr, palette::kWhite);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_arc(cr, x + lookX, y + lookY, 4.4, 0, 2 * M_PI);
    setColor(cr, iris);
    cairo_fill(cr);
    cairo_arc(cr, x + lookX, y + lookY, 2.2, 0, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    cairo_arc(cr, x + lookX - 1.4, y + lookY - 1.6, 1.2, 0, 2 * M_PI);
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 9, y - 7, 18, 13 * squint);
    setColor(cr, darken(guiPalette::kSkin, 0.2));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, x - 9, y - 1 + 12 * squint * 0.5);
    cairo_curve_to(cr, x - 5, y - 7 + 12 * squint * 0.5, x + 5, y - 7 + 12 * squint * 0.5, x + 9, y - 1 + 12 * squint * 0.5);
    strokeRound(cr, palette::kInk, 2);
}

void brow(cairo_t* cr, double x0, double y0, double x1, double y1, double lift, Rgb color, double width) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.3, y0 - lift, x0 + (x1 - x0) * 0.7, y1 - lift, x1, y1);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, width + 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    strokeRound(cr, color, width);
}

void ears(cairo_t* cr, double y, double spread, Rgb skin) {
    for (double side : {-1.0, 1.0}) {
        ellipsePath(cr, 108 + side * spread, y, 9, 14);
        shadeWithInk(cr, 108 + side * spread, y, 14, skin, 2.5);
    }
}

// ---- captain ------------------------------------------------------------------------------

const Rgb kWeathered = mix(guiPalette::kSkin, palette::kSunset, 0.18);
const Rgb kBeard{0.88, 0.87, 0.83};

void torsoPath(cairo_t* cr, double shoulder) {
    cairo_move_to(cr, 0, kHeight);
    cairo_line_to(cr, 0, 318);
    cairo_curve_to(cr, 6, 286, 108 - shoulder, 262, 84, 256);
    cairo_line_to(cr, 132, 256);
    cairo_curve_to(cr, 108 + shoulder, 262, 210, 286, kWidth, 318);
    cairo_line_to(cr, kWidth, kHeight);
    cairo_close_path(cr);
}

void captainCoat(cairo_t* cr) {
    torsoPath(cr, 70);
    fillVerticalGradient(cr, 256, kHeight, lighten(guiPalette::kNavy, 0.2), darken(guiPalette::kNavy, 0.3));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 108 + side * 24, 258);
        cairo_line_to(cr, 108 + side * 48, kHeight);
        cairo_line_to(cr, 108 + side * 8, kHeight);
        cairo_line_to(cr, 108, 306);
        cairo_close_path(cr);
        fillVerticalGradient(cr, 258, kHeight, lighten(guiPalette::kNavy, 0.35), guiPalette::kNavy);
        strokeInk(cr, 2.5);
        cairo_new_path(cr);
        drawBrassRivet(cr, 108 + side * 40, 334, 5);
        drawBrassRivet(cr, 108 + side * 44, 364, 5);
        cairo_save(cr);
        cairo_translate(cr, 108 + side * 80, 280);
        cairo_rotate(cr, side * 0.35);
        ellipsePath(cr, 0, 0, 26, 9);
        cairo_restore(cr);
        shadeWithInk(cr, 108 + side * 80, 280, 26, guiPalette::kBrass, 2.5);
    }
    cairo_move_to(cr, 86, 258);
    cairo_line_to(cr, 130, 258);
    cairo_line_to(cr, 108, 304);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 258, 304, palette::kWhite, palette::kSandShade);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void captainBeard(cairo_t* cr) {
    cairo_move_to(cr, 54, 160);
    cairo_curve_to(cr, 46, 206, 56, 246, 80, 262);
    cairo_curve_to(cr, 88, 272, 98, 270, 102, 276);
    cairo_curve_to(cr, 108, 282, 112, 280, 116, 276);
    cairo_curve_to(cr, 120, 270, 130, 272, 138, 262);
    cairo_curve_to(cr, 160, 246, 170, 206, 162, 160);
    cairo_curve_to(cr, 156, 184, 140, 192, 108, 190);
    cairo_curve_to(cr, 76, 192, 60, 184, 54, 160);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 160, 280, palette::kWhite, darken(kBeard, 0.2));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (int i = 0; i < 9; ++i) {  // strands
        const double x = 66 + i * 10.5;
        cairo_move_to(cr, x, 200 + std::abs(i - 4) * 3);
        cairo_curve_to(cr, x - 2, 230, x + 3, 250, x - 1, 262 - std::abs(i - 4) * 4);
    }
    strokeRound(cr, darken(kBeard, 0.35), 1.2, 0.7);
    cairo_move_to(cr, 94, 226);  // the smile
    cairo_curve_to(cr, 100, 236, 116, 236, 122, 226);
    cairo_close_path(cr);
    setColor(cr, darken(palette::kCoral, 0.35));
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void moustache(cairo_t* cr, double y, double spread, Rgb color) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 108, y - 6);
        cairo_curve_to(cr, 108 + side * spread * 0.5, y - 14, 108 + side * spread, y - 4, 108 + side * spread * 1.1, y + 8);
        cairo_curve_to(cr, 108 + side * spread * 0.7, y + 2, 108 + side * spread * 0.4, y + 8, 108, y + 2);
        cairo_close_path(cr);
        fillVerticalGradient(cr, y - 14, y + 8, palette::kWhite, darken(color, 0.15));
        strokeInk(cr, 2.2);
        cairo_new_path(cr);
    }
}

void captainFace(cairo_t* cr) {
    ellipsePath(cr, 108, 172, 56, 62);
    fillRoundShading(cr, 108, 172, 64, kWeathered);
    strokeInk(cr, 3);
    rimLight(cr, 108, 172, 60, 0.35);
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_arc(cr, 108 + side * 32, 186, 12, 0, 2 * M_PI);
        setColor(cr, palette::kCoral, 0.3);
        cairo_fill(cr);
        eye(cr, 108 + side * 22, 158, 1, 0.5, 0.35, palette::kDeepSea);
        cairo_move_to(cr, 108 + side * 33, 154);  // laugh lines
        cairo_line_to(cr, 108 + side * 38, 151);
        cairo_move_to(cr, 108 + side * 33, 160);
        cairo_line_to(cr, 108 + side * 38, 162);
        strokeRound(cr, darken(kWeathered, 0.4), 1.3);
    }
    brow(cr, 72, 146, 98, 143, 7, kBeard, 6);
    brow(cr, 118, 143, 144, 146, 7, kBeard, 6);
    captainBeard(cr);
    moustache(cr, 212, 30, kBeard);
    ellipsePath(cr, 108, 186, 12, 11);
    shadeWithInk(cr, 108, 186, 14, mix(kWeathered, palette::kCoral, 0.3), 2.5);
}

void anchorBadge(cairo_t* cr, double x, double y) {
    ellipsePath(cr, x, y, 11, 9);
    shadeWithInk(cr, x, y, 11, guiPalette::kBrass, 2);
    cairo_move_to(cr, x, y - 5);
    cairo_line_to(cr, x, y + 5);
    cairo_move_to(cr, x - 4, y - 2);
    cairo_line_to(cr, x + 4, y - 2);
    cairo_move_to(cr, x - 5, y + 1);
    cairo_curve_to(cr, x - 4, y + 6, x + 4, y + 6, x + 5, y + 1);
    strokeRound(cr, guiPalette::kNavy, 1.6);
}

void captainCap(cairo_t* cr) {
    cairo_move_to(cr, 44, 118);
    cairo_curve_to(cr, 34, 84, 68, 56, 108, 56);
    cairo_curve_to(cr, 148, 56, 182, 84, 172, 118);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 56, 118, palette::kWhite, darken(palette::kWhite, 0.2));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, 46, 102);
    cairo_curve_to(cr, 80, 110, 136, 110, 170, 102);
    cairo_line_to(cr, 170, 124);
    cairo_curve_to(cr, 136, 130, 80, 130, 46, 124);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 102, 128, lighten(guiPalette::kNavy, 0.1), darken(guiPalette::kNavy, 0.4));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 48, 124);
    cairo_curve_to(cr, 80, 148, 136, 148, 168, 124);
    cairo_curve_to(cr, 136, 134, 80, 134, 48, 124);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 124, 146, darken(guiPalette::kNavy, 0.2), palette::kInk);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 62, 132);
    cairo_curve_to(cr, 88, 140, 128, 140, 154, 132);
    strokeRound(cr, palette::kWhite, 1.5, 0.35);
    anchorBadge(cr, 108, 114);
}

RgbaImage captain() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    captainCoat(cr);
    cairo_rectangle(cr, 88, 214, 40, 46);
    shadeWithInk(cr, 108, 230, 30, darken(kWeathered, 0.15), 2.5);
    ears(cr, 176, 56, kWeathered);
    captainFace(cr);
    captainCap(cr);
    return withDropShadow(canvas.toImage(), 3, 4, 4, 0.35);
}

// ---- professor ----------------------------------------------------------------------------

const Rgb kGreyHair{0.78, 0.78, 0.76};

void professorShirt(cairo_t* cr) {
    torsoPath(cr, 60);
    fillVerticalGradient(cr, 256, kHeight, lighten(guiPalette::kKhaki, 0.15), darken(guiPalette::kKhaki, 0.3));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {
        cairo_rectangle(cr, 108 + side * 48 - 20, 310, 40, 44);  // breast pocket
        fillVerticalGradient(cr, 310, 354, guiPalette::kKhaki, darken(guiPalette::kKhaki, 0.2));
        strokeInk(cr, 2);
        cairo_new_path(cr);
        cairo_move_to(cr, 108 + side * 48 - 21, 310);
        cairo_line_to(cr, 108 + side * 48 + 21, 310);
        cairo_line_to(cr, 108 + side * 48, 326);
        cairo_close_path(cr);
        shadeWithInk(cr, 108 + side * 48, 316, 24, darken(guiPalette::kKhaki, 0.1), 2);
        cairo_move_to(cr, 108 + side * 6, 256);  // collar points
        cairo_line_to(cr, 108 + side * 34, 258);
        cairo_line_to(cr, 108 + side * 22, 290);
        cairo_close_path(cr);
        shadeWithInk(cr, 108 + side * 20, 268, 22, lighten(guiPalette::kKhaki, 0.3), 2);
    }
    for (double y : {300.0, 334.0, 366.0}) drawBrassRivet(cr, 108, y, 3.5);
}

void bowTie(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, 108, 262);
        cairo_line_to(cr, 108 + side * 22, 250);
        cairo_line_to(cr, 108 + side * 22, 276);
        cairo_close_path(cr);
        shadeWithInk(cr, 108 + side * 12, 262, 18, palette::kJungle, 2.2);
    }
    ellipsePath(cr, 108, 263, 6, 7);
    shadeWithInk(cr, 108, 263, 7, palette::kLeaf, 2);
}

void spectacles(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_arc(cr, 108 + side * 22, 160, 16, 0, 2 * M_PI);
        setColor(cr, palette::kSky, 0.18);
        cairo_fill_preserve(cr);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 5);
        cairo_stroke_preserve(cr);
        strokeRound(cr, guiPalette::kBrass, 2.5);
        cairo_move_to(cr, 108 + side * 12, 150);  // glare
        cairo_line_to(cr, 108 + side * 18, 146);
        strokeRound(cr, palette::kWhite, 2.5, 0.7);
        cairo_move_to(cr, 108 + side * 38, 158);
        cairo_line_to(cr, 108 + side * 50, 162);
        strokeRound(cr, guiPalette::kBrassDark, 2.5);
    }
    cairo_arc(cr, 108, 162, 6, M_PI * 1.15, M_PI * 1.85);
    strokeRound(cr, guiPalette::kBrass, 2.5);
}

void professorFace(cairo_t* cr) {
    ellipsePath(cr, 108, 178, 50, 60);
    fillRoundShading(cr, 108, 178, 60, guiPalette::kSkin);
    strokeInk(cr, 3);
    rimLight(cr, 108, 178, 56, 0.35);
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {
        for (int puff = 0; puff < 3; ++puff) {  // tufts of grey hair above the ears
            const double px = 108 + side * (46 + puff * 3);
            const double py = 134 + puff * 9;
            ellipsePath(cr, px, py, 7, 6);
            shadeWithInk(cr, px, py, 8, kGreyHair, 1.8);
        }
        eye(cr, 108 + side * 22, 160, 2, -1.5, 0.1, palette::kLeaf);
        cairo_arc(cr, 108 + side * 30, 196, 10, 0, 2 * M_PI);
        setColor(cr, palette::kCoral, 0.22);
        cairo_fill(cr);
    }
    brow(cr, 74, 141, 98, 137, 8, kGreyHair, 4.5);  // raised in curiosity
    brow(cr, 118, 145, 142, 145, 3, kGreyHair, 4.5);
    cairo_move_to(cr, 108, 164);  // the nose
    cairo_curve_to(cr, 104, 180, 100, 190, 106, 196);
    cairo_curve_to(cr, 110, 200, 116, 196, 114, 190);
    strokeRound(cr, darken(guiPalette::kSkin, 0.45), 2.2);
    moustache(cr, 208, 20, kGreyHair);
    ellipsePath(cr, 110, 222, 7, 6);  // an intrigued "oh"
    setColor(cr, darken(palette::kCoral, 0.4));
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    spectacles(cr);
}

void pithHelmet(cairo_t* cr) {
    const Rgb helmet = mix(guiPalette::kKhaki, palette::kParchment, 0.45);
    ellipsePath(cr, 108, 116, 78, 15);
    shadeWithInk(cr, 108, 116, 78, darken(helmet, 0.05), 3);
    cairo_move_to(cr, 50, 114);
    cairo_curve_to(cr, 46, 66, 76, 44, 108, 44);
    cairo_curve_to(cr, 140, 44, 170, 66, 166, 114);
    cairo_curve_to(cr, 130, 122, 86, 122, 50, 114);
    cairo_close_path(cr);
    fillRoundShading(cr, 108, 84, 62, helmet);
    strokeInk(cr, 3);
    rimLight(cr, 108, 84, 58, 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 51, 100);
    cairo_curve_to(cr, 86, 110, 130, 110, 165, 100);
    cairo_line_to(cr, 166, 112);
    cairo_curve_to(cr, 130, 122, 86, 122, 50, 112);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 100, 120, darken(guiPalette::kKhaki, 0.3), darken(guiPalette::kKhaki, 0.5));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    ellipsePath(cr, 108, 46, 8, 5);
    shadeWithInk(cr, 108, 46, 8, helmet, 2);
}

RgbaImage professor() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    professorShirt(cr);
    cairo_rectangle(cr, 90, 220, 36, 42);
    shadeWithInk(cr, 108, 236, 28, darken(guiPalette::kSkin, 0.15), 2.5);
    bowTie(cr);
    ears(cr, 182, 50, guiPalette::kSkin);
    professorFace(cr);
    pithHelmet(cr);
    return withDropShadow(canvas.toImage(), 3, 4, 4, 0.35);
}

}  // namespace

RgbaImage captainPortrait() { return captain(); }
RgbaImage professorPortrait() { return professor(); }

FORGE_STEP(gui_portraits) {
    const RgbaImage captainBust = captain();
    const RgbaImage professorBust = professor();
    forge.writePng("img/gui/captain.png", captainBust);
    forge.writePng("img/gui/professor.png", professorBust);
    forge.addContactSheet("gui_portraits",
                          contactSheet({{"captain", &captainBust}, {"professor", &professorBust}}, 2, 400));
}
