// The island map's sea, img/states/map/back.jpg (1600 x 900): the open water of an old sea chart,
// blue washed over parchment, with engraved wave marks, rhumb lines from a compass rose in the
// top-right corner (clear of the menu, the resources board and the buttons) and the chart's double
// border. The landmasses scroll over it; it stays put.
#include "tools/forge/art/map_sea.h"

#include <cmath>

#include "game/expedition/map_layout.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/scenery.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr int kWidth = map_layout::kCanvasWidth;
constexpr int kHeight = map_layout::kCanvasHeight;
constexpr int kJpegQuality = 88;
constexpr double kRoseX = 1460, kRoseY = 150, kRoseR = 100;
constexpr Rgb kSeaTop{0.13, 0.42, 0.55};
constexpr Rgb kSeaBottom{0.09, 0.32, 0.46};
constexpr Rgb kEngraving{0.70, 0.86, 0.88};

void waveMarks(cairo_t* cr) {
    ForgeRandom random(0x5ea);
    for (int k = 0; k < 260; ++k) {
        const double x = random.uniform(20, kWidth - 20), y = random.uniform(20, kHeight - 20);
        const double w = random.uniform(10, 22);
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w * 0.5, y - w * 0.35, x - w * 0.2, y - w * 0.35, x, y);
        cairo_curve_to(cr, x + w * 0.2, y - w * 0.35, x + w * 0.5, y - w * 0.35, x + w, y);
    }
    setColor(cr, kEngraving, 0.22);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void rhumbLines(cairo_t* cr) {
    for (int k = 0; k < 32; ++k) {
        const double a = k * M_PI / 16;
        cairo_move_to(cr, kRoseX, kRoseY);
        cairo_line_to(cr, kRoseX + 2400 * std::cos(a), kRoseY + 2400 * std::sin(a));
    }
    setColor(cr, kEngraving, 0.1);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void compassRose(cairo_t* cr) {
    cairo_arc(cr, kRoseX, kRoseY, kRoseR, 0, 2 * M_PI);
    setColor(cr, kEngraving, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, kRoseX, kRoseY, kRoseR * 0.9, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int k = 0; k < 16; ++k) {  // points: long for the four winds, short between
        const double a = k * M_PI / 8 - M_PI / 2;
        const double reach = k % 4 == 0 ? kRoseR * 0.95 : (k % 2 == 0 ? kRoseR * 0.62 : kRoseR * 0.42);
        const double side = k % 4 == 0 ? 0.16 : 0.2;
        for (double half : {-1.0, 1.0}) {
            cairo_move_to(cr, kRoseX, kRoseY);
            cairo_line_to(cr, kRoseX + reach * std::cos(a), kRoseY + reach * std::sin(a));
            cairo_line_to(cr, kRoseX + reach * 0.3 * std::cos(a + half * side * 2), kRoseY + reach * 0.3 * std::sin(a + half * side * 2));
            cairo_close_path(cr);
            setColor(cr, half < 0 ? palette::kParchment : mix(palette::kParchment, kSeaTop, 0.5), k % 4 == 0 ? 0.6 : 0.4);
            cairo_fill_preserve(cr);
            setColor(cr, palette::kInk, 0.35);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    cairo_arc(cr, kRoseX, kRoseY, 6, 0, 2 * M_PI);
    setColor(cr, guiPalette::kBrass, 0.8);
    cairo_fill(cr);
}

void border(cairo_t* cr) {
    for (const auto& [inset, width] : {std::pair{12.0, 3.0}, std::pair{20.0, 1.2}}) {
        cairo_rectangle(cr, inset, inset, kWidth - 2 * inset, kHeight - 2 * inset);
        setColor(cr, palette::kInk, 0.4);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
}

RgbaImage seaChart() {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, kWidth, kHeight);
    fillVerticalGradient(cr, 0, kHeight, mix(kSeaTop, palette::kParchment, 0.12), mix(kSeaBottom, palette::kParchment, 0.1));
    cairo_new_path(cr);
    rhumbLines(cr);
    waveMarks(cr);
    compassRose(cr);
    RgbaImage sea = canvas.toImage();
    MottleSpec paper;
    paper.cell = 90;
    paper.strength = 0.07;
    paper.seed = 0x5ea1;
    mottle(sea, paper);
    Canvas finished(kWidth, kHeight);
    finished.drawImage(sea, 0, 0);
    paintVignette(finished.cr(), 0.45);
    border(finished.cr());
    return finished.toImage();
}

}  // namespace

RgbaImage mapSea() { return seaChart(); }

FORGE_STEP(map_sea) {
    const RgbaImage sea = seaChart();
    forge.writeJpeg("img/states/map/back.jpg", sea, kJpegQuality);
    forge.addContactSheet("map_sea", scaledCopy(sea, kWidth / 2, kHeight / 2));
}
