// The game's bitmap fonts: each face is rendered with FreeType into one white page picture whose
// alpha is the glyph coverage (the game tints the text), and a font table that says where every
// glyph sits on the page and how far the pen moves after it.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tools/forge/core/forge.h"
#include "tools/forge/core/rgba_image.h"
#include "tools/forge/fonts/font_preview.h"

namespace {

struct FontSpec {
    const char* name;      // as the game asks for it; files are named in lower case
    const char* file;
    int pixelSize;         // em size in pixels on the 1600 x 900 canvas (points x 4/3)
};

constexpr FontSpec kFonts[] = {
    {"Artifika_14Pt", "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Bold.ttf", 19},
    {"Artifika_18Pt", "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Bold.ttf", 24},
    {"Artifika_24Pt", "/usr/share/fonts/truetype/averia-gwf/AveriaSerifGWF-Bold.ttf", 32},
    {"Vera-Bold_12pt", "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf", 16},
    {"ArchitectsDaughter_18Pt", "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf", 24},
};

// Latin-1 without its control codes, and the typographic marks translations tend to use.
std::vector<unsigned long> characterSet() {
    std::vector<unsigned long> codes;
    for (unsigned long c = 32; c <= 126; ++c) codes.push_back(c);
    for (unsigned long c = 160; c <= 255; ++c) codes.push_back(c);
    for (unsigned long c : {0x2013ul, 0x2014ul, 0x2018ul, 0x2019ul, 0x201Cul, 0x201Dul, 0x2022ul, 0x2026ul, 0x20ACul}) {
        codes.push_back(c);
    }
    return codes;
}

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using FaceHandle = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

struct Glyph {
    unsigned long code = 0;
    int width = 0, height = 0;  // of the coverage bitmap
    int bearingX = 0, bearingTop = 0;
    int advance = 0;
    std::vector<uint8_t> coverage;
    int pageX = 0, pageY = 0;  // top-left of the glyph's cell on the page
};

// Each glyph's cell keeps a transparent pixel around the coverage, so smooth sampling at the
// edge of a cell never picks up a neighbour; cells are one more pixel apart on the page.
constexpr int kCellMargin = 1;
constexpr int kCellGap = 1;

int cellWidth(const Glyph& g) { return g.width + 2 * kCellMargin; }
int cellHeight(const Glyph& g) { return g.height + 2 * kCellMargin; }

bool renderGlyph(FT_Face face, unsigned long code, Glyph& glyph) {
    if (FT_Get_Char_Index(face, code) == 0) return false;
    // Light hinting snaps heights to the pixel grid (crisp baselines) but keeps the shapes.
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.code = code;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.bearingX = slot->bitmap_left;
    glyph.bearingTop = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + glyph.width, glyph.coverage.begin() + static_cast<ptrdiff_t>(y) * glyph.width);
    }
    return true;
}

// Shelf packing, tallest glyphs first; answers the page height used.
int packGlyphs(std::vector<Glyph>& glyphs, int pageWidth) {
    std::vector<Glyph*> order;
    for (Glyph& g : glyphs) order.push_back(&g);
    std::stable_sort(order.begin(), order.end(), [](const Glyph* a, const Glyph* b) {
        return cellHeight(*a) > cellHeight(*b);
    });
    int x = 0, y = 0, shelf = 0;
    for (Glyph* g : order) {
        if (x + cellWidth(*g) > pageWidth) {
            x = 0;
            y += shelf + kCellGap;
            shelf = 0;
        }
        g->pageX = x;
        g->pageY = y;
        x += cellWidth(*g) + kCellGap;
        shelf = std::max(shelf, cellHeight(*g));
    }
    return y + shelf;
}

int pickPageWidth(const std::vector<Glyph>& glyphs) {
    constexpr int kMaxPageWidth = 1024;
    long area = 0;
    for (const Glyph& g : glyphs) area += static_cast<long>(cellWidth(g) + kCellGap) * (cellHeight(g) + kCellGap);
    int width = 128;
    while (width < kMaxPageWidth && static_cast<long>(width) * width < area * 2) width *= 2;
    return width;
}

RgbaImage paintPage(const std::vector<Glyph>& glyphs, int width, int height) {
    RgbaImage page(width, height);
    for (size_t i = 0; i < page.rgba.size(); i += 4) page.rgba[i] = page.rgba[i + 1] = page.rgba[i + 2] = 255;
    for (const Glyph& g : glyphs) {
        for (int y = 0; y < g.height; ++y) {
            for (int x = 0; x < g.width; ++x) {
                page.at(g.pageX + kCellMargin + x, g.pageY + kCellMargin + y)[3] =
                    g.coverage[static_cast<size_t>(y) * g.width + x];
            }
        }
    }
    return page;
}

struct FaceMetrics {
    int ascender = 0;
    int lineHeight = 0;
};

std::string fontTable(const std::vector<Glyph>& glyphs, const FaceMetrics& metrics) {
    constexpr int kVersion = 2;
    constexpr int kPages = 1;
    std::string table = "%ktext " + std::to_string(kVersion) + " " + std::to_string(kPages) + " " +
                        std::to_string(glyphs.size()) + " " + std::to_string(metrics.lineHeight) + "\n";
    char line[160];
    for (const Glyph& g : glyphs) {
        std::snprintf(line, sizeof line, "%lu %d %d %d %d %d %d %d %d %d\n", g.code, g.pageX, g.pageY,
                      g.pageX + cellWidth(g) - 1, g.pageY + cellHeight(g) - 1, g.advance, metrics.lineHeight, 0,
                      g.bearingX - kCellMargin, metrics.ascender - g.bearingTop - kCellMargin);
        table += line;
    }
    return table;
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

FORGE_STEP(fonts) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) return forge.fail("FreeType did not start");
    const LibraryHandle library(rawLibrary);
    const std::vector<unsigned long> codes = characterSet();
    for (const FontSpec& spec : kFonts) {
        FT_Face rawFace = nullptr;
        if (FT_New_Face(library.get(), spec.file, 0, &rawFace) != 0) {
            forge.fail(std::string("missing font file ") + spec.file + " (install its Debian package)");
            continue;
        }
        const FaceHandle face(rawFace);
        FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(spec.pixelSize));
        std::vector<Glyph> glyphs;
        for (unsigned long code : codes) {
            Glyph glyph;
            if (renderGlyph(face.get(), code, glyph)) glyphs.push_back(std::move(glyph));
        }
        FaceMetrics metrics;
        metrics.ascender = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
        metrics.lineHeight = static_cast<int>((face->size->metrics.height + 32) >> 6);
        const int width = pickPageWidth(glyphs);
        const int height = (packGlyphs(glyphs, width) + 3) / 4 * 4;
        const RgbaImage page = paintPage(glyphs, width, height);
        const std::string table = fontTable(glyphs, metrics);
        const std::string base = "fonts/" + lowerCase(spec.name);
        forge.writePng(base + ".png", page);
        forge.writeText(base + ".table", table);
        forge.addContactSheet("font_" + lowerCase(spec.name), fontPreview(page, table));
    }
}
