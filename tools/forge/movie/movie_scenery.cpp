#include "tools/forge/movie/movie_scenery.h"

#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/movie/movie_paint.h"

namespace {
constexpr double kWidth = 1600, kHeight = 900;
}

void skyAndSea(cairo_t* cr, double horizon, double skyTop, double skyLow, double seaTop, double seaBottom) {
    cairo_rectangle(cr, 0, 0, kWidth, horizon);
    fillSepiaRamp(cr, 0, horizon, skyTop, skyLow);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, horizon, kWidth, kHeight - horizon);
    fillSepiaRamp(cr, horizon, kHeight, seaTop, seaBottom);
    cairo_new_path(cr);
    ArtRandom random(static_cast<uint32_t>(horizon));
    for (double y = horizon + 6; y < kHeight; y += 4 + (y - horizon) * 0.05) {  // swell lines
        for (int i = 0; i < 10; ++i) {
            const double x = random.range(-100, kWidth);
            const double length = 30 + (y - horizon) * random.range(0.3, 1.0);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + length, y);
        }
        const double depth = (y - horizon) / (kHeight - horizon);
        setSepia(cr, seaBottom - 0.1, 0.25 + 0.25 * depth);
        cairo_set_line_width(cr, 1 + depth * 2.5);
        cairo_stroke(cr);
    }
}

void cloudBank(cairo_t* cr, double y, double tone, uint32_t seed, double alpha) {
    ArtRandom random(seed);
    for (int i = 0; i < 9; ++i) {
        const double cx = random.range(0, kWidth);
        const double width = random.range(120, 260);
        for (int k = 0; k < 5; ++k) {  // puffs on a flat shaded base
            softGlow(cr, cx + (k - 2) * width * 0.35, y - random.range(0, 40), width * 0.45, width * 0.25, tone, alpha);
        }
        softGlow(cr, cx, y + 20, width * 0.9, width * 0.12, tone - 0.2, alpha * 0.5);
    }
}

void hills(cairo_t* cr, double base, double height, double tone, uint32_t seed) {
    ArtRandom random(seed);
    cairo_move_to(cr, 0, base);
    for (double x = 0; x <= kWidth + 100; x += 100) {
        cairo_line_to(cr, x, base - height * random.range(0.3, 1.0));
    }
    cairo_line_to(cr, kWidth, base);
    cairo_close_path(cr);
    setSepia(cr, tone, 0.85);
    cairo_fill(cr);
}

void sunGlitter(cairo_t* cr, double x, double top, double tone, uint32_t seed) {
    ArtRandom random(seed);
    for (int i = 0; i < 70; ++i) {
        const double y = top + random.range(0, 200);
        const double spread = 30 + (y - top) * 0.8;
        const double sx = x + random.range(-spread, spread);
        cairo_move_to(cr, sx, y);
        cairo_line_to(cr, sx + random.range(10, 40), y);
    }
    setSepia(cr, tone, 0.7);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void pier(cairo_t* cr, double top) {
    for (double x = 30; x < 980; x += 95) {  // piles standing in the water
        cairo_rectangle(cr, x, top, 22, kHeight - top);
        fillSepiaRamp(cr, top, kHeight, 0.3, 0.08);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, 0, top);
    cairo_line_to(cr, 1000, top + 8);
    cairo_line_to(cr, 1000, top + 40);
    cairo_line_to(cr, 0, top + 44);
    cairo_close_path(cr);
    fillSepiaRamp(cr, top, top + 44, 0.6, 0.25);
    setSepia(cr, 0.08);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double x : {180.0, 600.0, 960.0}) {  // bollards
        roundedRectPath(cr, x, top - 26, 26, 30, 6);
        fillSepiaRamp(cr, top - 26, top, 0.45, 0.2);
        cairo_new_path(cr);
    }
}

RgbaImage waveStrip(double tone, int height, uint32_t seed) {
    constexpr int kStripWidth = 2400;
    Canvas canvas(kStripWidth, height);
    cairo_t* cr = canvas.cr();
    ArtRandom random(seed);
    const double phase = random.range(0, 6);
    auto crest = [&](double x) {
        return height * 0.35 + std::sin(x / 90.0 + phase) * height * 0.12 + std::sin(x / 37.0) * height * 0.05;
    };
    cairo_move_to(cr, 0, height);
    for (double x = 0; x <= kStripWidth; x += 6) cairo_line_to(cr, x, crest(x));
    cairo_line_to(cr, kStripWidth, height);
    cairo_close_path(cr);
    fillSepiaRamp(cr, 0, height, tone + 0.15, tone - 0.2);
    cairo_new_path(cr);
    for (double x = 0; x <= kStripWidth; x += 6) {  // foam riding the crests
        const double y = crest(x);
        if (std::sin(x / 90.0 + phase) > 0.55) {
            cairo_move_to(cr, x, y + 2);
            cairo_line_to(cr, x + 6, crest(x + 6) + 2);
        }
    }
    setSepia(cr, 0.97, 0.85);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    return canvas.toImage();
}
