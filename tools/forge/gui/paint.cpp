#include "tools/forge/gui/paint.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"

uint32_t ArtRandom::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double ArtRandom::unit() { return (next() >> 8) / 16777216.0; }

double ArtRandom::range(double low, double high) { return low + (high - low) * unit(); }

namespace {

uint32_t latticeHash(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du ^ static_cast<uint32_t>(x) * 0x85ebca6bu ^ static_cast<uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

int wrapCell(int i, int period) { return period > 0 ? ((i % period) + period) % period : i; }

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double valueNoise(double x, double y, uint32_t seed, int periodX, int periodY) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    auto corner = [&](int dx, int dy) {
        return (latticeHash(wrapCell(ix + dx, periodX), wrapCell(iy + dy, periodY), seed) & 0xffff) / 65535.0;
    };
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    const double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, uint32_t seed, int octaves, int periodX, int periodY) {
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    int scale = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x * scale, y * scale, seed + 101u * i, periodX * scale, periodY * scale);
        weight += amplitude;
        amplitude *= 0.5;
        scale *= 2;
    }
    return sum / weight;
}

namespace {

uint8_t scaled(uint8_t value, double factor) {
    return static_cast<uint8_t>(std::clamp(std::lround(value * factor), 0L, 255L));
}

void scalePixel(uint8_t* p, double factor) {
    for (int c = 0; c < 3; ++c) p[c] = scaled(p[c], factor);
}

// Lattice cells that divide a period exactly, so the noise repeats with it.
int cellsFor(int period, double wantedCell) {
    return period > 0 ? std::max(1, static_cast<int>(std::lround(period / wantedCell))) : 0;
}

double cellSize(int period, int cells, double wantedCell) {
    return period > 0 ? static_cast<double>(period) / cells : wantedCell;
}

}  // namespace

void mottle(RgbaImage& image, const MottleSpec& spec) {
    const int cellsX = cellsFor(spec.periodX, spec.cell);
    const int cellsY = cellsFor(spec.periodY, spec.cell);
    const double cellX = cellSize(spec.periodX, cellsX, spec.cell);
    const double cellY = cellSize(spec.periodY, cellsY, spec.cell);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t* p = image.at(x, y);
            if (p[3] == 0) continue;
            const double n = fractalNoise(x / cellX, y / cellY, spec.seed, 4, cellsX, cellsY);
            scalePixel(p, 1 + spec.strength * (n - 0.5) * 2);
        }
    }
}

void woodGrain(RgbaImage& image, const GrainSpec& spec) {
    const int longCells = cellsFor(spec.period, 110);
    const int fineCells = cellsFor(spec.period, 9);
    const double longCell = cellSize(spec.period, longCells, 110);
    const double fineCell = cellSize(spec.period, fineCells, 9);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t* p = image.at(x, y);
            if (p[3] == 0) continue;
            const double along = spec.vertical ? y : x;
            const double across = spec.vertical ? x : y;
            const double warp = fractalNoise(along / longCell, across / 30.0, spec.seed, 3, longCells, 0);
            const double ring = std::sin((across + warp * 9) / spec.streakSpacing * M_PI);
            const double fine = valueNoise(along / fineCell, across / 1.7, spec.seed + 11, fineCells, 0);
            scalePixel(p, 1 + spec.strength * (0.5 * ring + 0.9 * (fine - 0.5)));
        }
    }
}

void maskWith(RgbaImage& image, const RgbaImage& mask) {
    for (int y = 0; y < image.height && y < mask.height; ++y) {
        for (int x = 0; x < image.width && x < mask.width; ++x) {
            uint8_t* p = image.at(x, y);
            p[3] = static_cast<uint8_t>(p[3] * mask.at(x, y)[3] / 255);
        }
    }
}

void paste(RgbaImage& target, const RgbaImage& source, int x, int y) {
    for (int row = 0; row < source.height; ++row) {
        for (int col = 0; col < source.width; ++col) {
            const int tx = x + col;
            const int ty = y + row;
            if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
            std::copy_n(source.at(col, row), 4, target.at(tx, ty));
        }
    }
}

namespace {

constexpr std::array<const char*, 4> kFaceFiles = {
    "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Bold.ttf",
    "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Regular.ttf",
    "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Italic.ttf",
    "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf",
};

// The faces are made once and kept until the forge exits: Cairo may hold on to them in its own
// caches, so they are never released early.
struct FaceCache {
    std::mutex lock;
    FT_Library library = nullptr;
    std::array<cairo_font_face_t*, 4> faces{};
    std::array<bool, 4> tried{};
};

FaceCache& faceCache() {
    static FaceCache cache;
    return cache;
}

cairo_font_face_t* loadFace(Face face) {
    FaceCache& cache = faceCache();
    std::lock_guard<std::mutex> guard(cache.lock);
    const size_t index = static_cast<size_t>(face);
    if (cache.tried[index]) return cache.faces[index];
    cache.tried[index] = true;
    if (!cache.library && FT_Init_FreeType(&cache.library) != 0) return nullptr;
    FT_Face ftFace = nullptr;
    if (FT_New_Face(cache.library, kFaceFiles[index], 0, &ftFace) != 0) return nullptr;
    cache.faces[index] = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
    return cache.faces[index];
}

}  // namespace

bool selectFace(cairo_t* cr, Face face, double size) {
    cairo_font_face_t* fontFace = loadFace(face);
    if (fontFace) {
        cairo_set_font_face(cr, fontFace);
    } else {
        cairo_select_font_face(cr, "serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    }
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    return fontFace != nullptr;
}

bool fontsPresent(Forge& forge) {
    bool all = true;
    for (size_t i = 0; i < kFaceFiles.size(); ++i) {
        if (!loadFace(static_cast<Face>(i))) {
            forge.fail(std::string("cannot load font ") + kFaceFiles[i]);
            all = false;
        }
    }
    return all;
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

HeadingStyle carvedLabelStyle(double size) {
    HeadingStyle style;
    style.size = size;
    style.outlineWidth = 3;
    style.top = guiPalette::kCream;
    style.bottom = guiPalette::kGoldLight;
    style.shadow = 0;
    return style;
}

void drawHeadingLine(cairo_t* cr, const std::string& text, double cx, double baseline, const HeadingStyle& style) {
    selectFace(cr, style.face, style.size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - extents.x_bearing - extents.width / 2, baseline);
    cairo_text_path(cr, text.c_str());
    if (style.outlineWidth > 0) {
        setColor(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    fillVerticalGradient(cr, baseline - style.size * 0.72, baseline, style.top, style.bottom);
    // A thin light edge on the upper side of the letters reads as a carved, lit surface.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_translate(cr, 0, 1.4);
    setColor(cr, palette::kWhite, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
}

RgbaImage headingPicture(const std::vector<std::string>& lines, const HeadingStyle& style, int width, int height) {
    Canvas scratch(4, 4);
    selectFace(scratch.cr(), style.face, style.size);
    cairo_font_extents_t font;
    cairo_font_extents(scratch.cr(), &font);
    double widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, textWidth(scratch.cr(), line));
    const double margin = style.outlineWidth + style.size * 0.18 + 4;
    const double lineHeight = font.ascent + font.descent * 0.6;
    const double textHeight = lineHeight * static_cast<double>(lines.size());
    if (width == 0) width = static_cast<int>(std::ceil(widest + margin * 2));
    if (height == 0) height = static_cast<int>(std::ceil(textHeight + margin * 2));
    Canvas canvas(width, height);
    double baseline = (height - textHeight) / 2 + font.ascent * 0.92;
    for (const std::string& line : lines) {
        drawHeadingLine(canvas.cr(), line, width / 2.0, baseline, style);
        baseline += lineHeight;
    }
    RgbaImage image = canvas.toImage();
    if (style.shadow > 0) image = withDropShadow(image, 2, 3, 3, style.shadow);
    return image;
}

void drawCentredText(cairo_t* cr, const std::string& text, double cx, double baseline, Face face, double size,
                     Rgb color, double alpha) {
    selectFace(cr, face, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    cairo_move_to(cr, cx - extents.x_bearing - extents.width / 2, baseline);
    setColor(cr, color, alpha);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
}

void drawArrowHead(cairo_t* cr, double baseX, double cy, double length, double halfHeight, double inkWidth) {
    cairo_new_path(cr);
    cairo_move_to(cr, baseX, cy - halfHeight);
    cairo_line_to(cr, baseX + length, cy);
    cairo_line_to(cr, baseX, cy + halfHeight);
    cairo_close_path(cr);
    setColor(cr, palette::kInk);
    cairo_set_line_width(cr, inkWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    fillVerticalGradient(cr, cy - halfHeight, cy + halfHeight, guiPalette::kCream, palette::kGold);
    cairo_new_path(cr);
}

void drawBrassRivet(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    fillRoundShading(cr, cx, cy, radius, guiPalette::kBrass);
    strokeInk(cr, std::max(0.8, radius * 0.25), 0.8);
    cairo_new_path(cr);
    cairo_arc(cr, cx - radius * 0.3, cy - radius * 0.35, radius * 0.28, 0, 2 * M_PI);
    setColor(cr, palette::kWhite, 0.7);
    cairo_fill(cr);
}

namespace {

void ropeStrands(cairo_t* cr, double length, double thickness, double period) {
    const double half = thickness / 2;
    for (double s = -period * 2; s < length + period; s += period) {
        cairo_new_path(cr);
        cairo_move_to(cr, s, -half);
        cairo_curve_to(cr, s + period * 0.55, -half * 0.2, s + period * 0.45, half * 0.2, s + period, half);
        setColor(cr, darken(guiPalette::kRope, 0.55), 0.85);
        cairo_set_line_width(cr, std::max(1.0, thickness * 0.16));
        cairo_stroke(cr);
        cairo_move_to(cr, s + period * 0.3, -half * 0.75);
        cairo_curve_to(cr, s + period * 0.7, -half * 0.3, s + period * 0.6, 0, s + period * 0.75, half * 0.2);
        setColor(cr, lighten(guiPalette::kRope, 0.5), 0.7);
        cairo_set_line_width(cr, std::max(0.8, thickness * 0.12));
        cairo_stroke(cr);
    }
}

}  // namespace

void drawRope(cairo_t* cr, double x0, double y0, double x1, double y1, double thickness, double period) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, -thickness / 2, length, thickness);
    cairo_pattern_t* across = cairo_pattern_create_linear(0, -thickness / 2, 0, thickness / 2);
    const Rgb light = lighten(guiPalette::kRope, 0.25);
    const Rgb dark = darken(guiPalette::kRope, 0.45);
    cairo_pattern_add_color_stop_rgb(across, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(across, 0.6, guiPalette::kRope.r, guiPalette::kRope.g, guiPalette::kRope.b);
    cairo_pattern_add_color_stop_rgb(across, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, across);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(across);
    cairo_clip(cr);
    ropeStrands(cr, length, thickness, period);
    cairo_restore(cr);
}

RgbaImage woodPlank(const PlankSpec& spec) {
    Canvas body(spec.width, spec.height);
    roundedRectPath(body.cr(), spec.x, spec.y, spec.w, spec.h, spec.radius);
    fillVerticalGradient(body.cr(), spec.y, spec.y + spec.h, lighten(spec.color, 0.18), darken(spec.color, 0.25));
    RgbaImage wood = body.toImage();
    woodGrain(wood, {0.2, 4.5, spec.seed, 0, false});
    Canvas canvas(spec.width, spec.height);
    canvas.drawImage(wood, 0, 0);
    cairo_t* cr = canvas.cr();
    roundedRectPath(cr, spec.x + 3, spec.y + 3, spec.w - 6, spec.h - 6, std::max(1.0, spec.radius - 3));
    setColor(cr, lighten(spec.color, 0.45), 0.35);  // the bevelled lip
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    roundedRectPath(cr, spec.x, spec.y, spec.w, spec.h, spec.radius);
    strokeInk(cr, 2.2);
    rimLight(cr, spec.x + spec.w * 0.3, spec.y + spec.h * 0.3, std::max(spec.w, spec.h) * 0.5, 0.5);
    RgbaImage image = canvas.toImage();
    return spec.shadow > 0 ? withDropShadow(image, 2, 4, 3, spec.shadow) : image;
}

void drawRecess(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb color) {
    cairo_new_path(cr);
    roundedRectPath(cr, x, y, w, h, radius);
    fillVerticalGradient(cr, y, y + h, darken(color, 0.45), color);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_translate(cr, 0, 2);
    setColor(cr, palette::kInk, 0.55);  // the upper rim throws a shadow into the recess
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    setColor(cr, palette::kInk, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    roundedRectPath(cr, x + 1, y + 1.5, w - 2, h - 1, radius);
    cairo_new_path(cr);
    cairo_move_to(cr, x + radius, y + h + 1);
    cairo_line_to(cr, x + w - radius, y + h + 1);
    setColor(cr, palette::kWhite, 0.3);  // light on the lower lip
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

RgbaImage parchmentSheet(int width, int height, double inset, uint32_t seed) {
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    ArtRandom random(seed);
    const double w = width - inset * 2;
    const double h = height - inset * 2;
    roundedRectPath(cr, inset, inset, w, h, std::min(w, h) * 0.06);
    cairo_pattern_t* glow = cairo_pattern_create_radial(width * 0.45, height * 0.4, 0, width / 2.0, height / 2.0,
                                                        std::max(width, height) * 0.62);
    const Rgb edge = mix(palette::kParchment, palette::kSandShade, 0.75);
    cairo_pattern_add_color_stop_rgb(glow, 0, 1.0, 0.97, 0.86);
    cairo_pattern_add_color_stop_rgb(glow, 0.6, palette::kParchment.r, palette::kParchment.g, palette::kParchment.b);
    cairo_pattern_add_color_stop_rgb(glow, 1, edge.r, edge.g, edge.b);
    cairo_set_source(cr, glow);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glow);
    // Burnt edges: a wide dark stroke kept inside the sheet.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setColor(cr, palette::kWood, 0.35);
    cairo_set_line_width(cr, std::min(w, h) * 0.07);
    cairo_stroke_preserve(cr);
    cairo_restore(cr);
    strokeInk(cr, 1.6, 0.55);
    RgbaImage image = canvas.toImage();
    mottle(image, {std::max(18.0, w / 14), 0.07, random.next(), 0, 0});
    return image;
}

RgbaImage contactSheet(const std::vector<SheetEntry>& entries, int columns, int cellSize, const Rgb* backdrop) {
    constexpr int kLabel = 18;
    const int count = static_cast<int>(entries.size());
    const int rows = std::max(1, (count + columns - 1) / columns);
    Canvas canvas(columns * cellSize, rows * (cellSize + kLabel));
    cairo_t* cr = canvas.cr();
    for (int y = 0; y < canvas.height(); y += 8) {
        for (int x = 0; x < canvas.width(); x += 8) {
            const double grey = ((x / 8 + y / 8) % 2) ? 0.62 : 0.74;
            if (backdrop) setColor(cr, *backdrop);
            else cairo_set_source_rgb(cr, grey, grey, grey);
            cairo_rectangle(cr, x, y, 8, 8);
            cairo_fill(cr);
        }
    }
    for (int i = 0; i < count; ++i) {
        const RgbaImage& image = *entries[i].image;
        const int cx = (i % columns) * cellSize;
        const int cy = (i / columns) * (cellSize + kLabel);
        const double fit = (cellSize - 8.0) / std::max(image.width, image.height);
        const double scale = std::min(fit, 2.0);
        canvas.drawImage(image, cx + (cellSize - image.width * scale) / 2, cy + (cellSize - image.height * scale) / 2,
                         scale);
        drawCentredText(cr, entries[i].name, cx + cellSize / 2.0, cy + cellSize + 13, Face::Sans, 11,
                        backdrop ? palette::kWhite : palette::kInk);
    }
    return canvas.toImage();
}
