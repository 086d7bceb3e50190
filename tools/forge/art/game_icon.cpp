// The game's icon for the desktop's menus, task bar and the window itself: a sunlit island with a
// palm in a lagoon-blue tile, with a shell piece from the boards in front. It is painted at every
// size of the hicolor theme rather than scaled from one picture, so the small sizes stay crisp; the
// smallest drop the details that would only blur.
#include <cmath>
#include <string>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/pieces.h"
#include "tools/forge/paint/plants.h"
#include "tools/forge/paint/sheet.h"

namespace {

// Everything is drawn on a 256-unit tile and scaled to the size asked for.
constexpr double kUnits = 256;
constexpr double kCorner = 52;
constexpr double kMargin = 8;
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kDetailedFrom = 48;  // below this, no waves, sun rays or palm
constexpr Rgb kSkyTop{0.52, 0.83, 0.97};
constexpr Rgb kHorizon{0.86, 0.95, 0.98};

void tileShape(cairo_t* cr) {
    cairo_new_path(cr);
    roundedRectPath(cr, kMargin, kMargin, kUnits - 2 * kMargin, kUnits - 2 * kMargin, kCorner);
}

void paintSkyAndSea(cairo_t* cr, bool detailed) {
    constexpr double kSeaTop = 136;
    cairo_rectangle(cr, 0, 0, kUnits, kSeaTop);
    fillVerticalGradient(cr, 0, kSeaTop, kSkyTop, kHorizon);
    cairo_new_path(cr);
    setColor(cr, palette::kGold);
    ellipsePath(cr, 186, 60, 26, 26);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kSeaTop, kUnits, kUnits - kSeaTop);
    fillVerticalGradient(cr, kSeaTop, kUnits, palette::kLagoon, palette::kDeepSea);
    cairo_new_path(cr);
    if (!detailed) return;
    for (int row = 0; row < 3; ++row) {
        const double y = 176 + row * 24;
        cairo_move_to(cr, 30 + row * 14, y);
        cairo_curve_to(cr, 50 + row * 14, y - 7, 66 + row * 14, y - 7, 84 + row * 14, y);
        strokeRound(cr, palette::kWhite, 3.5, 0.55);
    }
}

void paintIsland(cairo_t* cr, bool detailed) {
    cairo_new_path(cr);
    cairo_move_to(cr, 36, 146);
    cairo_curve_to(cr, 70, 112, 190, 108, 226, 146);
    cairo_curve_to(cr, 180, 160, 80, 160, 36, 146);
    cairo_close_path(cr);
    fillVerticalGradient(cr, 112, 160, palette::kSand, palette::kSandShade);
    strokeInk(cr, 4);
    cairo_new_path(cr);
    if (detailed) paintPalm(cr, 100, 138, 84, 76, 96);
}

void paintShell(cairo_t* cr) {
    constexpr int kShell = 1;
    cairo_save(cr);
    cairo_translate(cr, 176, 188);
    cairo_scale(cr, 1.45, 1.45);
    pieceDesigns()[kShell].paint(cr);
    cairo_restore(cr);
}

RgbaImage paintIcon(int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, size / kUnits, size / kUnits);
    const bool detailed = size >= kDetailedFrom;

    cairo_save(cr);
    tileShape(cr);
    cairo_clip(cr);
    paintSkyAndSea(cr, detailed);
    paintIsland(cr, detailed);
    paintShell(cr);
    cairo_restore(cr);

    tileShape(cr);
    strokeInk(cr, size < kDetailedFrom ? 10 : 6);
    cairo_new_path(cr);
    return canvas.toImage();
}

}  // namespace

FORGE_STEP(game_icon) {
    for (int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        forge.writePng("icons/hicolor/" + folder + "/apps/quorvane.png", paintIcon(size));
    }
    forge.addContactSheet("game_icon", previewRow({paintIcon(256), paintIcon(64), paintIcon(32), paintIcon(16)}));
}
