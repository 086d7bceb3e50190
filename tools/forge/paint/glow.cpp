#include "tools/forge/paint/glow.h"

#include <algorithm>
#include <cmath>

double smoothstep(double edge0, double edge1, double x) {
    if (edge1 == edge0) return x < edge0 ? 0 : 1;
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double easeOut(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return 1 - (1 - t) * (1 - t) * (1 - t);
}

void paintGlow(cairo_t* cr, double cx, double cy, double radius, Rgb core, Rgb halo, double alpha) {
    if (radius <= 0 || alpha <= 0) return;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, core.r, core.g, core.b, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 0.18, core.r, core.g, core.b, alpha * 0.85);
    cairo_pattern_add_color_stop_rgba(glow, 0.45, halo.r, halo.g, halo.b, alpha * 0.38);
    cairo_pattern_add_color_stop_rgba(glow, 0.75, halo.r, halo.g, halo.b, alpha * 0.1);
    cairo_pattern_add_color_stop_rgba(glow, 1, halo.r, halo.g, halo.b, 0);
    cairo_set_source(cr, glow);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

void paintRays(cairo_t* cr, double cx, double cy, int rays, double innerRadius, double outerRadius, double width,
               Rgb color, double alpha, double rotation) {
    if (rays <= 0 || alpha <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_pattern_t* fade = cairo_pattern_create_radial(0, 0, innerRadius, 0, 0, outerRadius);
    cairo_pattern_add_color_stop_rgba(fade, 0, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(fade, 1, color.r, color.g, color.b, 0);
    for (int i = 0; i < rays; ++i) {
        const double a = rotation + 2 * M_PI * i / rays;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        // A long thin diamond: widest near the centre, pointed at both ends.
        cairo_new_path(cr);
        cairo_move_to(cr, ca * innerRadius * 0.2, sa * innerRadius * 0.2);
        cairo_line_to(cr, ca * innerRadius - sa * width, sa * innerRadius + ca * width);
        cairo_line_to(cr, ca * outerRadius, sa * outerRadius);
        cairo_line_to(cr, ca * innerRadius + sa * width, sa * innerRadius - ca * width);
        cairo_close_path(cr);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
    }
    cairo_pattern_destroy(fade);
    cairo_restore(cr);
}

void paintSparkle(cairo_t* cr, double cx, double cy, double size, double alpha, Rgb color) {
    if (size <= 0 || alpha <= 0) return;
    paintGlow(cr, cx, cy, size * 0.55, palette::kWhite, color, alpha * 0.8);
    paintRays(cr, cx, cy, 4, size * 0.12, size, size * 0.09, palette::kWhite, alpha);
    paintRays(cr, cx, cy, 4, size * 0.08, size * 0.45, size * 0.06, color, alpha * 0.8, M_PI / 4);
}

void paintRing(cairo_t* cr, double cx, double cy, double radius, double thickness, Rgb color, double alpha) {
    if (radius <= 0 || alpha <= 0) return;
    const double inner = std::max(0.0, radius - thickness);
    const double outer = radius + thickness;
    cairo_pattern_t* ring = cairo_pattern_create_radial(cx, cy, inner, cx, cy, outer);
    cairo_pattern_add_color_stop_rgba(ring, 0, color.r, color.g, color.b, 0);
    cairo_pattern_add_color_stop_rgba(ring, 0.5, color.r, color.g, color.b, alpha);
    cairo_pattern_add_color_stop_rgba(ring, 1, color.r, color.g, color.b, 0);
    cairo_set_source(cr, ring);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, outer, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
}

void paintPuff(cairo_t* cr, double cx, double cy, double radius, Rgb color, double alpha) {
    if (radius <= 0 || alpha <= 0) return;
    cairo_pattern_t* puff = cairo_pattern_create_radial(cx - radius * 0.2, cy - radius * 0.25, 0, cx, cy, radius);
    const Rgb light = lighten(color, 0.3);
    cairo_pattern_add_color_stop_rgba(puff, 0, light.r, light.g, light.b, alpha);
    cairo_pattern_add_color_stop_rgba(puff, 0.55, color.r, color.g, color.b, alpha * 0.7);
    cairo_pattern_add_color_stop_rgba(puff, 1, color.r, color.g, color.b, 0);
    cairo_set_source(cr, puff);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
}

void paintGloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* spot = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(spot, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(spot, 1, 1, 1, 1, 0);
    cairo_set_source(cr, spot);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(spot);
    cairo_restore(cr);
}
