// The map screen's buttons and the expedition dialog's icon, under img/states/map/:
//   btnexpedition         a green sign with a compass: set out (rests at 1115, 744)
//   btncamp               a wooden sign with the camp's tent: back to the camp (rests at 212, 744)
//   btncancelexpedition   a red sign with the way back: call the expedition off (rests at 672, 744)
//   travel_icon           a chart, a compass and a spyglass, for the expedition dialog (its middle
//                         sits at the dialog's icon place, left of the text)
// The signs are made like the camp's: they rise from the bottom edge with their posts running off
// the screen.
#include <cmath>

#include "tools/forge/art/camp_buttons.h"
#include "tools/forge/art/camp_icons.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/map_markers.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"

namespace {

constexpr int kRestY = 744;
constexpr int kSignWidth = 150;
constexpr int kWideSignWidth = 176;
constexpr int kTravelIconSize = 176;
constexpr Rgb kCancelRed{0.56, 0.22, 0.16};

void paintCompass(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * M_PI);
    shadeWithInk(cr, cx, cy, r * 0.78, guiPalette::kBrass, 1.6);
    cairo_arc(cr, cx, cy, r * 0.62, 0, 2 * M_PI);
    shadeWithInk(cr, cx, cy, r * 0.62, guiPalette::kCream, 1.2);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        strokeLine(cr, {cx + r * 0.5 * std::cos(a), cy + r * 0.5 * std::sin(a)},
                   {cx + r * 0.58 * std::cos(a), cy + r * 0.58 * std::sin(a)}, palette::kInk, 1.2);
    }
    const double turn = -0.5;  // the needle points north-north-east
    for (double end : {1.0, -1.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + end * r * 0.52 * std::sin(turn), cy - end * r * 0.52 * std::cos(turn));
        cairo_line_to(cr, cx + r * 0.1 * std::cos(turn), cy + r * 0.1 * std::sin(turn));
        cairo_line_to(cr, cx - r * 0.1 * std::cos(turn), cy - r * 0.1 * std::sin(turn));
        cairo_close_path(cr);
        setColor(cr, end > 0 ? palette::kCoral : palette::kDeepSea);
        cairo_fill_preserve(cr);
        strokeInk(cr, 1);
        cairo_new_path(cr);
    }
    cairo_arc(cr, cx, cy, r * 0.07, 0, 2 * M_PI);
    setColor(cr, guiPalette::kBrassDark);
    cairo_fill(cr);
}

void paintCampTent(cairo_t* cr, double cx, double cy, double r) {
    paintTent(cr, cx - r * 0.62, cy - r * 0.3, r * 1.24);
}

void paintSpyglass(cairo_t* cr, double x, double y, double length, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    for (int k = 0; k < 3; ++k) {
        const double w = 9 - k * 2.2, from = k * length * 0.3, to = from + length * 0.38;
        roundedRectPath(cr, from, -w, to - from, 2 * w, 2);
        fillVerticalGradient(cr, -w, w, k == 0 ? palette::kWood : guiPalette::kGoldLight,
                             k == 0 ? palette::kWoodDark : guiPalette::kBrassDark);
        strokeInk(cr, 1.6);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
}

RgbaImage travelIcon() {
    Canvas canvas(kTravelIconSize, kTravelIconSize);
    cairo_t* cr = canvas.cr();
    const RgbaImage chart = parchmentSheet(130, 104, 6, 0x7a1);
    cairo_save(cr);
    cairo_translate(cr, 88, 78);
    cairo_rotate(cr, -0.16);
    canvas.drawImage(chart, -65, -52);
    smoothPath(cr, {{-38, 22}, {-48, -6}, {-26, -30}, {8, -34}, {40, -24}, {50, 4}, {30, 28}, {-6, 34}}, true);
    fillVerticalGradient(cr, -34, 34, mix(palette::kLeaf, palette::kParchment, 0.5), mix(palette::kJungle, palette::kParchment, 0.5));
    strokeInk(cr, 1.4);
    cairo_move_to(cr, -30, 18);
    cairo_curve_to(cr, -10, 0, 10, 20, 28, -14);
    const double dashes[] = {5, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    setColor(cr, palette::kCoral);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    strokeLine(cr, {22, -20}, {34, -8}, palette::kCoral, 3);
    strokeLine(cr, {34, -20}, {22, -8}, palette::kCoral, 3);
    cairo_restore(cr);
    paintSpyglass(cr, 24, 150, 128, -0.42);
    paintCompass(cr, 128, 132, 42);
    paintGloss(cr, 118, 112, 12, 6, 0.5);
    return withDropShadow(canvas.toImage(), 3, 4, 4, 0.45);
}

std::vector<MapPicture> mapButtonPictures() {
    return {
        {"btnexpedition", signButton(kWideSignWidth, kRestY, "Expedition", paintCompass, 61, guiPalette::kLacquer)},
        {"btncamp", signButton(kSignWidth, kRestY, "Camp", paintCampTent, 62)},
        {"btncancelexpedition", signButton(kSignWidth, kRestY, "Cancel", paintBackArrow, 63, kCancelRed)},
        {"travel_icon", travelIcon()},
    };
}

}  // namespace

RgbaImage mapButtonPicture(const std::string& file) {
    for (MapPicture& button : mapButtonPictures()) {
        if (button.file == file) return std::move(button.picture);
    }
    return {};
}

FORGE_STEP(map_buttons) {
    if (!fontsPresent(forge)) return;
    writeMapPictures(forge, mapButtonPictures(), "map_buttons", 4, 260, nullptr);
}
