// The pictures of the level-end screen ("states/playing/winlose/"), the skeletal animations
// "levelwin" and "loselevel" that move them (hand-written in content/animations, copied into
// "Spine/"), and previews of both animations posed at a few moments.
//
// The game's "WinLose" bundle must hold every picture of that folder (the skeletons find them by
// short name): win_panel, win_title, blue, bonus, timeleft, total, lose_panel, lose_title,
// hourglass, coconut, parrot_body, parrot_head, parrot_head_cheer, parrot_head_sad,
// parrot_wing_front, parrot_wing_back, parrot_tail, confetti_red, confetti_gold, confetti_blue,
// confetti_green and star. Both animations are drawn with their root at (800, 370): the win
// panel spans x 520..1080 and y 180..570, the lose panel x 540..1060 and y 235..495, so the
// play screen's buttons belong below y 580.
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "tools/forge/anim/parrot.h"
#include "tools/forge/anim/spine_pack.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr const char* kFolder = "img/states/playing/winlose/";
constexpr const char* kAnimations[] = {"levelwin", "loselevel"};
const Rgb kInkText{0.22, 0.13, 0.07};

// The win panel sits with its top at y 180 of the screen: the level-end counters (their digits
// 40 high at y 313, 371, 429 and 487) fall into the four slots on its right half, the slots
// ending at x 1050 of the screen.
constexpr int kWinPanelWidth = 560;
constexpr int kWinPanelHeight = 390;
constexpr double kWinPanelTop = 180;
constexpr double kCounterRows[] = {313, 371, 429, 487};

RgbaImage winPanel() {
    Canvas canvas(kWinPanelWidth, kWinPanelHeight);
    canvas.drawImage(parchmentSheet(kWinPanelWidth, kWinPanelHeight, 6, 71), 0, 0);
    cairo_t* cr = canvas.cr();
    for (double row : kCounterRows) {
        drawRecess(cr, 306, row - kWinPanelTop - 5, 224, 50, 10, mix(palette::kSandShade, palette::kWood, 0.5));
    }
    cairo_move_to(cr, 40, kCounterRows[3] - kWinPanelTop - 12);  // the rule above the total
    cairo_line_to(cr, kWinPanelWidth - 40, kCounterRows[3] - kWinPanelTop - 12);
    setColor(cr, palette::kWoodDark, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x : {20.0, kWinPanelWidth - 20.0}) {
        drawBrassRivet(cr, x, 20, 6);
        drawBrassRivet(cr, x, kWinPanelHeight - 20, 6);
    }
    return withDropShadow(canvas.toImage(), 4, 6, 5, 0.45);
}

void ribbonTail(cairo_t* cr, double x, double dir, double top, Rgb color) {
    cairo_move_to(cr, x, top + 14);
    cairo_line_to(cr, x + dir * 56, top + 14);
    cairo_line_to(cr, x + dir * 40, top + 38);
    cairo_line_to(cr, x + dir * 56, top + 62);
    cairo_line_to(cr, x, top + 62);
    cairo_close_path(cr);
    fillVerticalGradient(cr, top + 14, top + 62, darken(color, 0.25), darken(color, 0.45));
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

// A banner ribbon with a lettered title, as wide as the text needs.
RgbaImage titleRibbon(const std::string& text, Rgb color, int width) {
    constexpr int kHeight = 100;
    Canvas canvas(width, kHeight);
    cairo_t* cr = canvas.cr();
    ribbonTail(cr, 58, -1, 22, color);
    ribbonTail(cr, width - 58, 1, 22, color);
    cairo_move_to(cr, 50, 14);
    cairo_curve_to(cr, width * 0.35, 4, width * 0.65, 4, width - 50, 14);
    cairo_line_to(cr, width - 50, 72);
    cairo_curve_to(cr, width * 0.65, 62, width * 0.35, 62, 50, 72);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 6, 72, lighten(color, 0.2), darken(color, 0.15));
    strokeInk(cr, 3);
    rimLight(cr, width * 0.4, 30, width * 0.4, 0.4);
    cairo_new_path(cr);
    HeadingStyle style;
    style.size = 44;
    style.shadow = 0;
    drawHeadingLine(cr, text, width / 2.0, 55, style);
    return withDropShadow(canvas.toImage(), 3, 5, 4, 0.45);
}

void labelIcon(cairo_t* cr, int kind) {
    const double cx = 18;
    const double cy = 23;
    cairo_new_path(cr);
    if (kind == 0) {  // a cleared blue square
        roundedRectPath(cr, cx - 13, cy - 13, 26, 26, 5);
        fillRoundShading(cr, cx, cy, 16, palette::kLagoon);
    } else if (kind == 1) {  // a bonus star
        for (int i = 0; i <= 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double r = (i % 2 == 0) ? 15 : 6.5;
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
        fillRoundShading(cr, cx, cy, 15, palette::kGold);
    } else if (kind == 2) {  // time: a little clock
        cairo_arc(cr, cx, cy, 14, 0, 2 * M_PI);
        fillRoundShading(cr, cx, cy, 14, guiPalette::kCream);
        strokeInk(cr, 2.5);
        cairo_new_path(cr);
        cairo_move_to(cr, cx, cy - 9);
        cairo_line_to(cr, cx, cy);
        cairo_line_to(cr, cx + 7, cy + 3);
    } else {  // the total: a stack of coins
        for (int i = 0; i < 3; ++i) {
            cairo_new_sub_path(cr);
            cairo_save(cr);
            cairo_translate(cr, cx, cy + 8 - i * 7);
            cairo_scale(cr, 14, 6);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
        }
        fillRoundShading(cr, cx, cy, 16, palette::kGold);
    }
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
}

RgbaImage rowLabel(const std::string& text, int kind) {
    Canvas canvas(250, 46);
    labelIcon(canvas.cr(), kind);
    selectFace(canvas.cr(), Face::Heading, 26);
    cairo_move_to(canvas.cr(), 44, 32);
    setColor(canvas.cr(), kInkText);
    cairo_show_text(canvas.cr(), text.c_str());
    return canvas.toImage();
}

RgbaImage losePanel() {
    constexpr int kWidth = 520;
    constexpr int kHeight = 260;
    Canvas canvas(kWidth, kHeight);
    canvas.drawImage(parchmentSheet(kWidth, kHeight, 6, 72), 0, 0);
    cairo_t* cr = canvas.cr();
    drawCentredText(cr, "So close!", 270, 128, Face::Heading, 40, kInkText);
    drawCentredText(cr, "Try again, explorer.", 270, 172, Face::Italic, 26, kInkText);
    for (double x : {20.0, kWidth - 20.0}) {
        drawBrassRivet(cr, x, 20, 6);
        drawBrassRivet(cr, x, kHeight - 20, 6);
    }
    return withDropShadow(canvas.toImage(), 4, 6, 5, 0.45);
}

void glassPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 16);
    cairo_curve_to(cr, 20, 50, 40, 58, 42, 65);
    cairo_curve_to(cr, 40, 72, 20, 80, 22, 114);
    cairo_line_to(cr, 68, 114);
    cairo_curve_to(cr, 70, 80, 50, 72, 48, 65);
    cairo_curve_to(cr, 50, 58, 70, 50, 68, 16);
    cairo_close_path(cr);
}

RgbaImage hourglass() {
    Canvas canvas(90, 130);
    cairo_t* cr = canvas.cr();
    glassPath(cr);
    setColor(cr, lighten(palette::kSky, 0.6), 0.55);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 118);  // all the sand has run down into a heap
    cairo_line_to(cr, 0, 100);
    cairo_curve_to(cr, 30, 96, 40, 84, 45, 84);
    cairo_curve_to(cr, 50, 84, 60, 96, 90, 100);
    cairo_line_to(cr, 90, 118);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 84, 118, palette::kSand, palette::kSandShade);
    cairo_restore(cr);
    glassPath(cr);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, 28, 24);  // glare on the glass
    cairo_curve_to(cr, 27, 40, 32, 48, 36, 54);
    setColor(cr, palette::kWhite, 0.6);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (double y : {6.0, 112.0}) {
        roundedRectPath(cr, 10, y, 70, 12, 4);
        fillVerticalGradient(cr, y, y + 12, lighten(palette::kWood, 0.3), palette::kWoodDark);
        strokeInk(cr, 2.5);
        cairo_new_path(cr);
    }
    for (double x : {16.0, 74.0}) {
        cairo_rectangle(cr, x - 3, 16, 6, 98);
        fillVerticalGradient(cr, 16, 114, palette::kWood, palette::kWoodDark);
        strokeInk(cr, 2);
        cairo_new_path(cr);
    }
    return withDropShadow(canvas.toImage(), 2, 4, 3, 0.4);
}

RgbaImage coconut() {
    Canvas canvas(56, 56);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 28, 28, 24, 0, 2 * M_PI);
    fillRoundShading(cr, 28, 28, 24, palette::kWoodDark);
    strokeInk(cr, 2.5);
    cairo_new_path(cr);
    for (int i = 0; i < 3; ++i) {  // the three eyes
        cairo_arc(cr, 20 + i * 8, 20 + (i % 2) * 6, 2.6, 0, 2 * M_PI);
        setColor(cr, palette::kInk, 0.8);
        cairo_fill(cr);
    }
    for (int i = 0; i < 6; ++i) {  // hairy fibres
        cairo_move_to(cr, 10 + i * 6, 40 + (i % 3));
        cairo_line_to(cr, 14 + i * 6, 34 + (i % 2) * 3);
    }
    setColor(cr, palette::kWood, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    return canvas.toImage();
}

RgbaImage confetti(Rgb color) {
    Canvas canvas(24, 16);
    roundedRectPath(canvas.cr(), 2, 2, 20, 12, 3);
    fillVerticalGradient(canvas.cr(), 2, 14, lighten(color, 0.3), color);
    strokeInk(canvas.cr(), 1.2);
    return canvas.toImage();
}

RgbaImage star() {
    Canvas canvas(40, 40);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 20, 20, 18, 0, 2 * M_PI);
    cairo_pattern_t* glow = cairo_pattern_create_radial(20, 20, 2, 20, 20, 18);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.9, 0.4, 0);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    for (int i = 0; i <= 8; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 4;
        const double r = (i % 2 == 0) ? 15 : 5;
        cairo_line_to(cr, 20 + std::cos(a) * r, 20 + std::sin(a) * r);
    }
    fillVerticalGradient(cr, 5, 35, palette::kWhite, palette::kGold);
    strokeInk(cr, 1.5);
    return canvas.toImage();
}

std::map<std::string, RgbaImage> bundlePictures() {
    std::map<std::string, RgbaImage> pictures;
    pictures["win_panel"] = winPanel();
    pictures["win_title"] = titleRibbon("Level Complete!", palette::kLeaf, 440);
    pictures["blue"] = rowLabel("Squares Cleared", 0);
    pictures["bonus"] = rowLabel("Bonus", 1);
    pictures["timeleft"] = rowLabel("Time Bonus", 2);
    pictures["total"] = rowLabel("Total", 3);
    pictures["lose_panel"] = losePanel();
    pictures["lose_title"] = titleRibbon("Out of Time!", mix(palette::kDeepSea, palette::kSky, 0.3), 400);
    pictures["hourglass"] = hourglass();
    pictures["coconut"] = coconut();
    pictures["parrot_body"] = parrotBody();
    pictures["parrot_head"] = parrotHead(ParrotHead::Smile);
    pictures["parrot_head_cheer"] = parrotHead(ParrotHead::Cheer);
    pictures["parrot_head_sad"] = parrotHead(ParrotHead::Sad);
    pictures["parrot_wing_front"] = parrotWing(true);
    pictures["parrot_wing_back"] = parrotWing(false);
    pictures["parrot_tail"] = parrotTail();
    pictures["confetti_red"] = confetti(guiPalette::kParrotRed);
    pictures["confetti_gold"] = confetti(palette::kGold);
    pictures["confetti_blue"] = confetti(palette::kLagoon);
    pictures["confetti_green"] = confetti(palette::kLeaf);
    pictures["star"] = star();
    return pictures;
}

}  // namespace

FORGE_STEP(anim_winlose) {
    if (!fontsPresent(forge)) return;
    const std::map<std::string, RgbaImage> pictures = bundlePictures();
    std::vector<SheetEntry> entries;
    for (const auto& [name, image] : pictures) {
        forge.writePng(kFolder + name + ".png", image);
        entries.push_back({name, &image});
    }
    forge.addContactSheet("anim_winlose_pictures", contactSheet(entries, 6, 260));
    // Film strips of each animation at moments of its length, the root where the play screen puts it.
    PreviewLayout layout;
    layout.rootY = 370;
    layout.scale = 0.5;
    layout.columns = 3;
    for (const char* name : kAnimations) {
        SpinePreview preview;
        if (!packAnimation(forge, name, pictures, "win/lose", preview)) continue;
        addPreviewSheet(forge, std::string("anim_") + name, name, preview, pictures,
                        {0.2, 0.5, 1.0, 1.5, 2.0, preview.duration()}, layout);
    }
}
