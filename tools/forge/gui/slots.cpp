// Backings that text and icons are drawn over: the reward row, the price slot of the icon
// dialog, the player list rows and their selection mark, the tip's pointer and the plan card
// behind a building in the build dialog.
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

// The reward icon is centred 24 pixels in and the text starts 46 pixels in.
RgbaImage rewardListSlot() {
    constexpr int kWidth = 360;
    constexpr int kHeight = 36;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 1, 2, kWidth - 2, kHeight - 4, 15);
    fillVerticalGradient(cr, 2, kHeight - 2, lighten(guiPalette::kDialogFill, 0.16), guiPalette::kDialogDeep, 0.9);
    setColor(cr, guiPalette::kBrass, 0.7);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_arc(cr, 24, 18, 16, 0, 2 * M_PI);
    fillVerticalGradient(cr, 2, 34, guiPalette::kDialogDeep, lighten(guiPalette::kDialogFill, 0.1));
    setColor(cr, guiPalette::kBrass);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage priceSlot() {
    constexpr int kWidth = 352;
    constexpr int kHeight = 52;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 2, 2, kWidth - 4, kHeight - 4, 12);
    fillVerticalGradient(cr, 2, kHeight - 2, lighten(guiPalette::kBrass, 0.2), guiPalette::kBrassDark);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    drawRecess(cr, 9, 8, kWidth - 18, kHeight - 16, 8, lighten(guiPalette::kDialogFill, 0.08));
    drawBrassRivet(cr, 6, kHeight / 2.0, 3);
    drawBrassRivet(cr, kWidth - 6, kHeight / 2.0, 3);
    return withDropShadow(canvas.toImage(), 1, 2, 1, 0.4);
}

constexpr int kBackingWidth = 340;
constexpr int kBackingHeight = 36;

// Player names are written in white from 7 pixels in, so the row is a dark inlaid strip.
RgbaImage playerBacking() {
    Canvas canvas(kBackingWidth, kBackingHeight);
    drawRecess(canvas.cr(), 1, 1, kBackingWidth - 2, kBackingHeight - 3, 7, darken(palette::kWood, 0.25));
    RgbaImage image = canvas.toImage();
    woodGrain(image, {0.12, 3.5, 91, 0, false});
    return image;
}

// Drawn 2 pixels up and left of a row, over it: a lit gold rim around the row.
RgbaImage playerSelected() {
    Canvas canvas(kBackingWidth + 4, kBackingHeight + 4);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 2.5, 2.5, kBackingWidth - 1, kBackingHeight - 1, 8);
    setColor(cr, palette::kGold, 0.35);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    setColor(cr, guiPalette::kGoldLight);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    cairo_new_path(cr);
    roundedRectPath(cr, 5, 5, kBackingWidth - 6, kBackingHeight - 6, 6);
    setColor(cr, palette::kGold, 0.12);
    cairo_fill(cr);
    return canvas.toImage();
}

// The tip's pointer: its top hides under the tip box, its point is the bottom-centre pixel.
RgbaImage tipArrow() {
    constexpr int kWidth = 92;
    constexpr int kHeight = 104;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, 32, 0);
    cairo_line_to(cr, 60, 0);
    cairo_curve_to(cr, 60, 30, 62, 44, 64, 56);
    cairo_line_to(cr, 86, 56);
    cairo_line_to(cr, 46, 102);
    cairo_line_to(cr, 6, 56);
    cairo_line_to(cr, 28, 56);
    cairo_curve_to(cr, 30, 44, 32, 30, 32, 0);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 0, 102, guiPalette::kGoldLight, palette::kSunset);
    strokeInk(cr, 3);
    rimLight(cr, 40, 50, 50, 0.5);
    return canvas.toImage();
}

void planGrid(cairo_t* cr, int width, int height) {
    for (int x = 20; x < width - 12; x += 16) {
        cairo_move_to(cr, x, 14);
        cairo_line_to(cr, x, height - 14);
    }
    for (int y = 20; y < height - 12; y += 16) {
        cairo_move_to(cr, 14, y);
        cairo_line_to(cr, width - 14, y);
    }
    setColor(cr, palette::kDeepSea, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The building plan a camp building's icon is shown on in the build dialog.
RgbaImage buildPlan() {
    constexpr int kWidth = 230;
    constexpr int kHeight = 260;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    canvas.drawImage(parchmentSheet(kWidth, kHeight, 6, 404), 0, 0);
    planGrid(cr, kWidth, kHeight);
    cairo_arc(cr, kWidth / 2.0, 124, 82, 0, 2 * M_PI);
    setColor(cr, palette::kDeepSea, 0.35);
    cairo_set_dash(cr, (const double[]){6, 5}, 2, 0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    drawCentredText(cr, "Building Plan", kWidth / 2.0, kHeight - 22, Face::Italic, 20, palette::kWoodDark, 0.85);
    for (double x : {18.0, kWidth - 18.0}) {
        drawBrassRivet(cr, x, 18, 5);
        drawBrassRivet(cr, x, kHeight - 18, 5);
    }
    return withDropShadow(canvas.toImage(), 2, 4, 3, 0.45);
}

}  // namespace

FORGE_STEP(gui_slots) {
    if (!fontsPresent(forge)) return;
    const RgbaImage reward = rewardListSlot();
    const RgbaImage price = priceSlot();
    const RgbaImage backing = playerBacking();
    const RgbaImage selected = playerSelected();
    const RgbaImage arrow = tipArrow();
    const RgbaImage plan = buildPlan();
    forge.writePng("img/gui/reward_list_slot.png", reward);
    forge.writePng("img/gui/icondlg_price_slot.png", price);
    forge.writePng("img/gui/player_backing.png", backing);
    forge.writePng("img/gui/player_selected.png", selected);
    forge.writePng("img/gui/tip_down_arrow.png", arrow);
    forge.writePng("img/gui/builddlg.png", plan);
    forge.addContactSheet("gui_slots", contactSheet({{"reward_list_slot", &reward}, {"icondlg_price_slot", &price},
                                                     {"player_backing", &backing}, {"player_selected", &selected},
                                                     {"tip_down_arrow", &arrow}, {"BuildDlg", &plan}},
                                                    3, 380, &guiPalette::kDialogFill));
}
