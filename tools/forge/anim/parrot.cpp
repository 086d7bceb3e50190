#include "tools/forge/anim/parrot.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"

namespace {

const Rgb kRed = guiPalette::kParrotRed;
const Rgb kIvory{0.96, 0.92, 0.80};
const Rgb kBeakDark{0.22, 0.18, 0.18};
const Rgb kFeet{0.55, 0.50, 0.50};
const Rgb kBlue{0.12, 0.42, 0.80};

void chestScallops(cairo_t* cr) {
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 3; ++i) {
            const double x = 30 + i * 9 + (row % 2) * 4;
            const double y = 48 + row * 12;
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, 5, 0.2, M_PI - 0.2);
        }
    }
    strokeRound(cr, darken(kRed, 0.4), 1.2, 0.7);
}

void foot(cairo_t* cr, double x, double y) {
    for (int toe = -1; toe <= 1; ++toe) {
        ellipsePath(cr, x + toe * 5, y, 3.5, 5);
        shadeWithInk(cr, x + toe * 5, y, 5, kFeet, 1.5);
    }
}

void eye(cairo_t* cr, ParrotHead mood) {
    ellipsePath(cr, 38, 34, 13, 11);  // bare white face patch
    fillVerticalGradient(cr, 23, 45, palette::kWhite, kIvory);
    strokeInk(cr, 1.5, 0.6);
    cairo_new_path(cr);
    if (mood == ParrotHead::Cheer) {
        cairo_move_to(cr, 32, 36);
        cairo_curve_to(cr, 35, 29, 41, 29, 44, 36);
        strokeRound(cr, palette::kInk, 2.6);
        return;
    }
    cairo_arc(cr, 38, 33, 5, 0, 2 * M_PI);
    setColor(cr, palette::kGold);
    cairo_fill(cr);
    cairo_arc(cr, 37, 33, 2.8, 0, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    cairo_arc(cr, 36, 31.5, 1.1, 0, 2 * M_PI);
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
    if (mood == ParrotHead::Sad) {  // a heavy lid sloping down to the outside
        cairo_move_to(cr, 31, 28);
        cairo_line_to(cr, 45, 32);
        cairo_line_to(cr, 45, 26);
        cairo_line_to(cr, 31, 26);
        cairo_close_path(cr);
        setColor(cr, kIvory);
        cairo_fill(cr);
        cairo_move_to(cr, 31, 28.5);
        cairo_line_to(cr, 45, 32.5);
        strokeRound(cr, palette::kInk, 2);
    }
}

void beak(cairo_t* cr, ParrotHead mood) {
    const bool open = mood == ParrotHead::Cheer;
    if (open) {
        cairo_move_to(cr, 22, 46);
        cairo_line_to(cr, 34, 40);
        cairo_line_to(cr, 34, 54);
        cairo_line_to(cr, 25, 60);
        cairo_close_path(cr);
        setColor(cr, darken(palette::kCoral, 0.4));
        cairo_fill(cr);
    }
    const double drop = open ? 8 : 0;
    cairo_move_to(cr, 24, 46 + drop * 0.5);
    cairo_curve_to(cr, 19, 53 + drop, 22, 60 + drop, 28, 60 + drop);
    cairo_curve_to(cr, 33, 58 + drop, 35, 50, 32, 44);
    cairo_close_path(cr);
    shadeWithInk(cr, 27, 52, 10, kBeakDark, 2);
    const double tipY = mood == ParrotHead::Sad ? 62 : 58;
    cairo_move_to(cr, 33, 23);
    cairo_curve_to(cr, 18, 21, 5, 36, 8, tipY);
    cairo_curve_to(cr, 12, 50, 18, 46, 24, 46);
    cairo_curve_to(cr, 29, 44, 33, 40, 35, 35);
    cairo_close_path(cr);
    shadeWithInk(cr, 22, 36, 18, kIvory, 2.2);
}

void headShape(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) {  // a small crest
        cairo_save(cr);
        cairo_translate(cr, 54 + i * 4, 16);
        cairo_rotate(cr, 0.3 + i * 0.35);
        ellipsePath(cr, 0, -6, 4, 9);
        cairo_restore(cr);
        shadeWithInk(cr, 56, 10, 10, kRed, 1.8);
    }
    ellipsePath(cr, 50, 58, 15, 14);  // the neck, hidden by the body where they meet
    shadeWithInk(cr, 50, 58, 16, darken(kRed, 0.1), 2.5);
    cairo_arc(cr, 46, 36, 27, 0, 2 * M_PI);
    fillRoundShading(cr, 46, 36, 28, kRed);
    strokeInk(cr, 2.5);
    rimLight(cr, 46, 36, 26, 0.45);
    cairo_new_path(cr);
}

}  // namespace

RgbaImage parrotBody() {
    Canvas canvas(90, 110);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 30, 16);
    cairo_curve_to(cr, 10, 30, 12, 80, 34, 100);
    cairo_curve_to(cr, 46, 108, 62, 104, 68, 92);
    cairo_curve_to(cr, 78, 72, 74, 30, 52, 14);
    cairo_curve_to(cr, 44, 10, 36, 12, 30, 16);
    cairo_close_path(cr);
    fillRoundShading(cr, 44, 56, 48, kRed);
    strokeInk(cr, 2.6);
    rimLight(cr, 44, 56, 44, 0.4);
    cairo_new_path(cr);
    ellipsePath(cr, 36, 62, 15, 28);
    setColor(cr, lighten(mix(kRed, palette::kSunset, 0.4), 0.2), 0.6);
    cairo_fill(cr);
    chestScallops(cr);
    foot(cr, 36, 104);
    foot(cr, 54, 104);
    return canvas.toImage();
}

RgbaImage parrotHead(ParrotHead mood) {
    Canvas canvas(84, 76);
    cairo_t* cr = canvas.cr();
    headShape(cr);
    eye(cr, mood);
    beak(cr, mood);
    return canvas.toImage();
}

RgbaImage parrotWing(bool front) {
    Canvas canvas(48, 92);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 14, 6);
    cairo_curve_to(cr, 36, 0, 44, 20, 40, 40);
    cairo_curve_to(cr, 38, 60, 34, 76, 30, 90);
    cairo_curve_to(cr, 22, 80, 12, 60, 10, 40);
    cairo_curve_to(cr, 8, 24, 8, 10, 14, 6);
    cairo_close_path(cr);
    const double dim = front ? 0 : 0.35;
    cairo_pattern_t* bands = cairo_pattern_create_linear(0, 4, 0, 90);
    const Rgb stops[] = {darken(kRed, dim), darken(palette::kGold, dim), darken(kBlue, dim),
                         darken(palette::kDeepSea, dim)};
    const double at[] = {0.3, 0.42, 0.55, 1.0};
    for (int i = 0; i < 4; ++i) cairo_pattern_add_color_stop_rgb(bands, at[i], stops[i].r, stops[i].g, stops[i].b);
    cairo_set_source(cr, bands);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bands);
    strokeInk(cr, 2.4);
    rimLight(cr, 26, 40, 40, 0.35);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {  // flight feathers
        cairo_move_to(cr, 16 + i * 7, 52);
        cairo_line_to(cr, 22 + i * 4, 84 - i * 6);
    }
    strokeRound(cr, palette::kInk, 1.2, 0.5);
    return canvas.toImage();
}

RgbaImage parrotTail() {
    Canvas canvas(40, 96);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 8, 4);
    cairo_curve_to(cr, 4, 40, 16, 70, 26, 94);
    cairo_curve_to(cr, 34, 80, 30, 40, 22, 4);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 4, 94, kRed, kBlue);
    strokeInk(cr, 2.2);
    cairo_new_path(cr);
    cairo_move_to(cr, 15, 6);
    cairo_curve_to(cr, 14, 40, 20, 70, 26, 92);
    strokeRound(cr, palette::kInk, 1.2, 0.5);
    return canvas.toImage();
}
