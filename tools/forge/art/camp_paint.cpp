#include "tools/forge/art/camp_paint.h"

#include <algorithm>
#include <cmath>


void smoothPath(cairo_t* cr, const std::vector<CampPoint>& points, bool closed) {
    const size_t n = points.size();
    if (n < 2) return;
    const auto at = [&](long i) -> const CampPoint& {
        if (closed) return points[static_cast<size_t>((i % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n))];
        return points[static_cast<size_t>(std::clamp<long>(i, 0, static_cast<long>(n) - 1))];
    };
    cairo_move_to(cr, points[0].x, points[0].y);
    const long segments = closed ? static_cast<long>(n) : static_cast<long>(n) - 1;
    for (long i = 0; i < segments; ++i) {
        const CampPoint& p0 = at(i - 1);
        const CampPoint& p1 = at(i);
        const CampPoint& p2 = at(i + 1);
        const CampPoint& p3 = at(i + 2);
        cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                       p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
    }
    if (closed) cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<CampPoint> points) {
    cairo_new_path(cr);
    for (const CampPoint& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

void strokeLine(cairo_t* cr, CampPoint a, CampPoint b, Rgb color, double width, double alpha) {
    cairo_new_path(cr);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    strokeRound(cr, color, width, alpha);
}

void paintPost(cairo_t* cr, CampPoint bottom, double height, double width, Rgb wood) {
    polygonPath(cr, {{bottom.x - width / 2, bottom.y}, {bottom.x + width / 2, bottom.y},
                     {bottom.x + width / 2, bottom.y - height}, {bottom.x - width / 2, bottom.y - height}});
    cairo_pattern_t* bark = cairo_pattern_create_linear(bottom.x - width / 2, 0, bottom.x + width / 2, 0);
    const Rgb lit = lighten(wood, 0.2);
    const Rgb shade = darken(wood, 0.3);
    cairo_pattern_add_color_stop_rgb(bark, 0, lit.r, lit.g, lit.b);
    cairo_pattern_add_color_stop_rgb(bark, 1, shade.r, shade.g, shade.b);
    cairo_set_source(cr, bark);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(bark);
    strokeInk(cr, 1.2);
    cairo_new_path(cr);
}

void paintMedicSign(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    shadeWithInk(cr, cx, cy, r, campPalette::kWhitewash, 1.4);
    const double a = r * 0.62;
    const double b = r * 0.22;
    polygonPath(cr, {{cx - b, cy - a}, {cx + b, cy - a}, {cx + b, cy - b}, {cx + a, cy - b}, {cx + a, cy + b},
                     {cx + b, cy + b}, {cx + b, cy + a}, {cx - b, cy + a}, {cx - b, cy + b}, {cx - a, cy + b},
                     {cx - a, cy - b}, {cx - b, cy - b}});
    fillVerticalGradient(cr, cy - a, cy + a, lighten(campPalette::kMedicGreen, 0.2), campPalette::kMedicGreen);
    strokeInk(cr, 1.0);
    cairo_new_path(cr);
}

void groundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha, double midShare) {
    if (rx <= 0 || ry <= 0) return;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* shade = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(shade, 0, palette::kInk.r, palette::kInk.g, palette::kInk.b, alpha);
    cairo_pattern_add_color_stop_rgba(shade, 0.6, palette::kInk.r, palette::kInk.g, palette::kInk.b, alpha * midShare);
    cairo_pattern_add_color_stop_rgba(shade, 1, palette::kInk.r, palette::kInk.g, palette::kInk.b, 0);
    cairo_set_source(cr, shade);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
}

const std::vector<CampPoint>& campFarShore() {
    static const std::vector<CampPoint> shore = {
        {-20, 394}, {90, 392}, {180, 376}, {280, 336}, {410, 298}, {560, 272}, {720, 258},
        {880, 255}, {1040, 256}, {1180, 248}, {1400, 240}, {1620, 236},
    };
    return shore;
}

const std::vector<CampPoint>& campNearShore() {
    static const std::vector<CampPoint> shore = {
        {-20, 612}, {100, 614}, {165, 628}, {198, 684}, {245, 752}, {330, 800}, {450, 818}, {700, 821},
        {900, 819}, {1090, 815}, {1210, 798}, {1310, 766}, {1390, 740}, {1500, 730}, {1620, 728},
    };
    return shore;
}
