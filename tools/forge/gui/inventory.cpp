// The adventure inventory: one picture per item (its name is the item's id) and the tooltip
// plate the item's description is written on. Every file of the folder except "tooltip.png"
// and "items.ini" becomes an item, so nothing else may be written there.
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr int kItemSize = 72;  // the bar's slots are 75 pixels apart
const Rgb kSteel{0.72, 0.76, 0.80};

void rope(cairo_t* cr) {
    for (double r : {36.0, 25.0, 14.0}) {
        ellipsePath(cr, 50, 58, r, r * 0.62);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 13);
        cairo_stroke_preserve(cr);
        setColor(cr, guiPalette::kRope);
        cairo_set_line_width(cr, 9);
        cairo_stroke_preserve(cr);
        cairo_set_dash(cr, (const double[]){2.5, 4}, 2, 0);
        setColor(cr, darken(guiPalette::kRope, 0.5));
        cairo_set_line_width(cr, 9);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    drawRope(cr, 84, 60, 94, 88, 9, 4.5);
}

void machete(cairo_t* cr) {
    cairo_move_to(cr, 30, 70);
    cairo_curve_to(cr, 50, 40, 72, 16, 94, 6);
    cairo_curve_to(cr, 92, 24, 70, 54, 42, 80);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 6, 80, lighten(kSteel, 0.5), darken(kSteel, 0.3));
    strokeInk(cr, 3.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 70);
    cairo_curve_to(cr, 55, 46, 74, 24, 92, 10);
    strokeRound(cr, palette::kWhite, 1.5, 0.7);
    cairo_save(cr);
    cairo_translate(cr, 24, 80);
    cairo_rotate(cr, -0.8);
    roundedRectPath(cr, -20, -7, 30, 14, 5);
    cairo_restore(cr);
    shadeWithInk(cr, 20, 84, 18, palette::kWoodDark, 3.5);
    drawBrassRivet(cr, 17, 87, 2.5);
    drawBrassRivet(cr, 26, 78, 2.5);
}

void lantern(cairo_t* cr) {
    cairo_arc(cr, 50, 16, 10, M_PI, 2 * M_PI);  // handle
    strokeRound(cr, palette::kInk, 4);
    roundedRectPath(cr, 30, 22, 40, 12, 4);
    shadeWithInk(cr, 50, 28, 20, guiPalette::kBrass, 3);
    roundedRectPath(cr, 32, 34, 36, 42, 6);
    cairo_pattern_t* glow = cairo_pattern_create_radial(50, 58, 2, 50, 56, 26);
    cairo_pattern_add_color_stop_rgb(glow, 0, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgb(glow, 0.5, 1, 0.78, 0.3);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0.75, 0.4, 0.15);
    cairo_set_source(cr, glow);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glow);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    ellipsePath(cr, 50, 58, 5, 9);  // the flame
    setColor(cr, palette::kWhite, 0.9);
    cairo_fill(cr);
    for (double x : {41.0, 59.0}) {
        cairo_move_to(cr, x, 35);
        cairo_line_to(cr, x, 75);
        strokeRound(cr, guiPalette::kBrassDark, 2.5);
    }
    roundedRectPath(cr, 28, 76, 44, 12, 4);
    shadeWithInk(cr, 50, 82, 22, guiPalette::kBrass, 3);
}

void compass(cairo_t* cr) {
    cairo_arc(cr, 50, 14, 7, 0, 2 * M_PI);
    strokeRound(cr, palette::kInk, 4);
    cairo_arc(cr, 50, 55, 38, 0, 2 * M_PI);
    shadeWithInk(cr, 50, 55, 38, guiPalette::kBrass, 4);
    cairo_arc(cr, 50, 55, 29, 0, 2 * M_PI);
    fillVerticalGradient(cr, 26, 84, guiPalette::kCream, palette::kSand);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, 50 - 6, 55);
        cairo_line_to(cr, 50, i == 0 ? 30 : 80);
        cairo_line_to(cr, 50 + 6, 55);
        cairo_close_path(cr);
        setColor(cr, i == 0 ? palette::kCoral : darken(palette::kSky, 0.3));
        cairo_fill_preserve(cr);
        strokeInk(cr, 1.5);
        cairo_new_path(cr);
    }
    drawBrassRivet(cr, 50, 55, 4);
    cairo_arc(cr, 40, 42, 10, M_PI * 1.1, M_PI * 1.6);  // glass glare
    strokeRound(cr, palette::kWhite, 3, 0.6);
}

void brassKey(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 50);
    cairo_rotate(cr, -0.7);
    cairo_arc(cr, -26, 0, 16, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, -26, 0, 7, 2 * M_PI, 0);
    cairo_rectangle(cr, -12, -5, 52, 10);
    cairo_rectangle(cr, 24, 4, 8, 14);
    cairo_rectangle(cr, 34, 4, 6, 10);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    shadeWithInk(cr, 40, 44, 40, guiPalette::kBrass, 3.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void waterFlask(cairo_t* cr) {
    cairo_move_to(cr, 20, 18);
    cairo_curve_to(cr, 40, 30, 60, 30, 80, 18);
    strokeRound(cr, palette::kWoodDark, 4);
    cairo_arc(cr, 50, 58, 32, 0, 2 * M_PI);
    shadeWithInk(cr, 50, 58, 32, guiPalette::kKhaki, 4);
    cairo_arc(cr, 50, 58, 24, 0, 2 * M_PI);
    cairo_set_dash(cr, (const double[]){4, 4}, 2, 0);
    strokeRound(cr, darken(guiPalette::kKhaki, 0.5), 1.5);
    cairo_set_dash(cr, nullptr, 0, 0);
    roundedRectPath(cr, 43, 16, 14, 14, 3);
    shadeWithInk(cr, 50, 22, 10, kSteel, 3);
}

void medicalKit(cairo_t* cr) {
    cairo_arc(cr, 50, 30, 12, M_PI, 2 * M_PI);  // handle
    strokeRound(cr, palette::kInk, 5);
    roundedRectPath(cr, 14, 30, 72, 54, 8);
    shadeWithInk(cr, 50, 56, 44, palette::kWhite, 4);
    cairo_move_to(cr, 14, 44);  // the lid's seam
    cairo_line_to(cr, 86, 44);
    strokeRound(cr, palette::kSandShade, 2);
    cairo_rectangle(cr, 43, 40, 14, 36);
    cairo_rectangle(cr, 32, 51, 36, 14);
    setColor(cr, palette::kLeaf);
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

void hammer(cairo_t* cr) {
    cairo_move_to(cr, 20, 88);
    cairo_line_to(cr, 66, 34);
    strokeRound(cr, palette::kInk, 12);
    cairo_move_to(cr, 20, 88);
    cairo_line_to(cr, 66, 34);
    strokeRound(cr, palette::kWood, 8);
    cairo_save(cr);
    cairo_translate(cr, 66, 30);
    cairo_rotate(cr, 0.7);
    roundedRectPath(cr, -28, -10, 56, 20, 4);
    cairo_restore(cr);
    shadeWithInk(cr, 66, 30, 30, kSteel, 3.5);
}

void planks(cairo_t* cr) {
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 50, 34 + i * 18);
        cairo_rotate(cr, -0.18 + i * 0.12);
        roundedRectPath(cr, -42, -8, 84, 16, 3);
        cairo_restore(cr);
        shadeWithInk(cr, 50, 34 + i * 18, 44, mix(palette::kWood, palette::kSandShade, 0.2 * i), 3);
        drawBrassRivet(cr, 16, 34 + i * 18 + (i - 1) * 4, 2);
    }
}

void shovel(cairo_t* cr) {
    cairo_move_to(cr, 78, 10);
    cairo_line_to(cr, 44, 60);
    strokeRound(cr, palette::kInk, 10);
    cairo_move_to(cr, 78, 10);
    cairo_line_to(cr, 44, 60);
    strokeRound(cr, palette::kWood, 6);
    cairo_move_to(cr, 72, 6);
    cairo_line_to(cr, 88, 16);
    strokeRound(cr, palette::kInk, 8);
    cairo_move_to(cr, 40, 50);
    cairo_curve_to(cr, 60, 62, 56, 80, 30, 94);
    cairo_curve_to(cr, 16, 84, 16, 64, 40, 50);
    cairo_close_path(cr);
    shadeWithInk(cr, 36, 72, 24, kSteel, 3.5);
}

void seashell(cairo_t* cr) {
    cairo_move_to(cr, 50, 86);
    for (int i = 0; i <= 8; ++i) {
        const double a = M_PI * (1.05 + i * 0.9 / 8);
        cairo_line_to(cr, 50 + std::cos(a) * 42, 72 + std::sin(a) * 52);
    }
    cairo_close_path(cr);
    shadeWithInk(cr, 50, 50, 44, mix(palette::kCoral, palette::kParchment, 0.55), 4);
    for (int i = 1; i < 8; ++i) {  // ribs
        const double a = M_PI * (1.05 + i * 0.9 / 8);
        cairo_move_to(cr, 50, 84);
        cairo_line_to(cr, 50 + std::cos(a) * 38, 72 + std::sin(a) * 47);
    }
    strokeRound(cr, darken(palette::kCoral, 0.3), 1.8, 0.7);
    roundedRectPath(cr, 40, 80, 20, 10, 4);
    shadeWithInk(cr, 50, 85, 10, mix(palette::kCoral, palette::kParchment, 0.4), 2.5);
}

void feather(cairo_t* cr) {
    cairo_move_to(cr, 18, 90);
    cairo_curve_to(cr, 30, 60, 60, 20, 88, 8);
    cairo_curve_to(cr, 84, 36, 60, 70, 28, 84);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(18, 90, 88, 8);
    cairo_pattern_add_color_stop_rgb(g, 0, palette::kLagoon.r, palette::kLagoon.g, palette::kLagoon.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, palette::kGold.r, palette::kGold.g, palette::kGold.b);
    cairo_pattern_add_color_stop_rgb(g, 1, guiPalette::kParrotRed.r, guiPalette::kParrotRed.g, guiPalette::kParrotRed.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, 12, 96);
    cairo_curve_to(cr, 32, 66, 60, 30, 86, 10);
    strokeRound(cr, guiPalette::kCream, 2.5);
}

void starfish(cairo_t* cr) {
    for (int i = 0; i <= 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double r = (i % 2 == 0) ? 44 : 18;
        const double x = 50 + std::cos(a) * r;
        const double y = 54 + std::sin(a) * r;
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    shadeWithInk(cr, 50, 54, 44, palette::kSunset, 4);
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        for (double r : {12.0, 22.0, 31.0}) {
            cairo_arc(cr, 50 + std::cos(a) * r, 54 + std::sin(a) * r, 2.2, 0, 2 * M_PI);
            setColor(cr, guiPalette::kCream, 0.85);
            cairo_fill(cr);
        }
    }
}

void oldCoin(cairo_t* cr) {
    cairo_arc(cr, 50, 52, 38, 0, 2 * M_PI);
    shadeWithInk(cr, 50, 52, 38, palette::kGold, 4);
    cairo_arc(cr, 50, 52, 30, 0, 2 * M_PI);
    strokeRound(cr, darken(palette::kGold, 0.35), 2);
    cairo_move_to(cr, 50, 32);
    cairo_line_to(cr, 50, 72);
    cairo_move_to(cr, 34, 50);
    cairo_line_to(cr, 66, 50);
    strokeRound(cr, darken(palette::kGold, 0.4), 5);
    cairo_arc(cr, 38, 40, 9, M_PI * 1.1, M_PI * 1.6);
    strokeRound(cr, palette::kWhite, 2.5, 0.6);
}

void bottle(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 50, 52);
    cairo_rotate(cr, -0.6);
    roundedRectPath(cr, -34, -16, 52, 32, 12);
    cairo_move_to(cr, 16, -8);
    cairo_line_to(cr, 34, -6);
    cairo_line_to(cr, 34, 6);
    cairo_line_to(cr, 16, 8);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillRoundShading(cr, 44, 56, 40, mix(palette::kLeaf, palette::kLagoon, 0.4));
    strokeInk(cr, 3.5);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 50, 52);
    cairo_rotate(cr, -0.6);
    roundedRectPath(cr, -26, -8, 30, 16, 6);  // the rolled message inside
    setColor(cr, palette::kParchment, 0.85);
    cairo_fill(cr);
    roundedRectPath(cr, 33, -6, 10, 12, 2);
    cairo_restore(cr);
    shadeWithInk(cr, 82, 30, 8, palette::kWood, 2.5);
}

void spyglass(cairo_t* cr) {
    const double widths[] = {20, 16, 12};
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 30 + i * 20, 70 - i * 20);
        cairo_rotate(cr, -M_PI / 4);
        roundedRectPath(cr, -16, -widths[i] / 2, 32, widths[i], 3);
        cairo_restore(cr);
        shadeWithInk(cr, 30 + i * 20, 70 - i * 20, 22, i == 0 ? palette::kWoodDark : guiPalette::kBrass, 3);
    }
    cairo_arc(cr, 20, 80, 11, 0, 2 * M_PI);
    shadeWithInk(cr, 20, 80, 11, guiPalette::kBrass, 3);
    cairo_arc(cr, 20, 80, 6, 0, 2 * M_PI);
    setColor(cr, palette::kSky);
    cairo_fill(cr);
}

using Painter = void (*)(cairo_t*);

struct Item {
    const char* id;  // lower case; the game upper-cases it
    Painter paint;
};

constexpr Item kItems[] = {
    {"rope", rope},       {"machete", machete},     {"lantern", lantern},     {"compass", compass},
    {"brass_key", brassKey}, {"water_flask", waterFlask}, {"medical_kit", medicalKit}, {"hammer", hammer},
    {"planks", planks},   {"shovel", shovel},       {"seashell", seashell},   {"feather", feather},
    {"starfish", starfish}, {"old_coin", oldCoin},  {"bottle", bottle},       {"spyglass", spyglass},
};

RgbaImage itemPicture(Painter paint) {
    Canvas canvas(kItemSize, kItemSize);
    cairo_scale(canvas.cr(), kItemSize / 104.0, kItemSize / 104.0);
    cairo_translate(canvas.cr(), 2, 0);
    paint(canvas.cr());
    return withDropShadow(canvas.toImage(), 2, 3, 2, 0.45);
}

// Descriptions are written in white across the middle of this plate.
RgbaImage tooltipPlate() {
    PlankSpec plate;
    plate.width = 300;
    plate.height = 44;
    plate.x = 2;
    plate.y = 2;
    plate.w = 294;
    plate.h = 38;
    plate.radius = 12;
    plate.color = palette::kWoodDark;
    plate.seed = 95;
    plate.shadow = 0.4;
    Canvas canvas(300, 44);
    canvas.drawImage(woodPlank(plate), 0, 0);
    drawBrassRivet(canvas.cr(), 14, 21, 3.5);
    drawBrassRivet(canvas.cr(), 284, 21, 3.5);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(gui_inventory) {
    std::vector<RgbaImage> pictures;
    std::vector<SheetEntry> entries;
    pictures.reserve(std::size(kItems) + 1);
    for (const Item& item : kItems) {
        pictures.push_back(itemPicture(item.paint));
        forge.writePng(std::string("inventory/") + item.id + ".png", pictures.back());
        entries.push_back({item.id, &pictures.back()});
    }
    pictures.push_back(tooltipPlate());
    forge.writePng("inventory/tooltip.png", pictures.back());
    entries.push_back({"tooltip", &pictures.back()});
    forge.copyContent("inventory/items.ini", "inventory/items.ini");
    forge.addContactSheet("gui_inventory", contactSheet(entries, 6, 160));
}
