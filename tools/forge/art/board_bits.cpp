// Short-lived effect pictures of the match-3 board, all under img/states/playing/:
//   flare.png 64 x 64                  starburst over a vanishing piece
//   exploding_crystal_glow.png 64 x 64 halo of the crystals (drawn additively, scale 1 or 2)
//   center5bonus_hl.png 128 x 128      burst where an exploding crystal is born (additive)
//   smokebit / ropebit / crystalbit / woodbit.png  5 x 1 sheets of 24 x 24 debris
//   score.png 5 x 1 of 72 x 40         the 5, 10, 50, 100 and 150 point popups
//   uncolor1.png / uncolor2.png 55 x 55  right and left half of a dissolving blue square (additive)
//   nice_combo.png / great_combo.png   cascade praise, 340 x 80
//   starbit.png 32 x 32                a star flying to the score
//   hint_arrow.png 4 x 1 of 72 x 40    a pulsing double arrow: the game lays it across the border
//                                      of two squares, turned 90 degrees for vertical swaps
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/lettering.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kDebrisFrame = 24;
constexpr int kDebrisFrames = 5;
constexpr Rgb kPreviewBack{0.13, 0.27, 0.30};

RgbaImage flare() {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 32, 32, 30, palette::kWhite, palette::kGold, 0.9);
    paintRays(cr, 32, 32, 8, 6, 31, 2.6, palette::kWhite, 0.9, M_PI / 8);
    paintRays(cr, 32, 32, 8, 4, 20, 2.0, {1, 0.9, 0.6}, 0.8);
    return canvas.toImage();
}

RgbaImage crystalGlow() {
    Canvas canvas(64, 64);
    paintGlow(canvas.cr(), 32, 32, 32, {1, 1, 0.92}, {0.55, 0.8, 1.0}, 0.85);
    return canvas.toImage();
}

RgbaImage bonusBurst() {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 64, 64, 62, palette::kWhite, {0.95, 0.45, 0.85}, 0.9);
    paintRing(cr, 64, 64, 44, 9, {1, 0.85, 0.5}, 0.8);
    paintRays(cr, 64, 64, 12, 14, 63, 3.5, palette::kWhite, 0.75);
    return canvas.toImage();
}

using BitPainter = void (*)(cairo_t*, ForgeRandom&, int frame);

void smokeBit(cairo_t* cr, ForgeRandom& random, int) {
    for (int k = 0; k < 3; ++k) {
        paintPuff(cr, 12 + random.uniform(-4, 4), 12 + random.uniform(-4, 4), random.uniform(5, 9),
                  {0.85, 0.83, 0.8}, 0.8);
    }
}

void ropeBit(cairo_t* cr, ForgeRandom& random, int frame) {
    const double length = 10 + frame * 2;
    cairo_translate(cr, 12, 12);
    cairo_rotate(cr, random.uniform(0, M_PI));
    cairo_new_path(cr);
    cairo_move_to(cr, -length / 2, 0);
    cairo_curve_to(cr, -length / 6, random.uniform(-4, 4), length / 6, random.uniform(-4, 4), length / 2, 0);
    setColor(cr, palette::kInk, 0.9);
    cairo_set_line_width(cr, 5.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColor(cr, {0.88, 0.77, 0.52});
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    const double dashes[] = {1.1, 2.2};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, {0.55, 0.42, 0.25}, 0.8);
    cairo_stroke(cr);
}

void shardPath(cairo_t* cr, ForgeRandom& random, double size) {
    const int corners = random.range(3, 4);
    for (int k = 0; k < corners; ++k) {
        const double a = 2 * M_PI * k / corners + random.uniform(-0.3, 0.3);
        const double r = size * random.uniform(0.5, 1.0) * (k == 0 ? 1.5 : 1.0);
        if (k == 0) cairo_move_to(cr, 12 + r * std::cos(a), 12 + r * std::sin(a));
        else cairo_line_to(cr, 12 + r * std::cos(a), 12 + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void crystalBit(cairo_t* cr, ForgeRandom& random, int frame) {
    const Rgb color = frame % 2 ? Rgb{0.93, 0.35, 0.8} : Rgb{0.4, 0.9, 0.97};
    shardPath(cr, random, 7);
    fillVerticalGradient(cr, 4, 20, lighten(color, 0.6), color);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    paintSparkle(cr, 10, 10, 5, 0.9);
}

void woodBit(cairo_t* cr, ForgeRandom& random, int frame) {
    cairo_translate(cr, 12, 12);
    cairo_rotate(cr, random.uniform(0, M_PI));
    const double length = 12 + frame * 1.8;
    cairo_new_path(cr);
    cairo_move_to(cr, -length / 2, -2.5);
    cairo_line_to(cr, length / 2 - 3, -3);
    cairo_line_to(cr, length / 2, 0);   // a splintered point
    cairo_line_to(cr, length / 2 - 4, 2.5);
    cairo_line_to(cr, -length / 2 + 2, 3);
    cairo_line_to(cr, -length / 2 - 1, 0.5);
    cairo_close_path(cr);
    fillVerticalGradient(cr, -3, 3, lighten(palette::kWood, 0.35), palette::kWoodDark);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

RgbaImage debrisSheet(BitPainter painter, uint32_t seed) {
    ForgeRandom random(seed);
    return paintSheet(kDebrisFrames, 1, kDebrisFrames, [&](int frame) {
        Canvas canvas(kDebrisFrame, kDebrisFrame);
        painter(canvas.cr(), random, frame);
        return canvas.toImage();
    });
}

LetteringStyle numberStyle(double size) {
    LetteringStyle style;
    style.fontFile = lettering::kDisplayFont;
    style.size = size;
    style.top = {1.0, 0.97, 0.75};
    style.bottom = palette::kGold;
    style.outline = 3;
    style.shadow = 2;
    return style;
}

RgbaImage scoreSheet() {
    constexpr const char* kAmounts[] = {"5", "10", "50", "100", "150"};
    return paintSheet(5, 1, 5, [&](int frame) {
        Canvas canvas(72, 40);
        LetteringStyle style = numberStyle(frame < 2 ? 26 : 30);
        if (frame >= 3) style.bottom = palette::kSunset;  // the big awards glow warmer
        paintLettering(canvas.cr(), style, kAmounts[frame], 36, 19);
        return canvas.toImage();
    });
}

// One half of a blue square dissolving into light: the right half for uncolor1, the left for 2.
RgbaImage uncolorHalf(bool rightHalf) {
    Canvas canvas(55, 55);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, rightHalf ? 27.5 : 0, 0, 27.5, 55);
    cairo_clip(cr);
    roundedRectPath(cr, 3, 3, 49, 49, 8);
    cairo_pattern_t* fill = cairo_pattern_create_radial(27.5, 27.5, 4, 27.5, 27.5, 34);
    cairo_pattern_add_color_stop_rgba(fill, 0, 0.85, 0.97, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(fill, 1, 0.2, 0.55, 1, 0.75);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    setColor(cr, palette::kWhite, 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage praise(const std::string& text, Rgb top, Rgb bottom) {
    Canvas canvas(340, 80);
    LetteringStyle style;
    style.size = 46;
    style.top = top;
    style.bottom = bottom;
    style.outline = 4;
    style.shadow = 3;
    paintLettering(canvas.cr(), style, text, 170, 40);
    return canvas.toImage();
}

RgbaImage starBit() {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, 16, 16, 16, palette::kWhite, palette::kGold, 0.6);
    cairo_new_path(cr);
    for (int k = 0; k < 10; ++k) {
        const double a = -M_PI / 2 + k * M_PI / 5;
        const double r = k % 2 == 0 ? 11 : 4.8;
        if (k == 0) cairo_move_to(cr, 16 + r * std::cos(a), 16 + r * std::sin(a));
        else cairo_line_to(cr, 16 + r * std::cos(a), 16 + r * std::sin(a));
    }
    cairo_close_path(cr);
    fillRoundShading(cr, 16, 16, 11, palette::kGold);
    strokeInk(cr, 1.4);
    return canvas.toImage();
}

// A double-headed arrow: the heads push apart and back over the four frames.
RgbaImage hintArrowFrame(int frame) {
    constexpr double kPush[] = {0, 2.5, 4.5, 2.5};
    Canvas canvas(72, 40);
    cairo_t* cr = canvas.cr();
    const double reach = 26 + kPush[frame];
    paintGlow(cr, 36, 20, 30, {1, 1, 0.8}, palette::kGold, 0.35 + 0.1 * kPush[frame]);
    cairo_new_path(cr);
    cairo_move_to(cr, 36 - reach, 20);
    cairo_line_to(cr, 36 - reach + 12, 9);
    cairo_line_to(cr, 36 - reach + 12, 15);
    cairo_line_to(cr, 36 + reach - 12, 15);
    cairo_line_to(cr, 36 + reach - 12, 9);
    cairo_line_to(cr, 36 + reach, 20);
    cairo_line_to(cr, 36 + reach - 12, 31);
    cairo_line_to(cr, 36 + reach - 12, 25);
    cairo_line_to(cr, 36 - reach + 12, 25);
    cairo_line_to(cr, 36 - reach + 12, 31);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 9, 31, {1, 1, 0.85}, palette::kGold);
    strokeInk(cr, 2.2);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(board_bits) {
    std::vector<RgbaImage> previews;
    const auto write = [&](const std::string& name, const RgbaImage& image, bool additive) {
        forge.writePng("img/states/playing/" + name + ".png", image);
        previews.push_back(additive ? previewAdditive(image, 2) : previewOver(image, kPreviewBack, 2));
    };
    write("flare", flare(), true);
    write("exploding_crystal_glow", crystalGlow(), true);
    write("center5bonus_hl", bonusBurst(), true);
    write("smokebit", debrisSheet(smokeBit, 0x5a0e), false);
    write("ropebit", debrisSheet(ropeBit, 0x40be), false);
    write("crystalbit", debrisSheet(crystalBit, 0xc415), false);
    write("woodbit", debrisSheet(woodBit, 0x900d), false);
    write("score", scoreSheet(), false);
    write("uncolor1", uncolorHalf(true), true);
    write("uncolor2", uncolorHalf(false), true);
    write("nice_combo", praise("Nice Combo!", {1.0, 0.97, 0.7}, palette::kSunset), false);
    write("great_combo", praise("Great Combo!", {1.0, 0.9, 0.97}, {0.93, 0.3, 0.65}), false);
    write("starbit", starBit(), false);
    write("hint_arrow", paintSheet(4, 1, 4, hintArrowFrame), false);
    if (!fontAvailable(lettering::kDisplayFont)) forge.fail(std::string("missing font ") + lettering::kDisplayFont);
    forge.addContactSheet("board_bits", previewRow(previews, 1400));
}
