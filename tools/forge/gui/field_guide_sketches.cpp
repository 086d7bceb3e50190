#include "tools/forge/gui/field_guide_sketches.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/core/style.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr Rgb kSepia{0.30, 0.19, 0.11};
constexpr Rgb kSeaWash{0.36, 0.62, 0.76};
constexpr Rgb kLeafWash{0.42, 0.62, 0.34};
constexpr Rgb kSandWash{0.86, 0.72, 0.46};
constexpr Rgb kStoneWash{0.62, 0.62, 0.60};
constexpr Rgb kBrassWash{0.84, 0.66, 0.30};
constexpr Rgb kWoodWash{0.62, 0.40, 0.24};
constexpr Rgb kRedWash{0.80, 0.36, 0.30};

// The pen: the path stroked twice, a hair apart, as a nib that went over its line again.
void ink(cairo_t* cr, double width = 2.0) {
    cairo_path_t* path = cairo_copy_path(cr);
    setColor(cr, kSepia, 0.85);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 0.7, 0.5);
    cairo_append_path(cr, path);
    setColor(cr, kSepia, 0.35);
    cairo_set_line_width(cr, width * 0.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(path);
}

// Watercolour laid a little off the line, as a quick wash is.
void wash(cairo_t* cr, Rgb color, double alpha = 0.5) {
    cairo_save(cr);
    cairo_translate(cr, 2, 1.5);
    setColor(cr, color, std::min(0.8, alpha * 1.25));
    cairo_fill_preserve(cr);
    cairo_restore(cr);
}

// Parallel pen strokes across the current path, for shade.
void hatch(cairo_t* cr, double x0, double y0, double x1, double y1, double spacing) {
    cairo_save(cr);
    cairo_clip(cr);
    for (double x = x0 - (y1 - y0); x < x1; x += spacing) {
        cairo_move_to(cr, x, y1);
        cairo_line_to(cr, x + (y1 - y0), y0);
    }
    setColor(cr, kSepia, 0.45);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    ellipsePath(cr, cx, cy, rx, ry);
}

void wreck(cairo_t* cr) {
    cairo_move_to(cr, 10, 120);
    cairo_curve_to(cr, 100, 112, 300, 112, 390, 120);
    ink(cr, 1.5);
    cairo_move_to(cr, 230, 120);  // the island's hills far behind
    cairo_curve_to(cr, 270, 70, 320, 70, 390, 110);
    cairo_line_to(cr, 390, 120);
    cairo_close_path(cr);
    wash(cr, kLeafWash, 0.35);
    ink(cr, 1.5);
    cairo_rectangle(cr, 10, 121, 380, 80);
    wash(cr, kSeaWash, 0.3);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 140, 150);
    cairo_rotate(cr, -0.22);
    cairo_move_to(cr, -90, -10);
    cairo_curve_to(cr, -40, -2, 50, -2, 95, -22);
    cairo_curve_to(cr, 85, 6, 60, 16, 40, 18);
    cairo_line_to(cr, -70, 18);
    cairo_close_path(cr);
    wash(cr, kWoodWash, 0.5);
    ink(cr);
    cairo_move_to(cr, 10, -6);
    cairo_line_to(cr, 6, -120);
    cairo_move_to(cr, -45, -6);
    cairo_line_to(cr, -48, -60);  // snapped short
    cairo_move_to(cr, -52, -60);
    cairo_line_to(cr, -40, -70);
    ink(cr, 2.5);
    cairo_move_to(cr, 8, -110);
    cairo_line_to(cr, 60, -95);
    cairo_line_to(cr, 30, -40);
    cairo_close_path(cr);
    wash(cr, {0.96, 0.92, 0.82}, 0.6);
    ink(cr, 1.5);
    cairo_restore(cr);
    for (int k = 0; k < 5; ++k) {  // rocks and breaking surf round the hull
        ellipse(cr, 70 + k * 38, 172 + (k % 2) * 6, 16, 8);
        wash(cr, kStoneWash, 0.5);
        ink(cr, 1.5);
    }
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, 30 + k * 60, 196);
        cairo_curve_to(cr, 40 + k * 60, 188, 55 + k * 60, 188, 65 + k * 60, 196);
    }
    ink(cr, 1.2);
    for (const auto& [x, y] : {std::pair{300.0, 40.0}, std::pair{330.0, 28.0}, std::pair{350.0, 48.0}}) {
        cairo_move_to(cr, x - 8, y);  // gulls
        cairo_curve_to(cr, x - 4, y - 5, x - 1, y - 4, x, y);
        cairo_curve_to(cr, x + 1, y - 4, x + 4, y - 5, x + 8, y);
    }
    ink(cr, 1.4);
}

void tablet(cairo_t* cr) {
    cairo_move_to(cr, 110, 205);
    cairo_line_to(cr, 110, 70);
    cairo_curve_to(cr, 110, 10, 290, 10, 290, 70);
    cairo_line_to(cr, 290, 205);
    cairo_close_path(cr);
    wash(cr, kStoneWash, 0.45);
    ink(cr, 2.2);
    // The face with puffed cheeks, blowing the spiral of the wind.
    ellipse(cr, 165, 90, 34, 38);
    ink(cr, 1.8);
    ellipse(cr, 146, 104, 11, 9);
    ellipse(cr, 184, 104, 11, 9);
    ink(cr, 1.4);
    cairo_move_to(cr, 152, 78);
    cairo_line_to(cr, 160, 80);
    cairo_move_to(cr, 170, 80);
    cairo_line_to(cr, 178, 78);
    ink(cr, 1.6);
    ellipse(cr, 198, 102, 5, 4);
    ink(cr, 1.6);
    cairo_new_path(cr);
    for (double t = 0; t < 5 * M_PI; t += 0.1) {
        const double r = 3 + t * 2.2;
        cairo_line_to(cr, 245 + r * std::cos(t), 95 + r * std::sin(t) * 0.8);
    }
    ink(cr, 1.6);
    for (int row = 0; row < 3; ++row) {  // rows of worn glyphs
        for (int k = 0; k < 8; ++k) {
            const double x = 130 + k * 19;
            const double y = 150 + row * 17;
            if ((k + row) % 3 == 0) ellipse(cr, x, y, 5, 5);
            else if ((k + row) % 3 == 1) {
                cairo_new_path(cr);
                cairo_move_to(cr, x - 5, y + 5);
                cairo_line_to(cr, x, y - 5);
                cairo_line_to(cr, x + 5, y + 5);
            } else {
                cairo_new_path(cr);
                cairo_move_to(cr, x - 5, y);
                cairo_line_to(cr, x + 5, y);
                cairo_move_to(cr, x, y - 5);
                cairo_line_to(cr, x, y + 5);
            }
            ink(cr, 1.3);
        }
    }
    cairo_move_to(cr, 275, 40);  // a crack
    cairo_line_to(cr, 262, 62);
    cairo_line_to(cr, 270, 80);
    ink(cr, 1.2);
}

void instruments(cairo_t* cr) {
    // The microscope: foot, pillar, arm and tube.
    cairo_move_to(cr, 60, 205);
    cairo_line_to(cr, 150, 205);
    cairo_line_to(cr, 140, 190);
    cairo_line_to(cr, 70, 190);
    cairo_close_path(cr);
    wash(cr, kBrassWash, 0.5);
    ink(cr);
    cairo_move_to(cr, 100, 190);
    cairo_curve_to(cr, 70, 150, 80, 100, 120, 80);
    ink(cr, 5);
    cairo_save(cr);
    cairo_translate(cr, 125, 95);
    cairo_rotate(cr, 0.35);
    cairo_rectangle(cr, -12, -80, 24, 95);
    wash(cr, kBrassWash, 0.55);
    ink(cr);
    cairo_rectangle(cr, -15, -86, 30, 10);
    wash(cr, kSepia, 0.3);
    ink(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 80, 150, 60, 8);  // the stage
    ink(cr);
    // A specimen jar with a little fish in it.
    cairo_rectangle(cr, 200, 110, 70, 95);
    wash(cr, kSeaWash, 0.3);
    ink(cr);
    cairo_rectangle(cr, 195, 100, 80, 12);
    wash(cr, kWoodWash, 0.5);
    ink(cr);
    cairo_move_to(cr, 215, 160);
    cairo_curve_to(cr, 230, 145, 250, 150, 255, 160);
    cairo_curve_to(cr, 250, 170, 230, 175, 215, 160);
    cairo_line_to(cr, 206, 152);
    cairo_line_to(cr, 206, 168);
    cairo_close_path(cr);
    wash(cr, kRedWash, 0.4);
    ink(cr, 1.4);
    // The magnifying glass.
    ellipse(cr, 330, 120, 34, 34);
    wash(cr, kSeaWash, 0.2);
    ink(cr, 2.4);
    cairo_move_to(cr, 354, 144);
    cairo_line_to(cr, 390, 195);
    ink(cr, 7);
    cairo_move_to(cr, 315, 102);
    cairo_curve_to(cr, 320, 96, 330, 94, 338, 96);
    ink(cr, 1.2);
}

void turtle(cairo_t* cr) {
    for (const auto& [x, y, a] : {std::tuple{150.0, 70.0, -0.6}, std::tuple{250.0, 70.0, -2.5},
                                   std::tuple{150.0, 160.0, 0.7}, std::tuple{250.0, 160.0, 2.4}}) {
        cairo_save(cr);  // the flippers
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, -20, -18, -60, -16, -78, -4);
        cairo_curve_to(cr, -55, 8, -20, 10, 0, 0);
        cairo_close_path(cr);
        cairo_restore(cr);
        wash(cr, kLeafWash, 0.45);
        ink(cr, 1.8);
    }
    ellipse(cr, 312, 115, 26, 20);  // the head
    wash(cr, kLeafWash, 0.45);
    ink(cr);
    ellipse(cr, 322, 108, 3, 3);
    ink(cr, 2);
    ellipse(cr, 200, 115, 95, 66);  // the shell and its plates
    wash(cr, {0.52, 0.50, 0.28}, 0.5);
    ink(cr, 2.4);
    for (int k = 0; k < 3; ++k) {
        const double x = 150 + k * 50;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 20, 115);
        cairo_line_to(cr, x - 10, 92);
        cairo_line_to(cr, x + 12, 92);
        cairo_line_to(cr, x + 22, 115);
        cairo_line_to(cr, x + 12, 138);
        cairo_line_to(cr, x - 10, 138);
        cairo_close_path(cr);
        ink(cr, 1.5);
    }
    // A hatchling racing for the sea, and the sand it scrabbled through.
    ellipse(cr, 355, 190, 16, 11);
    wash(cr, kLeafWash, 0.5);
    ink(cr, 1.4);
    for (int k = 0; k < 20; ++k) {
        ellipse(cr, 20 + std::fmod(k * 71.0, 360.0), 195 + std::fmod(k * 13.0, 20.0), 1.2, 1.2);
        setColor(cr, kSepia, 0.6);
        cairo_fill(cr);
    }
}

void medicineChest(cairo_t* cr) {
    cairo_rectangle(cr, 90, 110, 220, 95);
    wash(cr, kWoodWash, 0.5);
    ink(cr, 2.2);
    cairo_move_to(cr, 90, 110);  // the open lid
    cairo_line_to(cr, 110, 30);
    cairo_line_to(cr, 330, 30);
    cairo_line_to(cr, 310, 110);
    cairo_close_path(cr);
    wash(cr, kWoodWash, 0.35);
    ink(cr, 2.2);
    cairo_move_to(cr, 220, 48);  // the cross on the lid
    cairo_line_to(cr, 220, 92);
    cairo_move_to(cr, 198, 70);
    cairo_line_to(cr, 242, 70);
    cairo_set_line_width(cr, 12);
    setColor(cr, {0.22, 0.6, 0.34}, 0.7);
    cairo_stroke(cr);
    for (int k = 0; k < 4; ++k) {  // bottles
        const double x = 110 + k * 34;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 130);
        cairo_line_to(cr, x + 20, 130);
        cairo_line_to(cr, x + 20, 100);
        cairo_line_to(cr, x + 14, 92);
        cairo_line_to(cr, x + 14, 82);
        cairo_line_to(cr, x + 6, 82);
        cairo_line_to(cr, x + 6, 92);
        cairo_line_to(cr, x, 100);
        cairo_close_path(cr);
        wash(cr, k % 2 ? kSeaWash : kWoodWash, 0.45);
        ink(cr, 1.5);
    }
    ellipse(cr, 275, 112, 22, 22);  // a roll of bandage
    wash(cr, {0.98, 0.96, 0.9}, 0.7);
    ink(cr, 1.8);
    ellipse(cr, 275, 112, 8, 8);
    ink(cr, 1.2);
    cairo_move_to(cr, 297, 118);
    cairo_curve_to(cr, 330, 140, 330, 180, 360, 200);
    ink(cr, 1.6);
}

void godOfAir(cairo_t* cr) {
    cairo_move_to(cr, 10, 210);  // the cliff
    cairo_curve_to(cr, 20, 120, 40, 40, 90, 12);
    cairo_line_to(cr, 250, 12);
    cairo_curve_to(cr, 260, 80, 250, 150, 260, 210);
    cairo_close_path(cr);
    wash(cr, kStoneWash, 0.4);
    ink(cr, 2);
    cairo_move_to(cr, 50, 30);
    cairo_line_to(cr, 230, 30);
    cairo_move_to(cr, 30, 180);
    cairo_line_to(cr, 240, 180);
    ink(cr, 1.0);
    ellipse(cr, 135, 100, 60, 66);  // the face with its cheeks full of wind
    ink(cr, 2.4);
    for (const double x : {100.0, 170.0}) {
        ellipse(cr, x, 120, 22, 18);
        hatch(cr, x - 22, 102, x + 22, 138, 6);
        ellipse(cr, x, 120, 22, 18);
        ink(cr, 1.6);
    }
    ellipse(cr, 110, 82, 8, 5);
    ellipse(cr, 160, 82, 8, 5);
    ink(cr, 1.8);
    cairo_move_to(cr, 92, 62);
    cairo_curve_to(cr, 105, 52, 118, 56, 124, 64);
    cairo_move_to(cr, 146, 64);
    cairo_curve_to(cr, 152, 56, 165, 52, 178, 62);
    ink(cr, 1.8);
    ellipse(cr, 198, 124, 8, 7);  // the pursed mouth
    ink(cr, 2);
    for (int k = 0; k < 4; ++k) {  // the wind streaming out
        const double y = 104 + k * 12;
        cairo_move_to(cr, 210, y);
        cairo_curve_to(cr, 260, y - 14, 300, y + 14, 340, y);
        cairo_curve_to(cr, 360, y - 8, 372, y - 20, 360, y - 28);
        cairo_curve_to(cr, 350, y - 34, 338, y - 24, 348, y - 16);
    }
    ink(cr, 1.5);
}

void islandMap(cairo_t* cr) {
    cairo_move_to(cr, 60, 120);
    cairo_curve_to(cr, 50, 60, 130, 20, 200, 30);
    cairo_curve_to(cr, 280, 20, 350, 60, 340, 120);
    cairo_curve_to(cr, 360, 180, 260, 210, 190, 200);
    cairo_curve_to(cr, 110, 205, 70, 170, 60, 120);
    cairo_close_path(cr);
    wash(cr, kSandWash, 0.45);
    ink(cr, 2.2);
    for (const auto& [x, y, s] : {std::tuple{230.0, 80.0, 26.0}, std::tuple{262.0, 92.0, 20.0}, std::tuple{205.0, 96.0, 16.0}}) {
        cairo_new_path(cr);  // mountains
        cairo_move_to(cr, x - s, y + s * 0.6);
        cairo_line_to(cr, x, y - s * 0.6);
        cairo_line_to(cr, x + s, y + s * 0.6);
        wash(cr, kLeafWash, 0.4);
        ink(cr, 1.8);
    }
    cairo_move_to(cr, 120, 170);  // the way from the camp
    cairo_curve_to(cr, 140, 130, 170, 150, 190, 120);
    cairo_curve_to(cr, 200, 105, 215, 110, 228, 100);
    const double dashes[] = {6, 5};
    cairo_set_dash(cr, dashes, 2, 0);
    ink(cr, 1.6);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_move_to(cr, 112, 162);
    cairo_line_to(cr, 128, 178);
    cairo_move_to(cr, 128, 162);
    cairo_line_to(cr, 112, 178);
    ink(cr, 2.4);
    cairo_move_to(cr, 370, 30);  // north on the compass
    cairo_line_to(cr, 370, 90);
    cairo_move_to(cr, 345, 60);
    cairo_line_to(cr, 395, 60);
    ink(cr, 1.5);
    cairo_move_to(cr, 364, 40);
    cairo_line_to(cr, 370, 24);
    cairo_line_to(cr, 376, 40);
    ink(cr, 1.5);
}

void doodles(cairo_t* cr) {
    cairo_move_to(cr, 80, 205);  // a palm
    cairo_curve_to(cr, 84, 150, 88, 110, 96, 70);
    ink(cr, 3);
    for (const double a : {-2.8, -2.2, -1.2, -0.5, 0.1}) {
        cairo_move_to(cr, 96, 70);
        cairo_curve_to(cr, 96 + std::cos(a) * 30, 70 + std::sin(a) * 30 - 10, 96 + std::cos(a) * 55,
                       70 + std::sin(a) * 40, 96 + std::cos(a) * 60, 70 + std::sin(a) * 20 + 20);
    }
    ink(cr, 1.8);
    ellipse(cr, 210, 170, 32, 20);  // a crab
    wash(cr, kRedWash, 0.45);
    ink(cr);
    for (const double side : {-1.0, 1.0}) {
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, 210 + side * 26, 172 + k * 5);
            cairo_line_to(cr, 210 + side * 44, 180 + k * 8);
        }
        cairo_move_to(cr, 210 + side * 20, 155);
        cairo_curve_to(cr, 210 + side * 30, 130, 210 + side * 44, 132, 210 + side * 40, 148);
    }
    ink(cr, 1.6);
    cairo_new_path(cr);  // a shell
    for (double t = 0; t < 4 * M_PI; t += 0.1) {
        const double r = 2 + t * 2.6;
        cairo_line_to(cr, 320 + r * std::cos(t), 160 + r * std::sin(t));
    }
    ink(cr, 1.6);
}

}  // namespace

RgbaImage fieldGuideSketch(int number) {
    Canvas canvas(kSketchWidth, kSketchHeight);
    cairo_t* cr = canvas.cr();
    switch (number) {
        case 0: wreck(cr); break;
        case 1: tablet(cr); break;
        case 2: instruments(cr); break;
        case 3: turtle(cr); break;
        case 4: medicineChest(cr); break;
        case 5: godOfAir(cr); break;
        case 6: islandMap(cr); break;
        default: doodles(cr); break;
    }
    return canvas.toImage();
}

FORGE_STEP(gui_field_guide_sketches) {
    std::vector<RgbaImage> previews;
    for (int n = 0; n < kSketchCount; ++n) {
        const RgbaImage sketch = fieldGuideSketch(n);
        forge.writePng("img/fieldguide/sketch_" + std::to_string(n) + ".png", sketch);
        previews.push_back(previewOver(sketch, {0.98, 0.94, 0.82}));
    }
    forge.addContactSheet("gui_field_guide_sketches", previewRow(previews, 1700));
}
