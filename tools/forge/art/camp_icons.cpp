#include "tools/forge/art/camp_icons.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/camp_paint.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"

namespace {

constexpr Rgb kLeather{0.52, 0.26, 0.16};
constexpr Rgb kSteel{0.70, 0.74, 0.78};
constexpr Rgb kHandle{0.62, 0.40, 0.22};
constexpr Rgb kMapPaper{0.96, 0.88, 0.66};

}  // namespace

void paintGuideBook(cairo_t* cr, double cx, double cy, double r) {
    const double w = r * 1.2;
    const double h = r * 1.5;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.12);
    roundedRectPath(cr, -w / 2 + 4, -h / 2 + 4, w, h, r * 0.1);  // the pages' edge behind the cover
    setColor(cr, palette::kParchment);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    roundedRectPath(cr, -w / 2, -h / 2, w, h, r * 0.1);
    shadeWithInk(cr, -w * 0.2, -h * 0.2, h * 0.8, kLeather, 2.0);
    strokeLine(cr, {-w / 2 + w * 0.16, -h / 2 + 2}, {-w / 2 + w * 0.16, h / 2 - 2}, darken(kLeather, 0.4), 2.0);
    // A brass compass rose on the cover and the ribbon hanging out at the bottom.
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_translate(cr, w * 0.06, -h * 0.05);
        cairo_rotate(cr, k * M_PI / 2);
        polygonPath(cr, {{0, -r * 0.34}, {r * 0.08, -r * 0.08}, {0, 0}, {-r * 0.08, -r * 0.08}});
        fillVerticalGradient(cr, -r * 0.34, 0, guiPalette::kGoldLight, guiPalette::kBrass);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, w * 0.06, -h * 0.05, r * 0.08, 0, 2 * M_PI);
    shadeWithInk(cr, w * 0.06, -h * 0.05, r * 0.08, guiPalette::kBrass, 1.0);
    polygonPath(cr, {{w * 0.22, h / 2 - 2}, {w * 0.34, h / 2 - 2}, {w * 0.34, h / 2 + r * 0.28}, {w * 0.28, h / 2 + r * 0.2},
                     {w * 0.22, h / 2 + r * 0.28}});
    setColor(cr, palette::kCoral);
    cairo_fill_preserve(cr);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void paintHammerAndSaw(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_save(cr);  // the saw, leaning one way
    cairo_rotate(cr, 0.7);
    polygonPath(cr, {{-r * 0.2, -r * 0.8}, {r * 0.18, -r * 0.8}, {r * 0.12, r * 0.45}, {-r * 0.2, r * 0.45}});
    fillVerticalGradient(cr, -r * 0.8, r * 0.45, lighten(kSteel, 0.3), darken(kSteel, 0.2));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    for (double y = -r * 0.75; y < r * 0.42; y += r * 0.1) strokeLine(cr, {-r * 0.2, y}, {-r * 0.27, y + r * 0.05}, palette::kInk, 1.2, 0.7);
    roundedRectPath(cr, -r * 0.24, r * 0.42, r * 0.42, r * 0.42, r * 0.1);
    shadeWithInk(cr, -r * 0.03, r * 0.6, r * 0.3, kHandle, 1.5);
    cairo_restore(cr);
    cairo_save(cr);  // the hammer across it the other way
    cairo_rotate(cr, -0.7);
    roundedRectPath(cr, -r * 0.08, -r * 0.5, r * 0.16, r * 1.3, r * 0.06);
    shadeWithInk(cr, 0, 0, r * 0.6, kHandle, 1.5);
    roundedRectPath(cr, -r * 0.42, -r * 0.74, r * 0.84, r * 0.3, r * 0.06);
    shadeWithInk(cr, -r * 0.1, -r * 0.62, r * 0.5, kSteel, 1.6);
    cairo_restore(cr);
    cairo_restore(cr);
}

void paintMapAndGlass(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    polygonPath(cr, {{-r * 0.75, -r * 0.55}, {r * 0.7, -r * 0.62}, {r * 0.75, r * 0.5}, {-r * 0.7, r * 0.58}});
    fillVerticalGradient(cr, -r * 0.6, r * 0.6, kMapPaper, darken(kMapPaper, 0.15));
    strokeInk(cr, 1.5);
    cairo_new_path(cr);
    cairo_move_to(cr, -r * 0.5, r * 0.3);  // the dotted way to the cross
    cairo_curve_to(cr, -r * 0.2, -r * 0.2, r * 0.1, r * 0.3, r * 0.35, -r * 0.2);
    const double dashes[] = {r * 0.08, r * 0.07};
    cairo_set_dash(cr, dashes, 2, 0);
    strokeRound(cr, palette::kWoodDark, 2.0);
    cairo_set_dash(cr, nullptr, 0, 0);
    strokeLine(cr, {r * 0.27, -r * 0.3}, {r * 0.45, -r * 0.1}, palette::kCoral, 3);
    strokeLine(cr, {r * 0.45, -r * 0.3}, {r * 0.27, -r * 0.1}, palette::kCoral, 3);
    cairo_rotate(cr, -0.5);  // the spyglass lying across the map
    roundedRectPath(cr, -r * 0.2, r * 0.25, r * 0.95, r * 0.2, r * 0.05);
    shadeWithInk(cr, r * 0.2, r * 0.3, r * 0.5, guiPalette::kBrass, 1.5);
    roundedRectPath(cr, -r * 0.7, r * 0.27, r * 0.55, r * 0.16, r * 0.04);
    shadeWithInk(cr, -r * 0.4, r * 0.3, r * 0.4, kLeather, 1.5);
    cairo_restore(cr);
}

void paintBackArrow(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx + r * 0.05, cy + r * 0.1, r * 0.5, -M_PI * 0.95, M_PI * 0.45);
    cairo_arc_negative(cr, cx + r * 0.05, cy + r * 0.1, r * 0.22, M_PI * 0.45, -M_PI * 0.95);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - r * 0.75, cy + r * 0.05);
    cairo_line_to(cr, cx - r * 0.3, cy - r * 0.45);
    cairo_line_to(cr, cx - r * 0.05, cy + r * 0.1);
    cairo_close_path(cr);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, 4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    fillVerticalGradient(cr, cy - r * 0.5, cy + r * 0.6, guiPalette::kGoldLight, palette::kSunset);
    cairo_new_path(cr);
}

IconPainter pictureIcon(const RgbaImage& picture) {
    return [picture](cairo_t* cr, double cx, double cy, double r) {
        cairo_save(cr);
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_clip(cr);
        cairo_rectangle(cr, cx - r, cy - r, 2 * r, 2 * r);
        fillVerticalGradient(cr, cy - r, cy + r * 0.3, palette::kSky, {0.9, 0.95, 0.92});
        cairo_new_path(cr);
        cairo_rectangle(cr, cx - r, cy + r * 0.3, 2 * r, r);
        fillVerticalGradient(cr, cy + r * 0.3, cy + r, palette::kSand, palette::kSandShade);
        cairo_new_path(cr);
        const double scale = std::min(1.7 * r / picture.width, 1.7 * r / picture.height);
        cairo_surface_t* surface = surfaceFromImage(picture);
        cairo_translate(cr, cx - picture.width * scale / 2, cy + r * 0.82 - picture.height * scale);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, surface, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_surface_destroy(surface);
        cairo_restore(cr);
    };
}
