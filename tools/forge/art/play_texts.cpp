// Play-screen pictures with words on them (English; a language can replace them through its
// picture overrides), under img/states/playing/:
//   start_text.png 560 x 140      "Let's Go!", popped up over the board when play begins
//   complete_text.png 720 x 140   "Level Complete!"
//   btn_ok.png 150 x 66           a green OK button
//   pause_card.png 560 x 340      the parchment card shown over the dimmed screen while the game
//                                 window is in the background
//   tree_pup.png 300 x 220        a palm crown with coconuts that can pop up at the board's corner
//   edit_notifier.png 380 x 56    the level editor's "EDIT MODE" banner, meant for (1198, 24)
//   edit_inst.png 380 x 560       the editor's key list, meant for (1198, 84)
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/lettering.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/sheet.h"

namespace {

RgbaImage banner(int width, int height, const std::string& text, double size, Rgb top, Rgb bottom) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, width / 2.0, height / 2.0, height * 0.9, {1, 0.97, 0.8}, palette::kGold, 0.35);
    LetteringStyle style;
    style.size = size;
    style.top = top;
    style.bottom = bottom;
    style.outline = 5;
    style.shadow = 4;
    style.rim = 0.7;
    paintLettering(cr, style, text, width / 2.0, height / 2.0);
    return canvas.toImage();
}

RgbaImage okButton() {
    Canvas canvas(150, 66);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 5, 5, 138, 54, 24);
    fillVerticalGradient(cr, 5, 59, lighten(palette::kLeaf, 0.35), darken(palette::kLeaf, 0.25));
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, 14, 9, 120, 18, 9);
    setColor(cr, palette::kWhite, 0.25);
    cairo_fill(cr);
    LetteringStyle style;
    style.size = 34;
    style.top = palette::kWhite;
    style.bottom = {0.9, 1.0, 0.85};
    style.outline = 3;
    style.shadow = 2;
    style.rim = 0;
    paintLettering(cr, style, "OK", 74, 32);
    return withDropShadow(canvas.toImage(), 1, 3, 2, 0.4);
}

// A sheet of parchment with curled-over ends, the card of pauses and notes.
void parchment(cairo_t* cr, double x, double y, double w, double h) {
    roundedRectPath(cr, x, y, w, h, 14);
    fillVerticalGradient(cr, y, y + h, lighten(palette::kParchment, 0.3), palette::kParchment);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* burn = cairo_pattern_create_radial(x + w / 2, y + h / 2, std::min(w, h) * 0.35, x + w / 2,
                                                        y + h / 2, std::max(w, h) * 0.62);
    cairo_pattern_add_color_stop_rgba(burn, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(burn, 1, 0.6, 0.42, 0.2, 0.5);
    cairo_set_source(cr, burn);
    cairo_paint(cr);
    cairo_pattern_destroy(burn);
    cairo_restore(cr);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    for (double ry : {y, y + h}) {
        roundedRectPath(cr, x - 12, ry - 11, w + 24, 22, 11);
        fillVerticalGradient(cr, ry - 11, ry + 11, palette::kParchment, palette::kSandShade);
        strokeInk(cr, 3);
        cairo_new_path(cr);
    }
}

RgbaImage pauseCard() {
    Canvas canvas(560, 340);
    cairo_t* cr = canvas.cr();
    parchment(cr, 30, 30, 500, 280);
    // A compass rose watermark behind the word.
    cairo_save(cr);
    cairo_translate(cr, 280, 170);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        const double r = k % 2 ? 55 : 105;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 16 * std::cos(a - 0.4), 16 * std::sin(a - 0.4));
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
        cairo_line_to(cr, 16 * std::cos(a + 0.4), 16 * std::sin(a + 0.4));
        cairo_close_path(cr);
    }
    setColor(cr, palette::kSandShade, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    LetteringStyle style;
    style.size = 92;
    style.top = palette::kSunset;
    style.bottom = darken(palette::kCoral, 0.25);
    style.outline = 5;
    style.shadow = 4;
    paintLettering(cr, style, "Paused", 280, 160);
    LetteringStyle small;
    small.size = 26;
    small.top = small.bottom = palette::kWoodDark;
    small.outline = 0;
    small.shadow = 0;
    small.rim = 0;
    paintLettering(cr, small, "the island waits for you", 280, 250);
    return withDropShadow(canvas.toImage(), 4, 7, 6, 0.5);
}

RgbaImage treePup() {
    Canvas canvas(300, 220);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, 150, 95);
    const double angles[] = {-2.9, -2.4, -1.9, -1.2, -0.6, -0.15, 0.3};
    for (size_t k = 0; k < std::size(angles); ++k) {
        const double a = angles[k];
        paintFrond(cr, a, 135 - std::abs(a + 1.4) * 18, 40);
    }
    for (const auto& [x, y] : {std::pair{-14.0, 16.0}, std::pair{10.0, 20.0}, std::pair{-2.0, 30.0}}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 13, 0, 2 * M_PI);
        fillRoundShading(cr, x, y, 13, {0.5, 0.33, 0.16});
        strokeInk(cr, 2);
    }
    paintFrond(cr, 2.4, 110, 30);
    paintFrond(cr, 0.9, 100, 35);
    return withDropShadow(canvas.toImage(), 3, 5, 4, 0.4);
}

RgbaImage editNotifier() {
    Canvas canvas(380, 56);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 3, 3, 374, 50, 12);
    fillVerticalGradient(cr, 3, 53, palette::kCoral, darken(palette::kCoral, 0.3));
    strokeInk(cr, 3);
    LetteringStyle style;
    style.fontFile = lettering::kNumberFont;
    style.size = 30;
    style.top = palette::kWhite;
    style.bottom = palette::kParchment;
    style.outline = 2;
    style.shadow = 2;
    style.rim = 0;
    paintLettering(cr, style, "EDIT MODE", 190, 28);
    return canvas.toImage();
}

RgbaImage editInstructions() {
    static const char* const kLines[] = {
        "1        field square",        "2        blue square",
        "Bksp     remove square",       "Z  X  C  lock: one, two, none",
        "Q..Y     preset piece",        "?        random fill",
        ".        starts empty",        "D        entry",
        "B  N     border: set, clear",  "V  M     border: pick, auto",
        "<  >     border number",       "S        save",
        "Esc      test play",
    };
    Canvas canvas(380, 560);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 3, 3, 374, 554, 14);
    setColor(cr, palette::kInk, 0.78);
    cairo_fill_preserve(cr);
    setColor(cr, palette::kParchment, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    LetteringStyle style;
    style.fontFile = lettering::kMonoFont;
    style.size = 19;
    style.top = style.bottom = palette::kParchment;
    style.outline = 0;
    style.shadow = 0;
    style.rim = 0;
    for (size_t k = 0; k < std::size(kLines); ++k) {
        const std::string line = kLines[k];
        const double width = letteringWidth(cr, style.fontFile, style.size, line);
        paintLettering(cr, style, line, 24 + width / 2, 34 + 40.0 * k);
    }
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(play_texts) {
    for (const char* font : {lettering::kDisplayFont, lettering::kNumberFont, lettering::kMonoFont}) {
        if (!fontAvailable(font)) forge.fail(std::string("missing font ") + font);
    }
    std::vector<RgbaImage> previews;
    const auto write = [&](const std::string& name, const RgbaImage& image) {
        forge.writePng("img/states/playing/" + name + ".png", image);
        previews.push_back(previewOver(image, {0.3, 0.5, 0.48}));
    };
    write("start_text", banner(560, 140, "Let's Go!", 96, {1.0, 0.98, 0.75}, palette::kSunset));
    write("complete_text", banner(720, 140, "Level Complete!", 84, {1.0, 0.98, 0.75}, palette::kGold));
    write("btn_ok", okButton());
    write("pause_card", pauseCard());
    write("tree_pup", treePup());
    write("edit_notifier", editNotifier());
    write("edit_inst", editInstructions());
    forge.addContactSheet("play_texts", previewRow(previews, 1600));
}
