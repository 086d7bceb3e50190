#include "tools/forge/movie/movie_paint.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"

namespace {

constexpr Rgb kShadow{0.09, 0.06, 0.04};
constexpr Rgb kMiddle{0.50, 0.37, 0.24};
constexpr Rgb kPaper{0.96, 0.91, 0.79};

uint8_t toByte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 1.0) * 255.0 + 0.5); }

}  // namespace

Rgb sepia(double tone) {
    tone = std::clamp(tone, 0.0, 1.0);
    return tone < 0.5 ? mix(kShadow, kMiddle, tone * 2) : mix(kMiddle, kPaper, tone * 2 - 1);
}

void setSepia(cairo_t* cr, double tone, double alpha) { setColor(cr, sepia(tone), alpha); }

void fillSepiaRamp(cairo_t* cr, double top, double bottom, double topTone, double bottomTone, double alpha) {
    cairo_pattern_t* ramp = cairo_pattern_create_linear(0, top, 0, bottom);
    for (int i = 0; i <= 4; ++i) {  // a few stops so the ramp follows the sepia curve
        const double t = i / 4.0;
        const Rgb c = sepia(topTone + (bottomTone - topTone) * t);
        cairo_pattern_add_color_stop_rgba(ramp, t, c.r, c.g, c.b, alpha);
    }
    cairo_set_source(cr, ramp);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(ramp);
}

void softGlow(cairo_t* cr, double cx, double cy, double rx, double ry, double tone, double alpha) {
    const Rgb c = sepia(tone);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 0.6, c.r, c.g, c.b, alpha * 0.5);
    cairo_pattern_add_color_stop_rgba(glow, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    cairo_restore(cr);
}

void ageFilm(RgbaImage& image, uint32_t seed, double grain, double vignette) {
    ArtRandom random(seed);
    const double cx = image.width / 2.0;
    const double cy = image.height / 2.0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t* p = image.at(x, y);
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double shade = 1.0 - vignette * std::pow(std::min(1.0, (dx * dx + dy * dy) / 2.0), 1.5);
            const double noise = 1.0 + grain * (random.unit() - 0.5);
            for (int c = 0; c < 3; ++c) p[c] = toByte(p[c] / 255.0 * shade * noise);
        }
    }
    for (int i = 0; i < image.width * image.height / 60000; ++i) {  // dust on the print
        const int x0 = static_cast<int>(random.range(0, image.width - 3));
        const int y0 = static_cast<int>(random.range(0, image.height - 3));
        const bool dark = random.unit() < 0.6;
        for (int k = 0; k < 3; ++k) {
            uint8_t* p = image.at(x0 + k % 2, y0 + k / 2);
            for (int c = 0; c < 3; ++c) p[c] = dark ? p[c] / 3 : static_cast<uint8_t>(255 - (255 - p[c]) / 3);
        }
    }
}

RgbaImage agedPrint(const Canvas& canvas, uint32_t seed, double grain, double vignette) {
    RgbaImage image = canvas.toImage();
    ageFilm(image, seed, grain, vignette);
    return image;
}

// Black outside a rounded window with soft edges, and a gentle darkening just inside it, as the
// gate of an old projector frames the picture.
RgbaImage filmFrame() {
    constexpr int kWidth = 400, kHeight = 225;
    constexpr double kInsetX = 9, kInsetY = 7, kRadius = 20, kSoftness = 3.5, kShadeDepth = 26;
    RgbaImage frame(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double qx = std::max(std::fabs(px - kWidth / 2.0) - (kWidth / 2.0 - kInsetX - kRadius), 0.0);
            const double qy = std::max(std::fabs(py - kHeight / 2.0) - (kHeight / 2.0 - kInsetY - kRadius), 0.0);
            const double outside = std::hypot(qx, qy) - kRadius;  // > 0 beyond the window's edge
            double alpha = std::clamp(0.5 + outside / kSoftness, 0.0, 1.0);
            const double inner = std::clamp(1.0 + outside / kShadeDepth, 0.0, 1.0);
            alpha = std::max(alpha, 0.45 * inner * inner);
            uint8_t* p = frame.at(x, y);
            p[0] = 12, p[1] = 8, p[2] = 5;
            p[3] = toByte(alpha);
        }
    }
    return frame;
}

// Long hairline scratches, light ones from the emulsion worn through and dark ones of dirt, and a
// curled hair caught in the gate.
RgbaImage filmScratch(int n) {
    const bool hair = n == 5;
    const int width = hair ? 60 : 10;
    const int height = hair ? 90 : 480 + n * 40;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    ArtRandom random(700 + static_cast<uint32_t>(n));
    const double tone = n % 2 == 1 ? 1.0 : 0.0;
    if (hair) {
        cairo_move_to(cr, 10, 80);
        cairo_curve_to(cr, 50, 70, 55, 30, 30, 20);
        cairo_curve_to(cr, 10, 12, 20, 50, 40, 45);
        cairo_curve_to(cr, 55, 40, 50, 10, 48, 5);
        setSepia(cr, 0.05, 0.9);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        return canvas.toImage();
    }
    double x = width / 2.0;
    cairo_move_to(cr, x, 0);
    for (int y = 20; y <= height; y += 20) {
        x = std::clamp(x + random.range(-0.8, 0.8), 2.0, width - 2.0);
        cairo_line_to(cr, x, y);
    }
    setSepia(cr, tone, 0.95);
    cairo_set_line_width(cr, 1.2 + n * 0.3);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {  // breaks along the line where the scratch skipped
        cairo_rectangle(cr, 0, random.range(0, height), width, random.range(4, 30));
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    return canvas.toImage();
}
