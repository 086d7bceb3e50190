// The six reward pictures of the discovery rows, and the small marks drawn with them: the
// question mark, the tick and the cross.
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr int kIconSize = 48;
constexpr double kUnit = kIconSize / 100.0;  // icons are drawn on a 100 x 100 grid
constexpr int kMarkSize = 32;

void finishShape(cairo_t* cr, double cx, double cy, double radius, Rgb base) {
    fillRoundShading(cr, cx, cy, radius, base);
    strokeInk(cr, 4);
    rimLight(cr, cx, cy, radius, 0.45);
    cairo_new_path(cr);
}

void bucket(cairo_t* cr) {
    cairo_move_to(cr, 22, 38);
    cairo_line_to(cr, 78, 38);
    cairo_line_to(cr, 70, 92);
    cairo_line_to(cr, 30, 92);
    cairo_close_path(cr);
    finishShape(cr, 50, 62, 40, palette::kWood);
    for (double x : {36.0, 50.0, 64.0}) {  // staves
        cairo_move_to(cr, x, 40);
        cairo_line_to(cr, x + (50 - x) * 0.15, 90);
    }
    setColor(cr, palette::kWoodDark, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double y : {50.0, 80.0}) {  // iron hoops
        const double inset = (y - 38) * 8 / 54;
        cairo_rectangle(cr, 22 + inset, y - 3, 56 - inset * 2, 6);
        fillVerticalGradient(cr, y - 3, y + 3, palette::kSky, darken(palette::kDeepSea, 0.4));
        strokeInk(cr, 2);
        cairo_new_path(cr);
    }
    cairo_save(cr);
    cairo_scale(cr, 1, 0.35);
    cairo_arc(cr, 50, 38 / 0.35, 27, 0, 2 * M_PI);
    cairo_restore(cr);
    fillVerticalGradient(cr, 30, 46, lighten(palette::kLagoon, 0.4), palette::kDeepSea);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cairo_arc(cr, 50, 38, 30, M_PI * 1.05, M_PI * 1.95);  // the handle
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void medicalBadge(cairo_t* cr) {
    cairo_arc(cr, 50, 52, 42, 0, 2 * M_PI);
    finishShape(cr, 50, 52, 42, guiPalette::kBrass);
    cairo_arc(cr, 50, 52, 34, 0, 2 * M_PI);
    fillRoundShading(cr, 50, 52, 34, palette::kLeaf);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    cairo_rectangle(cr, 41, 30, 18, 44);
    cairo_rectangle(cr, 28, 43, 44, 18);
    setColor(cr, palette::kWhite);
    cairo_fill(cr);
    cairo_rectangle(cr, 41, 30, 18, 44);
    cairo_rectangle(cr, 28, 43, 44, 18);
    strokeInk(cr, 2, 0.6);
    cairo_new_path(cr);
}

void hut(cairo_t* cr) {
    cairo_rectangle(cr, 24, 52, 52, 40);
    finishShape(cr, 50, 70, 34, palette::kSandShade);
    cairo_rectangle(cr, 43, 66, 15, 26);  // doorway
    setColor(cr, palette::kWoodDark);
    cairo_fill(cr);
    cairo_move_to(cr, 50, 8);
    cairo_line_to(cr, 94, 58);
    cairo_line_to(cr, 6, 58);
    cairo_close_path(cr);
    finishShape(cr, 50, 38, 46, mix(palette::kGold, palette::kWood, 0.45));
    for (int i = 0; i < 9; ++i) {  // thatch
        const double x = 14 + i * 9;
        cairo_move_to(cr, 50, 12);
        cairo_line_to(cr, x, 56);
    }
    setColor(cr, palette::kWoodDark, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void turtle(cairo_t* cr) {
    cairo_save(cr);
    cairo_scale(cr, 1, 0.32);
    cairo_arc(cr, 50, 86 / 0.32, 46, 0, 2 * M_PI);
    cairo_restore(cr);
    fillVerticalGradient(cr, 72, 100, palette::kSand, palette::kSandShade);  // the beach
    cairo_new_path(cr);
    for (double side : {-1.0, 1.0}) {  // flippers
        cairo_save(cr);
        cairo_translate(cr, 50 + side * 28, 72);
        cairo_scale(cr, 1.4, 0.6);
        cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
        cairo_restore(cr);
        finishShape(cr, 50 + side * 28, 72, 12, palette::kLeaf);
    }
    cairo_arc(cr, 86, 56, 10, 0, 2 * M_PI);  // head
    finishShape(cr, 86, 56, 10, lighten(palette::kLeaf, 0.2));
    cairo_arc(cr, 89, 53, 2, 0, 2 * M_PI);
    setColor(cr, palette::kInk);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 48, 60);
    cairo_scale(cr, 1, 0.7);
    cairo_arc(cr, 0, 0, 32, M_PI, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    finishShape(cr, 48, 48, 32, palette::kJungle);
    for (double x : {36.0, 48.0, 60.0}) {  // shell plates
        cairo_arc(cr, x, 48, 5, 0, 2 * M_PI);
        setColor(cr, palette::kLeaf, 0.9);
        cairo_fill(cr);
    }
}

void cloudPuff(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

void windGod(cairo_t* cr) {
    cloudPuff(cr, 40, 50, 26);
    cloudPuff(cr, 22, 60, 16);
    cloudPuff(cr, 58, 36, 18);
    cloudPuff(cr, 56, 62, 20);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    finishShape(cr, 44, 48, 36, lighten(palette::kSky, 0.5));
    cairo_arc(cr, 52, 56, 8, 0, 2 * M_PI);  // a puffed cheek
    setColor(cr, palette::kCoral, 0.45);
    cairo_fill(cr);
    for (double x : {34.0, 48.0}) {  // closed, content eyes
        cairo_arc(cr, x, 44, 4, M_PI * 1.1, M_PI * 1.9);
        setColor(cr, palette::kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 62, 52, 4, 0, 2 * M_PI);  // pursed lips
    setColor(cr, palette::kCoral);
    cairo_fill_preserve(cr);
    strokeInk(cr, 2);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {  // the breath of wind
        const double y = 40 + i * 12;
        cairo_move_to(cr, 70, y);
        cairo_curve_to(cr, 82, y - 6, 90, y + 4, 96, y - 4);
    }
    setColor(cr, palette::kWhite);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kDeepSea, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void supplyCrate(cairo_t* cr) {
    cairo_rectangle(cr, 14, 26, 72, 64);
    finishShape(cr, 50, 58, 44, palette::kWood);
    for (double y : {42.0, 58.0, 74.0}) {  // boards
        cairo_move_to(cr, 16, y);
        cairo_line_to(cr, 84, y);
    }
    setColor(cr, palette::kWoodDark, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    drawRope(cr, 14, 58, 86, 58, 8, 6);
    drawRope(cr, 50, 26, 50, 90, 8, 6);
    cairo_rectangle(cr, 14, 26, 72, 64);
    strokeInk(cr, 4);
    cairo_new_path(cr);
    drawBrassRivet(cr, 50, 58, 6);
}

void questionMark(cairo_t* cr) {
    cairo_arc(cr, 50, 50, 42, 0, 2 * M_PI);
    finishShape(cr, 50, 50, 42, guiPalette::kBrass);
    cairo_arc(cr, 50, 50, 33, 0, 2 * M_PI);
    fillVerticalGradient(cr, 17, 83, guiPalette::kDialogFill, darken(palette::kWood, 0.1));
    strokeInk(cr, 2);
    cairo_new_path(cr);
    HeadingStyle style;
    style.size = 58;
    style.outlineWidth = 3;
    style.shadow = 0;
    drawHeadingLine(cr, "?", 50, 70, style);
}

using Painter = void (*)(cairo_t*);

struct Icon {
    const char* path;
    Painter paint;
};

constexpr Icon kIcons[] = {
    {"img/gui/reward_bucket.png", bucket},
    {"img/gui/reward_medical_symbol.png", medicalBadge},
    {"img/gui/reward_hut.png", hut},
    {"img/gui/reward_tortuga_beach.png", turtle},
    {"img/gui/reward_god_of_air.png", windGod},
    {"img/gui/reward_supply.png", supplyCrate},
    {"img/gui/questionmark.png", questionMark},
};

RgbaImage paintIcon(Painter paint) {
    Canvas canvas(kIconSize, kIconSize);
    cairo_scale(canvas.cr(), kUnit * 0.92, kUnit * 0.92);
    cairo_translate(canvas.cr(), 2, 2);
    paint(canvas.cr());
    return withDropShadow(canvas.toImage(), 1, 2, 1, 0.5);
}

void markStroke(cairo_t* cr, Rgb color) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    setColor(cr, color);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    setColor(cr, palette::kWhite, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

RgbaImage checkMark() {
    Canvas canvas(kMarkSize, kMarkSize);
    cairo_move_to(canvas.cr(), 6, 17);
    cairo_line_to(canvas.cr(), 13, 25);
    cairo_line_to(canvas.cr(), 26, 6);
    markStroke(canvas.cr(), lighten(palette::kLeaf, 0.15));
    return withDropShadow(canvas.toImage(), 1, 2, 1, 0.4);
}

RgbaImage crossMark() {
    Canvas canvas(kMarkSize, kMarkSize);
    cairo_move_to(canvas.cr(), 8, 7);
    cairo_line_to(canvas.cr(), 24, 24);
    cairo_move_to(canvas.cr(), 24, 7);
    cairo_line_to(canvas.cr(), 8, 24);
    markStroke(canvas.cr(), palette::kCoral);
    return withDropShadow(canvas.toImage(), 1, 2, 1, 0.4);
}

}  // namespace

FORGE_STEP(gui_rewards) {
    if (!fontsPresent(forge)) return;
    std::vector<RgbaImage> pictures;
    std::vector<std::string> names;
    for (const Icon& icon : kIcons) {
        pictures.push_back(paintIcon(icon.paint));
        names.push_back(icon.path);
    }
    pictures.push_back(checkMark());
    names.push_back("img/gui/checkmark.png");
    pictures.push_back(crossMark());
    names.push_back("img/gui/xmark.png");
    std::vector<SheetEntry> entries;
    for (size_t i = 0; i < pictures.size(); ++i) {
        forge.writePng(names[i], pictures[i]);
        entries.push_back({names[i].substr(8), &pictures[i]});
    }
    forge.addContactSheet("gui_rewards", contactSheet(entries, 5, 110, &guiPalette::kDialogFill));
}
