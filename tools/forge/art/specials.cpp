// The three special pieces: states/playing/pieces/small_crystal.png, exploding_crystal.png and
// air_coin.png, each an 18 x 2 sheet of 35 frames of 64 x 64 (1152 x 128). The board spins them
// continuously around the frame centre and plays their frames in a loop, so they are drawn round
// and centred, their shadow is an even rim, and frame 34 leads smoothly back into frame 0.
#include <cmath>
#include <string>
#include <vector>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/pieces.h"
#include "tools/forge/paint/sheet.h"

namespace {

constexpr double kCentre = kPieceFrame / 2.0;
constexpr Rgb kCyan{0.36, 0.90, 0.97};
constexpr Rgb kMagenta{0.93, 0.30, 0.78};
constexpr Rgb kCoinSilver{0.78, 0.88, 0.92};
constexpr Rgb kCoinTeal{0.30, 0.70, 0.74};

double phaseOf(int frame) { return static_cast<double>(frame) / kPieceFrames; }

Rgb facetColor(Rgb base, double light) {
    return light >= 0 ? lighten(base, light) : darken(base, -light);
}

// A brilliant-cut gem seen from above: a table in the middle, crown facets around it, each
// facet catching the light in turn as the phase runs round.
void paintBrilliant(cairo_t* cr, int sides, double outer, double table, Rgb base, double phase) {
    for (int k = 0; k < sides; ++k) {
        const double a0 = 2 * M_PI * k / sides - M_PI / 2;
        const double a1 = 2 * M_PI * (k + 1) / sides - M_PI / 2;
        const double am = (a0 + a1) / 2;
        const double glint = std::cos(2 * M_PI * (static_cast<double>(k) / sides - phase));
        const double fixedLight = 0.35 * std::cos(am + 3 * M_PI / 4);  // lit from the upper left
        // Outer kite (from the rim to the table's corner) and inner triangle (the table's edge).
        cairo_new_path(cr);
        cairo_move_to(cr, outer * std::cos(a0), outer * std::sin(a0));
        cairo_line_to(cr, outer * std::cos(a1), outer * std::sin(a1));
        cairo_line_to(cr, table * std::cos(a1), table * std::sin(a1));
        cairo_line_to(cr, table * std::cos(a0), table * std::sin(a0));
        cairo_close_path(cr);
        setColor(cr, facetColor(base, fixedLight + 0.25 * glint));
        cairo_fill_preserve(cr);
        setColor(cr, palette::kWhite, 0.35);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        cairo_move_to(cr, outer * std::cos(am) * 0.98, outer * std::sin(am) * 0.98);
        cairo_line_to(cr, table * std::cos(a0), table * std::sin(a0));
        cairo_line_to(cr, table * std::cos(a1), table * std::sin(a1));
        cairo_close_path(cr);
        setColor(cr, facetColor(base, fixedLight * 0.6 + 0.35 + 0.3 * glint), 0.7);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    for (int k = 0; k < sides; ++k) {
        const double a = 2 * M_PI * k / sides - M_PI / 2;
        if (k == 0) cairo_move_to(cr, table * std::cos(a), table * std::sin(a));
        else cairo_line_to(cr, table * std::cos(a), table * std::sin(a));
    }
    cairo_close_path(cr);
    fillVerticalGradient(cr, -table, table, lighten(base, 0.75), lighten(base, 0.25));
    setColor(cr, palette::kWhite, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void polygonOutline(cairo_t* cr, int sides, double radius) {
    cairo_new_path(cr);
    for (int k = 0; k < sides; ++k) {
        const double a = 2 * M_PI * k / sides - M_PI / 2;
        if (k == 0) cairo_move_to(cr, radius * std::cos(a), radius * std::sin(a));
        else cairo_line_to(cr, radius * std::cos(a), radius * std::sin(a));
    }
    cairo_close_path(cr);
}

RgbaImage smallCrystalFrame(int frame) {
    const double p = phaseOf(frame);
    Canvas canvas(kPieceFrame, kPieceFrame);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, kCentre, kCentre, 27, lighten(kCyan, 0.4), kCyan, 0.45 + 0.15 * std::sin(2 * M_PI * p));
    cairo_translate(cr, kCentre, kCentre);
    paintBrilliant(cr, 6, 19, 9.5, kCyan, p);
    polygonOutline(cr, 6, 19);
    strokeInk(cr, 2.2);
    const double a = 2 * M_PI * p - M_PI / 2;
    paintSparkle(cr, 15 * std::cos(a), 15 * std::sin(a), 9, 0.9);
    paintSparkle(cr, -6, -6, 6 + 3 * std::sin(4 * M_PI * p), 0.8);
    return canvas.toImage();
}

// A fiery brilliant with a ring of pulsing spikes behind it: the big exploder.
RgbaImage explodingCrystalFrame(int frame) {
    const double p = phaseOf(frame);
    Canvas canvas(kPieceFrame, kPieceFrame);
    cairo_t* cr = canvas.cr();
    const double pulse = 0.5 + 0.5 * std::sin(2 * M_PI * p);
    paintGlow(cr, kCentre, kCentre, 31, palette::kGold, kMagenta, 0.55 + 0.2 * pulse);
    cairo_translate(cr, kCentre, kCentre);
    cairo_new_path(cr);
    for (int k = 0; k < 16; ++k) {
        const double a = 2 * M_PI * k / 16 - M_PI / 2;
        const double r = k % 2 == 0 ? 27 + 2 * pulse : 17;
        if (k == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
        else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    fillRoundShading(cr, 0, 0, 27, palette::kSunset);
    strokeInk(cr, 1.8);
    paintBrilliant(cr, 8, 18.5, 9, kMagenta, p);
    polygonOutline(cr, 8, 18.5);
    strokeInk(cr, 2.0);
    paintGlow(cr, 0, 0, 9, palette::kWhite, palette::kGold, 0.35 + 0.4 * pulse);
    const double a = -2 * M_PI * p;
    paintSparkle(cr, 16 * std::cos(a), 16 * std::sin(a), 10, 0.9);
    paintSparkle(cr, -16 * std::cos(a), -16 * std::sin(a), 7, 0.7);
    return canvas.toImage();
}

// A spiral of wind embossed on the coin's face.
void windSwirl(cairo_t* cr, double radius, Rgb color, double alpha, double width) {
    cairo_new_path(cr);
    constexpr int kSteps = 60;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const double a = -M_PI / 2 + t * 2.6 * M_PI;
        const double r = radius * (0.12 + 0.88 * t);
        if (i == 0) cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
        else cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    setColor(cr, color, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A glint crossing the coin's face once per loop.
void coinGlint(cairo_t* cr, double p) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 22, 0, 2 * M_PI);
    cairo_clip(cr);
    const double d = -40 + 80 * p;
    cairo_pattern_t* band = cairo_pattern_create_linear(d - 8, d - 8, d + 8, d + 8);
    cairo_pattern_add_color_stop_rgba(band, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(band, 0.5, 1, 1, 1, 0.6);
    cairo_pattern_add_color_stop_rgba(band, 1, 1, 1, 1, 0);
    cairo_set_source(cr, band);
    cairo_paint(cr);
    cairo_pattern_destroy(band);
    cairo_restore(cr);
}

RgbaImage airCoinFrame(int frame) {
    const double p = phaseOf(frame);
    Canvas canvas(kPieceFrame, kPieceFrame);
    cairo_t* cr = canvas.cr();
    paintGlow(cr, kCentre, kCentre, 29, palette::kWhite, kCoinTeal, 0.35);
    cairo_translate(cr, kCentre, kCentre);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 22, 0, 2 * M_PI);
    fillRoundShading(cr, 0, 0, 22, palette::kGold);
    strokeInk(cr, 2.2);
    // A milled rim, then the silver face with its swirl.
    cairo_new_path(cr);
    for (int k = 0; k < 36; ++k) {
        const double a = 2 * M_PI * k / 36;
        cairo_move_to(cr, 19 * std::cos(a), 19 * std::sin(a));
        cairo_line_to(cr, 21.5 * std::cos(a), 21.5 * std::sin(a));
    }
    setColor(cr, darken(palette::kGold, 0.4), 0.6);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 17, 0, 2 * M_PI);
    fillRoundShading(cr, 0, 0, 17, kCoinSilver);
    strokeInk(cr, 1.2, 0.6);
    cairo_save(cr);
    cairo_translate(cr, 0.8, 1.0);
    windSwirl(cr, 13, darken(kCoinTeal, 0.5), 0.7, 3.2);
    cairo_restore(cr);
    windSwirl(cr, 13, lighten(kCoinTeal, 0.3), 1.0, 2.4);
    coinGlint(cr, p);
    paintSparkle(cr, -9, -11, 7 + 3 * std::sin(2 * M_PI * p), 0.85);
    return canvas.toImage();
}

struct SpecialDesign {
    const char* name;
    RgbaImage (*frame)(int);
};

constexpr SpecialDesign kSpecials[] = {
    {"small_crystal", smallCrystalFrame},
    {"exploding_crystal", explodingCrystalFrame},
    {"air_coin", airCoinFrame},
};

}  // namespace

FORGE_STEP(board_specials) {
    std::vector<RgbaImage> previews;
    for (const SpecialDesign& design : kSpecials) {
        const RgbaImage sheet = paintSheet(kPieceColumns, kPieceRows, kPieceFrames, [&](int frame) {
            return withDropShadow(design.frame(frame), 0, 0, 2, 0.5);
        });
        forge.writePng(std::string("img/states/playing/pieces/") + design.name + ".png", sheet);
        previews.push_back(previewOver(sheet, {0.13, 0.27, 0.30}));
    }
    forge.addContactSheet("board_specials", previewRow(previews, 1200));
}
