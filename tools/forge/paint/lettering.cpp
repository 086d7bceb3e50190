#include "tools/forge/paint/lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <cairo-ft.h>

#include <algorithm>
#include <map>
#include <mutex>

namespace {

// FreeType faces stay open for the whole run: Cairo keeps its own references to them in caches
// that outlive any single picture, so closing them early would leave it reading freed memory.
struct FontRegistry {
    std::mutex lock;
    FT_Library library = nullptr;
    std::map<std::string, cairo_font_face_t*> faces;
};

FontRegistry& registry() {
    static FontRegistry fonts;
    return fonts;
}

cairo_font_face_t* fontFace(const char* fontFile) {
    FontRegistry& fonts = registry();
    std::lock_guard<std::mutex> guard(fonts.lock);
    auto found = fonts.faces.find(fontFile);
    if (found != fonts.faces.end()) return found->second;
    if (!fonts.library && FT_Init_FreeType(&fonts.library) != 0) fonts.library = nullptr;
    cairo_font_face_t* face = nullptr;
    FT_Face ftFace = nullptr;
    if (fonts.library && FT_New_Face(fonts.library, fontFile, 0, &ftFace) == 0) {
        face = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    }
    fonts.faces[fontFile] = face;
    return face;
}

bool selectFont(cairo_t* cr, const char* fontFile, double size) {
    cairo_font_face_t* face = fontFace(fontFile);
    if (!face) return false;
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    return true;
}

}  // namespace

bool fontAvailable(const char* fontFile) { return fontFace(fontFile) != nullptr; }

double letteringWidth(cairo_t* cr, const char* fontFile, double size, const std::string& text) {
    if (!selectFont(cr, fontFile, size)) return 0;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

bool letteringPath(cairo_t* cr, const char* fontFile, double size, const std::string& text, double cx,
                   double baselineY) {
    const double width = letteringWidth(cr, fontFile, size, text);
    if (width <= 0) return false;
    cairo_move_to(cr, cx - width / 2, baselineY);
    cairo_text_path(cr, text.c_str());
    return true;
}

bool paintLettering(cairo_t* cr, const LetteringStyle& style, const std::string& text, double cx, double cy) {
    if (!selectFont(cr, style.fontFile, style.size)) return false;
    cairo_text_extents_t capital;
    cairo_text_extents(cr, "H", &capital);
    const double capHeight = -capital.y_bearing;
    const double baseline = cy + capHeight / 2;
    cairo_save(cr);
    cairo_new_path(cr);
    if (style.shadow > 0) {
        letteringPath(cr, style.fontFile, style.size, text, cx + style.shadow * 0.6, baseline + style.shadow);
        setColor(cr, palette::kInk, 0.45);
        cairo_set_line_width(cr, style.outline + style.shadow);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    letteringPath(cr, style.fontFile, style.size, text, cx, baseline);
    if (style.outline > 0) {
        setColor(cr, palette::kInk, 0.95);
        cairo_set_line_width(cr, style.outline * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    fillVerticalGradient(cr, baseline - capHeight * 1.1, baseline + capHeight * 0.15, style.top, style.bottom);
    if (style.rim > 0) {
        // A light edge along the upper half of every glyph: the letters read as rounded, painted wood.
        cairo_save(cr);
        cairo_clip_preserve(cr);
        cairo_pattern_t* light = cairo_pattern_create_linear(0, baseline - capHeight, 0, baseline - capHeight * 0.35);
        cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, style.rim);
        cairo_pattern_add_color_stop_rgba(light, 1, 1, 1, 1, 0);
        cairo_set_source(cr, light);
        cairo_set_line_width(cr, std::max(1.5, style.size * 0.06));
        cairo_stroke(cr);
        cairo_pattern_destroy(light);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
    return true;
}
