// The level editor's page, under img/states/leveledit/:
//   back.png 1600 x 900           a navigator's chart of the lagoon, its grid faint under the
//                                 twelve thumbnails, and a plank shelf below y = 720 for the buttons
//   thumbnail_back.png 1200 x 240 three frames of 400 x 240 side by side: a thumbnail's tray plain,
//                                 ringed in lagoon blue (the second selection) and in gold (the
//                                 first); the miniature field lies at (24, 14) .. (376, 225)
//   btnEdit.png 230 x 192         three frames of 230 x 64 one above the other: a parchment tag
//                                 normal, pressed and lit by the pointer; the game writes the label
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/lettering.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kShelfTop = 720;
constexpr int kChartGrid = 40;
constexpr int kTrayWidth = 400;
constexpr int kTrayHeight = 240;
constexpr int kButtonWidth = 230;
constexpr int kButtonHeight = 64;

void paintChart(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kWidth, kShelfTop);
    fillVerticalGradient(cr, 0, kShelfTop, mix(palette::kDeepSea, palette::kLagoon, 0.35), palette::kDeepSea);
    cairo_new_path(cr);
    for (int x = 0; x <= kWidth; x += kChartGrid) {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, kShelfTop);
    }
    for (int y = 0; y <= kShelfTop; y += kChartGrid) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, kWidth, y + 0.5);
    }
    setColor(cr, palette::kSky, 0.12);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // A compass rose in the lower right corner of the chart, where no thumbnail covers it fully.
    cairo_save(cr);
    cairo_translate(cr, 1460, 600);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4;
        const double r = k % 2 ? 50 : 95;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 14 * std::cos(a - 0.4), 14 * std::sin(a - 0.4));
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
        cairo_line_to(cr, 14 * std::cos(a + 0.4), 14 * std::sin(a + 0.4));
        cairo_close_path(cr);
    }
    setColor(cr, palette::kSky, 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paintShelf(cairo_t* cr) {
    constexpr int kPlanks = 3;
    const double plankHeight = static_cast<double>(kHeight - kShelfTop) / kPlanks;
    for (int k = 0; k < kPlanks; ++k) {
        const double top = kShelfTop + k * plankHeight;
        cairo_rectangle(cr, 0, top, kWidth, plankHeight);
        const Rgb base = k % 2 ? darken(palette::kWood, 0.08) : palette::kWood;
        fillVerticalGradient(cr, top, top + plankHeight, lighten(base, 0.12), darken(base, 0.15));
        cairo_new_path(cr);
        cairo_move_to(cr, 0, top + 0.5);
        cairo_line_to(cr, kWidth, top + 0.5);
        strokeRound(cr, palette::kInk, 2, 0.6);
        // Wood grain: long soft streaks.
        for (int s = 0; s < 5; ++s) {
            const double y = top + plankHeight * (0.2 + 0.15 * s);
            cairo_move_to(cr, 0, y);
            for (int x = 0; x <= kWidth; x += 80) cairo_line_to(cr, x, y + 2.5 * std::sin(x * 0.011 + s + k));
            strokeRound(cr, palette::kWoodDark, 1.2, 0.25);
        }
    }
    LetteringStyle title;
    title.size = 44;
    title.top = palette::kParchment;
    title.bottom = palette::kSand;
    title.outline = 4;
    title.shadow = 3;
    paintLettering(cr, title, "Level Editor", 1340, 856);
}

RgbaImage editorBack() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    paintChart(cr);
    paintShelf(cr);
    return canvas.toImage();
}

// One tray: a dark pane for the miniature field, rimmed with rope; `ring` colours the selection.
RgbaImage tray(bool selected, Rgb ring) {
    Canvas canvas(kTrayWidth, kTrayHeight);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 8, 5, kTrayWidth - 16, kTrayHeight - 10, 14);
    setColor(cr, darken(palette::kDeepSea, 0.35), 0.72);
    cairo_fill_preserve(cr);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    roundedRectPath(cr, 11, 8, kTrayWidth - 22, kTrayHeight - 16, 12);
    setColor(cr, palette::kSand, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (selected) {
        for (int w = 12; w >= 4; w -= 4) {
            roundedRectPath(cr, 8, 5, kTrayWidth - 16, kTrayHeight - 10, 14);
            setColor(cr, ring, w == 4 ? 1.0 : 0.25);
            cairo_set_line_width(cr, w);
            cairo_stroke(cr);
        }
    }
    return canvas.toImage();
}

RgbaImage thumbnailTrays() {
    return assembleSheet({tray(false, palette::kWhite), tray(true, palette::kLagoon), tray(true, palette::kGold)}, 3, 1);
}

enum class ButtonState { Normal, Pressed, Hover };

RgbaImage editButton(ButtonState state) {
    Canvas canvas(kButtonWidth, kButtonHeight);
    cairo_t* cr = canvas.cr();
    const double drop = state == ButtonState::Pressed ? 2 : 0;
    roundedRectPath(cr, 5, 5 + drop, kButtonWidth - 10, kButtonHeight - 12, 12);
    const Rgb paper = state == ButtonState::Hover ? lighten(palette::kParchment, 0.4)
                      : state == ButtonState::Pressed ? darken(palette::kParchment, 0.12)
                                                      : palette::kParchment;
    fillVerticalGradient(cr, 5 + drop, kButtonHeight - 7 + drop, paper, palette::kSandShade);
    strokeInk(cr, 3);
    cairo_new_path(cr);
    if (state == ButtonState::Hover) {
        roundedRectPath(cr, 9, 9, kButtonWidth - 18, kButtonHeight - 20, 9);
        setColor(cr, palette::kGold, 0.9);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    if (state != ButtonState::Pressed) {
        roundedRectPath(cr, 16, 9, kButtonWidth - 32, 12, 6);
        setColor(cr, palette::kWhite, 0.3);
        cairo_fill(cr);
    }
    return withDropShadow(canvas.toImage(), 1, state == ButtonState::Pressed ? 1 : 3, 2, 0.4);
}

RgbaImage editButtons() {
    return assembleSheet({editButton(ButtonState::Normal), editButton(ButtonState::Pressed),
                          editButton(ButtonState::Hover)},
                         1, 3);
}

}  // namespace

FORGE_STEP(level_editor) {
    if (!fontAvailable(lettering::kDisplayFont)) forge.fail(std::string("missing font ") + lettering::kDisplayFont);
    const RgbaImage back = editorBack();
    const RgbaImage trays = thumbnailTrays();
    const RgbaImage buttons = editButtons();
    forge.writePng("img/states/leveledit/back.png", back);
    forge.writePng("img/states/leveledit/thumbnail_back.png", trays);
    forge.writePng("img/states/leveledit/btnedit.png", buttons);
    forge.addContactSheet("level_editor", previewRow({scaledCopy(back, 533, 300), previewOver(trays, palette::kDeepSea),
                                                      previewOver(buttons, palette::kWood)},
                                                     1600));
}
