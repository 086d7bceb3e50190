// Lettered headings shown at the top of the dialogs (name entry, player choice, discoveries,
// the blocked path, the exit question) and the ribbon of the tip box.
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

struct Heading {
    const char* path;
    const char* text;
    double size;
};

// Dialog headings sit on the dark interior, so they are lit gold with a dark outline.
constexpr Heading kHeadings[] = {
    {"img/gui/enter_name_text.png", "Enter Your Name", 40},
    {"img/gui/choose_player_text.png", "Choose Player", 40},
    {"img/gui/delete_player_text.png", "Delete this Player?", 34},
    {"img/gui/jungle_text.png", "Blocked by Jungle", 38},
    {"img/gui/new_discovery_text.png", "New Discovery!", 44},
    {"img/gui/reward_text.png", "Your Reward", 44},
};

RgbaImage exitQuestion() {
    constexpr int kWidth = 400;
    constexpr int kHeight = 140;
    Canvas canvas(kWidth, kHeight);
    HeadingStyle big;
    big.size = 42;
    HeadingStyle small;
    small.size = 24;
    small.outlineWidth = 3;
    small.top = guiPalette::kCream;
    small.bottom = palette::kSand;
    small.shadow = 0;
    drawHeadingLine(canvas.cr(), "Leave the Island?", kWidth / 2.0, 58, big);
    drawHeadingLine(canvas.cr(), "Do you really want to quit?", kWidth / 2.0, 104, small);
    return withDropShadow(canvas.toImage(), 2, 3, 3, 0.55);
}

// A parchment ribbon whose folded tails hang behind both ends.
void ribbonTail(cairo_t* cr, double x, double dir) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, 20);
    cairo_line_to(cr, x + dir * 46, 20);
    cairo_line_to(cr, x + dir * 34, 38);
    cairo_line_to(cr, x + dir * 46, 56);
    cairo_line_to(cr, x, 56);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 20, 56, palette::kSandShade, darken(palette::kSandShade, 0.3));
    strokeInk(cr, 2);
    cairo_new_path(cr);
}

RgbaImage tipHeader() {
    constexpr int kWidth = 320;
    constexpr int kHeight = 66;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    ribbonTail(cr, 46, -1);
    ribbonTail(cr, kWidth - 46, 1);
    cairo_move_to(cr, 40, 8);
    cairo_curve_to(cr, 120, 2, 200, 2, kWidth - 40, 8);
    cairo_line_to(cr, kWidth - 40, 50);
    cairo_curve_to(cr, 200, 44, 120, 44, 40, 50);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 4, 50, guiPalette::kCream, palette::kSand);
    strokeInk(cr, 2.2);
    rimLight(cr, 120, 20, 90, 0.5);
    cairo_new_path(cr);
    drawCentredText(cr, "Explorer's Tip", kWidth / 2.0, 36, Face::Heading, 26, palette::kWoodDark);
    RgbaImage image = canvas.toImage();
    mottle(image, {18, 0.05, 77, 0, 0});
    return withDropShadow(image, 2, 3, 2, 0.5);
}

}  // namespace

FORGE_STEP(gui_text) {
    if (!fontsPresent(forge)) return;
    std::vector<RgbaImage> pictures;
    std::vector<std::string> names;
    for (const Heading& heading : kHeadings) {
        HeadingStyle style;
        style.size = heading.size;
        pictures.push_back(headingPicture({heading.text}, style));
        names.push_back(heading.path);
        forge.writePng(heading.path, pictures.back());
    }
    pictures.push_back(exitQuestion());
    names.push_back("img/gui/exit_text.png");
    forge.writePng(names.back(), pictures.back());
    pictures.push_back(tipHeader());
    names.push_back("img/gui/tip_dialog.png");
    forge.writePng(names.back(), pictures.back());

    std::vector<SheetEntry> entries;
    for (size_t i = 0; i < pictures.size(); ++i) entries.push_back({names[i].substr(8), &pictures[i]});
    forge.addContactSheet("gui_text", contactSheet(entries, 2, 440, &guiPalette::kDialogFill));
}
