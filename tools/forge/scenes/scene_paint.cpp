#include "tools/forge/scenes/scene_paint.h"

#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"
#include "tools/forge/scenes/scene_bar.h"

void paintTextured(Canvas& canvas, const PaintFn& paint, double cell, double strength, uint32_t seed) {
    Canvas layer(canvas.width(), canvas.height());
    paint(layer.cr());
    RgbaImage image = layer.toImage();
    mottle(image, {cell, strength, seed, 0, 0});
    canvas.drawImage(image, 0, 0);
}

// A softer core than the camp's ground shadow: props in the scenes stand on uneven ground.
void paintContactShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    constexpr double kMidShare = 0.5;
    groundShadow(cr, cx, cy, rx, ry, alpha, kMidShare);
}

void paintGrassTuft(cairo_t* cr, double x, double y, double height, double lean, uint32_t seed) {
    ArtRandom random(seed);
    const int blades = 5 + static_cast<int>(random.unit() * 4);
    for (int k = 0; k < blades; ++k) {
        const double spread = (k - blades / 2.0) / blades;
        const double h = height * random.range(0.6, 1.0) * (1 - std::abs(spread) * 0.5);
        const double base = x + spread * height * 0.35;
        const double tipX = base + (spread * 0.6 + lean * 0.5) * h;
        const double w = height * 0.06;
        cairo_new_path(cr);
        cairo_move_to(cr, base - w, y);
        cairo_curve_to(cr, base - w, y - h * 0.5, tipX - w * 0.3, y - h * 0.8, tipX, y - h);
        cairo_curve_to(cr, tipX + w * 0.3, y - h * 0.8, base + w, y - h * 0.5, base + w, y);
        cairo_close_path(cr);
        const Rgb green = mix(palette::kLeaf, palette::kJungle, random.range(0.1, 0.6));
        fillVerticalGradient(cr, y - h, y, lighten(green, 0.25), darken(green, 0.2));
        strokeInk(cr, 1.2, 0.7);
        cairo_new_path(cr);
    }
}

void paintCrack(cairo_t* cr, double x, double y, double angle, double length, uint32_t seed, double alpha) {
    ArtRandom random(seed);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    double px = x, py = y, a = angle;
    const int steps = 6;
    for (int i = 0; i < steps; ++i) {
        a += random.range(-0.5, 0.5);
        px += std::cos(a) * length / steps;
        py += std::sin(a) * length / steps;
        cairo_line_to(cr, px, py);
        if (i == 2) {  // a short side branch
            const double b = a + (random.unit() < 0.5 ? 0.8 : -0.8);
            cairo_line_to(cr, px + std::cos(b) * length * 0.2, py + std::sin(b) * length * 0.2);
            cairo_move_to(cr, px, py);
        }
    }
    setColor(cr, palette::kInk, alpha);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void paintMoss(cairo_t* cr, double x, double y, double width, double height, uint32_t seed) {
    ArtRandom random(seed);
    const int lumps = 5 + static_cast<int>(width / 18);
    for (int k = 0; k < lumps; ++k) {
        const double t = (k + 0.5) / lumps;
        const double r = height * random.range(0.45, 0.8) * (0.6 + 0.4 * std::sin(M_PI * t));
        const double cx = x + width * t + random.range(-4, 4);
        const double cy = y - r * 0.4;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        fillRoundShading(cr, cx, cy, r, mix(palette::kLeaf, palette::kJungle, random.range(0.2, 0.5)));
        strokeInk(cr, 1.2, 0.45);
        cairo_new_path(cr);
    }
}

RgbaImage itemPicture(const PaintFn& paint, double cx, double cy, double size) {
    constexpr int kSize = scene_bar::kItemSize;
    constexpr double kInner = kSize - 8;  // room for the drop shadow
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.cr();
    cairo_translate(cr, kSize / 2.0 - 1, kSize / 2.0 - 2);
    cairo_scale(cr, kInner / size, kInner / size);
    cairo_translate(cr, -cx, -cy);
    paint(cr);
    return withDropShadow(canvas.toImage(), 2, 3, 2, 0.45);
}
