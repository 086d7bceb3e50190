// The squares of the match-3 field, all 55 x 55 and drawn at the cell's top-left:
//   board_back.png .. board_back5.png  the five empty-square materials (lagoon glass, driftwood,
//                                      mossy stone, slate, bamboo mat), dark and muted so every
//                                      piece colour stands out on them
//   board_color1.png                   a square with a colour layer: bright sea-glass blue
//   board_highlight.png                the selected square, drawn additively
//   blue_flash.png                     8 x 8 sheet, 64 frames of 51 x 51 (408 x 408): a glint
//                                      crossing a blue square, drawn 2 px inside its tile
// All under img/states/playing/.
#include <cmath>
#include <string>
#include <vector>

#include "game/match3/play_layout.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kTile = play_layout::kCellSize;
constexpr double kTileAlpha = 0.92;  // a hint of the background shows through the field
constexpr int kFlashFrame = 51;
constexpr int kFlashFrames = 64;
constexpr int kFlashColumns = 8;
constexpr Rgb kBlueTop{0.36, 0.72, 0.98};
constexpr Rgb kBlueBottom{0.12, 0.42, 0.82};

void bevel(cairo_t* cr) {
    cairo_set_line_width(cr, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 0.75, kTile - 1);
    cairo_line_to(cr, 0.75, 0.75);
    cairo_line_to(cr, kTile - 1, 0.75);
    setColor(cr, palette::kWhite, 0.16);
    cairo_stroke(cr);
    cairo_move_to(cr, kTile - 0.75, 1);
    cairo_line_to(cr, kTile - 0.75, kTile - 0.75);
    cairo_line_to(cr, 1, kTile - 0.75);
    setColor(cr, palette::kInk, 0.45);
    cairo_stroke(cr);
    // A soft darkening towards the edges keeps each square reading as a shallow dip.
    cairo_pattern_t* dip = cairo_pattern_create_radial(kTile / 2.0, kTile / 2.0, 12, kTile / 2.0, kTile / 2.0, 40);
    cairo_pattern_add_color_stop_rgba(dip, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(dip, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0.22);
    cairo_set_source(cr, dip);
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    cairo_fill(cr);
    cairo_pattern_destroy(dip);
}

void strokeLine(cairo_t* cr, Rgb color, double alpha, double width) {
    setColor(cr, color, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void lagoonGlass(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    fillVerticalGradient(cr, 0, kTile, {0.12, 0.34, 0.38}, {0.07, 0.22, 0.27});
    cairo_new_path(cr);
    for (int k = 0; k < 4; ++k) {
        const double y0 = 8 + k * 13 + random.uniform(-2, 2);
        cairo_move_to(cr, 0, y0);
        for (int x = 0; x <= kTile; x += 5) cairo_line_to(cr, x, y0 + 2.5 * std::sin(x * 0.2 + k * 1.7));
        strokeLine(cr, {0.55, 0.9, 0.9}, 0.07, 1.6);
    }
}

void driftwood(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    fillVerticalGradient(cr, 0, kTile, {0.36, 0.25, 0.16}, {0.26, 0.17, 0.11});
    for (int k = 0; k < 11; ++k) {
        const double y0 = 3 + k * 5 + random.uniform(-1, 1);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, y0);
        for (int x = 0; x <= kTile; x += 5) cairo_line_to(cr, x, y0 + 1.2 * std::sin(x * 0.12 + k));
        strokeLine(cr, k % 2 ? palette::kInk : Rgb{0.6, 0.45, 0.3}, 0.16, 0.9);
    }
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 38, 18);
    cairo_scale(cr, 4, 2.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    strokeLine(cr, palette::kInk, 0.25, 1.0);
}

void blotches(cairo_t* cr, ForgeRandom& random, int count, Rgb light, Rgb dark, double alpha) {
    for (int k = 0; k < count; ++k) {
        cairo_new_path(cr);
        cairo_arc(cr, random.uniform(0, kTile), random.uniform(0, kTile), random.uniform(2, 7), 0, 2 * M_PI);
        setColor(cr, k % 2 ? light : dark, alpha);
        cairo_fill(cr);
    }
}

void mossyStone(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    fillVerticalGradient(cr, 0, kTile, {0.20, 0.31, 0.22}, {0.13, 0.22, 0.15});
    blotches(cr, random, 14, {0.35, 0.5, 0.3}, {0.08, 0.14, 0.1}, 0.16);
}

void slate(cairo_t* cr, ForgeRandom& random) {
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    fillVerticalGradient(cr, 0, kTile, {0.25, 0.28, 0.38}, {0.16, 0.18, 0.27});
    blotches(cr, random, 10, {0.45, 0.48, 0.6}, {0.1, 0.1, 0.16}, 0.1);
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 40);
    cairo_line_to(cr, 16, 33);
    cairo_line_to(cr, 22, 36);
    cairo_line_to(cr, 31, 27);
    strokeLine(cr, palette::kInk, 0.35, 0.9);
}

void bambooMat(cairo_t* cr, ForgeRandom&) {
    constexpr double kStrip = kTile / 4.0;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const bool across = (r + c) % 2 == 0;
            const double x = c * kStrip;
            const double y = r * kStrip;
            cairo_new_path(cr);
            cairo_rectangle(cr, x, y, kStrip, kStrip);
            const Rgb base = across ? Rgb{0.38, 0.30, 0.18} : Rgb{0.31, 0.24, 0.14};
            if (across) fillVerticalGradient(cr, y, y + kStrip, lighten(base, 0.08), darken(base, 0.2));
            else {
                cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + kStrip, 0);
                cairo_pattern_add_color_stop_rgb(g, 0, base.r * 1.1, base.g * 1.1, base.b * 1.1);
                cairo_pattern_add_color_stop_rgb(g, 1, base.r * 0.75, base.g * 0.75, base.b * 0.75);
                cairo_set_source(cr, g);
                cairo_fill_preserve(cr);
                cairo_pattern_destroy(g);
            }
            strokeLine(cr, palette::kInk, 0.3, 0.8);
        }
    }
}

using TilePainter = void (*)(cairo_t*, ForgeRandom&);
constexpr TilePainter kMaterials[] = {lagoonGlass, driftwood, mossyStone, slate, bambooMat};
constexpr const char* kTileNames[] = {"board_back", "board_back2", "board_back3", "board_back4", "board_back5"};

RgbaImage paintTile(TilePainter painter, uint32_t seed, double alpha) {
    Canvas canvas(kTile, kTile);
    cairo_t* cr = canvas.cr();
    cairo_push_group(cr);
    ForgeRandom random(seed);
    painter(cr, random);
    bevel(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    return canvas.toImage();
}

void blueSquare(cairo_t* cr, ForgeRandom&) {
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    fillVerticalGradient(cr, 0, kTile, kBlueTop, kBlueBottom);
    cairo_new_path(cr);
    roundedRectPath(cr, 4, 4, kTile - 8, kTile - 8, 7);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, 4, 0, kTile - 4);
    cairo_pattern_add_color_stop_rgba(glass, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(glass, 0.45, 1, 1, 1, 0.06);
    cairo_pattern_add_color_stop_rgba(glass, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    strokeLine(cr, palette::kWhite, 0.35, 1.2);
    // Ripples of light on the glass.
    for (int k = 0; k < 3; ++k) {
        cairo_new_path(cr);
        const double y0 = 16 + k * 12;
        cairo_move_to(cr, 9, y0);
        for (int x = 9; x <= kTile - 9; x += 4) cairo_line_to(cr, x, y0 + 2 * std::sin(x * 0.25 + k * 2));
        strokeLine(cr, palette::kWhite, 0.16, 1.4);
    }
}

RgbaImage flashFrame(int frame) {
    Canvas canvas(kFlashFrame, kFlashFrame);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 0.5, 0.5, kFlashFrame - 1, kFlashFrame - 1, 6);
    cairo_clip(cr);
    const double sweep = frame / 44.0;
    if (sweep <= 1) {
        const double d = -30 + 112 * sweep;
        const double strength = 0.85 * std::sin(M_PI * sweep);
        cairo_pattern_t* band = cairo_pattern_create_linear(d - 14, d - 14, d + 14, d + 14);
        cairo_pattern_add_color_stop_rgba(band, 0, 0.8, 0.95, 1, 0);
        cairo_pattern_add_color_stop_rgba(band, 0.5, 1, 1, 1, strength);
        cairo_pattern_add_color_stop_rgba(band, 1, 0.8, 0.95, 1, 0);
        cairo_set_source(cr, band);
        cairo_paint(cr);
        cairo_pattern_destroy(band);
        setColor(cr, {0.75, 0.92, 1.0}, 0.22 * std::sin(M_PI * sweep));
        cairo_paint(cr);
    }
    const double twinkle = (frame - 30) / 34.0;
    if (twinkle > 0 && twinkle < 1) {
        const double s = std::sin(M_PI * twinkle);
        paintSparkle(cr, 38, 12, 13 * s, s);
        paintSparkle(cr, 14, 36, 8 * s, 0.8 * s);
    }
    return canvas.toImage();
}

RgbaImage selectionHighlight() {
    Canvas canvas(kTile, kTile);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, 3, 3, kTile - 6, kTile - 6, 9);
    setColor(cr, {1.0, 0.85, 0.45}, 0.22);
    cairo_fill_preserve(cr);
    for (int k = 0; k < 4; ++k) {
        setColor(cr, {1.0, 0.8, 0.35}, 0.16);
        cairo_set_line_width(cr, 9 - 2 * k);
        cairo_stroke_preserve(cr);
    }
    setColor(cr, {1.0, 0.97, 0.85}, 0.9);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(board_tiles) {
    std::vector<RgbaImage> previews;
    for (size_t k = 0; k < std::size(kMaterials); ++k) {
        const RgbaImage tile = paintTile(kMaterials[k], 0x7113u + static_cast<uint32_t>(k) * 977u, kTileAlpha);
        forge.writePng(std::string("img/states/playing/") + kTileNames[k] + ".png", tile);
        previews.push_back(previewOver(tile, palette::kSand, 2));
    }
    const RgbaImage blue = paintTile(blueSquare, 0xb1e, 1.0);
    forge.writePng("img/states/playing/board_color1.png", blue);
    previews.push_back(previewOver(blue, palette::kSand, 2));
    const RgbaImage highlight = selectionHighlight();
    forge.writePng("img/states/playing/board_highlight.png", highlight);
    previews.push_back(previewAdditive(highlight, 2));

    const RgbaImage flash = paintSheet(kFlashColumns, kFlashFrames / kFlashColumns, kFlashFrames, flashFrame);
    forge.writePng("img/states/playing/blue_flash.png", flash);
    RgbaImage flashOnBlue = previewOver(RgbaImage(flash.width, flash.height), kBlueBottom);
    pasteOver(flashOnBlue, flash, 0, 0);
    previews.push_back(flashOnBlue);
    forge.addContactSheet("board_tiles", previewRow(previews, 1400));
}
