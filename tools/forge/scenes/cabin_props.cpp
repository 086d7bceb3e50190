#include "tools/forge/scenes/cabin_props.h"

#include <cmath>

#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"

namespace {

const Rgb kSteel{0.74, 0.78, 0.82};
const Rgb kLinen{0.96, 0.93, 0.84};
const Rgb kAmberGlass{0.62, 0.32, 0.10};
const Rgb kCork{0.78, 0.60, 0.40};
const Rgb kRubber{0.36, 0.16, 0.14};

void stroked(cairo_t* cr, Rgb colour, double width, double ink) {
    cairo_path_t* path = cairo_copy_path(cr);
    strokeRound(cr, palette::kInk, width + ink * 2);
    cairo_append_path(cr, path);
    strokeRound(cr, colour, width);
    cairo_path_destroy(path);
}

// A bottle's cork from `top`, `height` tall.
void cork(cairo_t* cr, double top, double height) {
    roundedRectPath(cr, -10, top, 20, height, 4);
    fillVerticalGradient(cr, top, top + height, lighten(kCork, 0.2), darken(kCork, 0.2));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

// Drawn in a box 100 units across, centred on 0, 0.
void bandage(cairo_t* cr) {
    cairo_move_to(cr, 18, 16);  // the loose end trailing off the roll
    cairo_curve_to(cr, 34, 26, 40, 36, 48, 30);
    cairo_line_to(cr, 46, 44);
    cairo_curve_to(cr, 36, 50, 28, 38, 10, 30);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 16, 50, kLinen, darken(kLinen, 0.2));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, -40, -26, 62, 52, 6);
    cairo_pattern_t* round = cairo_pattern_create_linear(0, -26, 0, 26);
    cairo_pattern_add_color_stop_rgb(round, 0, darken(kLinen, 0.15).r, darken(kLinen, 0.15).g, darken(kLinen, 0.15).b);
    cairo_pattern_add_color_stop_rgb(round, 0.35, 1, 1, 0.97);
    cairo_pattern_add_color_stop_rgb(round, 1, darken(kLinen, 0.3).r, darken(kLinen, 0.3).g, darken(kLinen, 0.3).b);
    cairo_set_source(cr, round);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(round);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double x : {-26.0, -12.0, 2.0}) {  // the gauze's weave
        cairo_move_to(cr, x, -24);
        cairo_line_to(cr, x, 24);
    }
    setColor(cr, palette::kSandShade, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    ellipsePath(cr, 22, 0, 12, 26);  // the roll's end, a spiral of cloth
    fillVerticalGradient(cr, -26, 26, palette::kWhite, kLinen);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double r : {8.0, 4.0}) {
        ellipsePath(cr, 22, 0, r * 0.46, r);
        setColor(cr, palette::kSandShade, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void vial(cairo_t* cr) {
    roundedRectPath(cr, -16, -22, 32, 60, 8);
    fillRoundShading(cr, -4, 10, 30, kAmberGlass);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, -9, -34, 18, 14, 3);  // neck
    fillRoundShading(cr, -2, -28, 12, kAmberGlass);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cork(cr, -46, 14);
    roundedRectPath(cr, -13, -2, 26, 22, 3);  // the apothecary's label
    setColor(cr, palette::kParchment);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.5, 0.7);
    cairo_new_path(cr);
    cairo_move_to(cr, -7, 5);
    cairo_line_to(cr, 7, 5);
    cairo_move_to(cr, -7, 11);
    cairo_line_to(cr, 4, 11);
    setColor(cr, palette::kCoral, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, -10, -16);
    cairo_line_to(cr, -10, -6);
    strokeRound(cr, palette::kWhite, 3, 0.6);
}

void scissors(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_rotate(cr, side * 0.22);
        cairo_new_path(cr);
        cairo_move_to(cr, -2, -4);  // blade
        cairo_curve_to(cr, 10, -8, 30, -6, 48, -1);
        cairo_curve_to(cr, 30, 3, 10, 4, -2, 4);
        cairo_close_path(cr);
        fillVerticalGradient(cr, -8, 4, lighten(kSteel, 0.5), darken(kSteel, 0.25));
        strokeInk(cr, 2.5);
        cairo_new_path(cr);
        cairo_move_to(cr, -2, 0);  // shank and ring
        cairo_line_to(cr, -20, side * 6);
        stroked(cr, kSteel, 5, 1.3);
        cairo_new_path(cr);
        cairo_arc(cr, -32, side * 10, 12, 0, 2 * M_PI);
        stroked(cr, kSteel, 5, 1.3);
        cairo_restore(cr);
    }
    drawBrassRivet(cr, 0, 0, 4);
}

void thermometer(cairo_t* cr) {
    roundedRectPath(cr, -46, -8, 86, 16, 8);
    fillVerticalGradient(cr, -8, 8, palette::kWhite, {0.78, 0.86, 0.9}, 0.95);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, -36, 0);
    cairo_line_to(cr, 8, 0);
    strokeRound(cr, {0.85, 0.12, 0.1}, 3.5);
    for (int k = 0; k < 8; ++k) {
        cairo_move_to(cr, -32 + k * 8, -7);
        cairo_line_to(cr, -32 + k * 8, k % 2 ? -3 : -1);
    }
    setColor(cr, palette::kInk, 0.7);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, -46, 0, 10, 0, 2 * M_PI);
    fillRoundShading(cr, -46, 0, 10, {0.86, 0.16, 0.12});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_move_to(cr, -30, -4);
    cairo_line_to(cr, 30, -4);
    strokeRound(cr, palette::kWhite, 2, 0.7);
}

void stethoscope(cairo_t* cr) {
    cairo_move_to(cr, -30, -40);  // the two ear tubes joining into one
    cairo_curve_to(cr, -30, -10, -10, 0, 0, 4);
    cairo_move_to(cr, 30, -40);
    cairo_curve_to(cr, 30, -10, 10, 0, 0, 4);
    stroked(cr, kSteel, 4, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 4);
    cairo_curve_to(cr, 0, 30, -40, 26, -30, 44);
    stroked(cr, kRubber, 6, 1.3);
    for (double x : {-30.0, 30.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, -42, 5, 0, 2 * M_PI);
        fillRoundShading(cr, x, -42, 5, palette::kInk);
        strokeInk(cr, 1.5);
    }
    cairo_new_path(cr);
    cairo_arc(cr, -28, 46, 13, 0, 2 * M_PI);  // the chest piece
    fillRoundShading(cr, -28, 46, 13, kSteel);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, -28, 46, 7, 0, 2 * M_PI);
    setColor(cr, darken(kSteel, 0.3));
    cairo_fill(cr);
}

void tweezers(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, -44, side * 2);
        cairo_line_to(cr, 10, side * 8);
        cairo_line_to(cr, 44, side * 2.5);
        stroked(cr, kSteel, 4.5, 1.3);
    }
    cairo_new_path(cr);
    roundedRectPath(cr, -48, -5, 10, 10, 3);
    fillRoundShading(cr, -43, 0, 6, kSteel);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void iodine(cairo_t* cr) {
    cairo_move_to(cr, -24, 36);
    cairo_line_to(cr, -24, -6);
    cairo_curve_to(cr, -24, -20, -10, -22, -8, -28);
    cairo_line_to(cr, 8, -28);
    cairo_curve_to(cr, 10, -22, 24, -20, 24, -6);
    cairo_line_to(cr, 24, 36);
    cairo_close_path(cr);
    fillRoundShading(cr, -6, 8, 36, {0.36, 0.12, 0.08});
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cork(cr, -42, 15);
    roundedRectPath(cr, -18, 2, 36, 24, 3);
    setColor(cr, palette::kWhite);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.5, 0.7);
    cairo_new_path(cr);
    cairo_rectangle(cr, -3, 6, 6, 16);  // the red cross of the ship's surgeon
    cairo_rectangle(cr, -8, 11, 16, 6);
    setColor(cr, {0.82, 0.16, 0.12});
    cairo_fill(cr);
    cairo_move_to(cr, -18, -8);
    cairo_line_to(cr, -18, 30);
    strokeRound(cr, palette::kWhite, 3, 0.45);
}

void mortar(cairo_t* cr) {
    cairo_move_to(cr, 4, 4);  // the pestle leaning in the bowl
    cairo_line_to(cr, 34, -40);
    stroked(cr, {0.86, 0.82, 0.74}, 11, 1.4);
    cairo_new_path(cr);
    cairo_move_to(cr, -40, -6);
    cairo_curve_to(cr, -40, 30, 40, 30, 40, -6);
    cairo_close_path(cr);
    fillRoundShading(cr, -10, 4, 44, {0.80, 0.78, 0.72});
    strokeInk(cr, 3);
    cairo_new_path(cr);
    ellipsePath(cr, 0, -6, 40, 10);
    fillVerticalGradient(cr, -16, 4, {0.4, 0.38, 0.34}, {0.62, 0.6, 0.55});
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, -22, 24, 44, 10, 3);  // foot
    fillVerticalGradient(cr, 24, 34, {0.8, 0.78, 0.72}, {0.55, 0.53, 0.48});
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

void spectacles(cairo_t* cr) {
    for (double x : {-22.0, 22.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, 0, 17, 0, 2 * M_PI);
        setColor(cr, lighten(palette::kSky, 0.5), 0.55);
        cairo_fill_preserve(cr);
        stroked(cr, palette::kGold, 3.5, 1.2);
        cairo_arc(cr, x - 5, -5, 8, M_PI * 1.1, M_PI * 1.6);
        strokeRound(cr, palette::kWhite, 2.5, 0.8);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, 2, 6, M_PI * 1.15, M_PI * 1.85);  // bridge
    stroked(cr, palette::kGold, 3, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, -39, -2);  // the arms, folded back
    cairo_curve_to(cr, -46, 8, -40, 20, -28, 22);
    cairo_move_to(cr, 39, -2);
    cairo_curve_to(cr, 46, 8, 40, 20, 28, 22);
    stroked(cr, palette::kGold, 2.5, 1.1);
}

}  // namespace

void paintSupply(cairo_t* cr, Supply supply, double cx, double cy, double size, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_new_path(cr);
    switch (supply) {
        case Supply::Bandage: bandage(cr); break;
        case Supply::Vial: vial(cr); break;
        case Supply::Scissors: scissors(cr); break;
        case Supply::Thermometer: thermometer(cr); break;
        case Supply::Stethoscope: stethoscope(cr); break;
        case Supply::Tweezers: tweezers(cr); break;
        case Supply::Iodine: iodine(cr); break;
        case Supply::Mortar: mortar(cr); break;
        case Supply::Spectacles: spectacles(cr); break;
    }
    cairo_restore(cr);
}

const HiddenSupply kHiddenSupplies[13] = {
    {"BANDAGE1", "bandage", Supply::Bandage, 256, 224, 56, 0.0},
    {"VIAL1", "vial", Supply::Vial, 444, 358, 42, 0.0},
    {"IODINE", "iodine", Supply::Iodine, 716, 170, 46, 0.0},
    {"VIAL3", "vial", Supply::Vial, 668, 332, 42, 0.15},
    {"SPECTACLES", "spectacles", Supply::Spectacles, 1018, 314, 68, 0.45},
    {"BANDAGE2", "bandage", Supply::Bandage, 992, 194, 54, -0.25},
    {"STETHOSCOPE", "stethoscope", Supply::Stethoscope, 1316, 428, 104, -0.2},
    {"SCISSORS", "scissors", Supply::Scissors, 1432, 700, 64, 0.8},
    {"VIAL2", "vial", Supply::Vial, 1150, 688, 42, 1.45},
    {"MORTAR", "mortar", Supply::Mortar, 520, 606, 66, 0.0},
    {"TWEEZERS", "tweezers", Supply::Tweezers, 566, 708, 60, -0.3},
    {"THERMOMETER", "thermometer", Supply::Thermometer, 380, 700, 80, 0.35},
    {"BANDAGE3", "bandage", Supply::Bandage, 226, 508, 56, 0.1},
};
