#include "tools/forge/fonts/font_preview.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct PreviewGlyph {
    long left = 0, top = 0, right = 0, bottom = 0, advance = 0, offsetX = 0, offsetY = 0;
};

struct PreviewFont {
    long lineHeight = 0;
    std::map<unsigned long, PreviewGlyph> glyphs;
};

PreviewFont readTable(const std::string& table) {
    PreviewFont font;
    std::istringstream in(table);
    std::string header;
    std::getline(in, header);
    long version = 0, pages = 0, count = 0;
    std::sscanf(header.c_str(), "%%ktext %ld %ld %ld %ld", &version, &pages, &count, &font.lineHeight);
    std::string line;
    while (std::getline(in, line)) {
        unsigned long code = 0;
        PreviewGlyph g;
        long height = 0, page = 0;
        if (std::sscanf(line.c_str(), "%lu %ld %ld %ld %ld %ld %ld %ld %ld %ld", &code, &g.left, &g.top, &g.right,
                        &g.bottom, &g.advance, &height, &page, &g.offsetX, &g.offsetY) == 10) {
            font.glyphs[code] = g;
        }
    }
    return font;
}

std::vector<unsigned long> decodeUtf8(const std::string& text) {
    std::vector<unsigned long> codes;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned long code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k) code = (code << 6) | (text[i + k] & 0x3F);
        codes.push_back(code);
        i += static_cast<size_t>(extra) + 1;
    }
    return codes;
}

void fill(RgbaImage& image, int x0, int y0, int w, int h, const uint8_t rgb[3]) {
    for (int y = std::max(0, y0); y < std::min(image.height, y0 + h); ++y) {
        for (int x = std::max(0, x0); x < std::min(image.width, x0 + w); ++x) {
            uint8_t* p = image.at(x, y);
            p[0] = rgb[0], p[1] = rgb[1], p[2] = rgb[2], p[3] = 255;
        }
    }
}

void drawText(RgbaImage& target, const RgbaImage& page, const PreviewFont& font, const std::string& text, int x, int y,
              const uint8_t rgb[3]) {
    double pen = x;
    for (unsigned long code : decodeUtf8(text)) {
        const auto found = font.glyphs.find(code);
        if (found == font.glyphs.end()) continue;
        const PreviewGlyph& g = found->second;
        const int left = static_cast<int>(pen + 0.5) + static_cast<int>(g.offsetX);
        const int top = y + static_cast<int>(g.offsetY);
        for (long sy = g.top; sy <= g.bottom; ++sy) {
            for (long sx = g.left; sx <= g.right; ++sx) {
                const int tx = left + static_cast<int>(sx - g.left), ty = top + static_cast<int>(sy - g.top);
                if (tx < 0 || ty < 0 || tx >= target.width || ty >= target.height) continue;
                const int a = page.at(static_cast<int>(sx), static_cast<int>(sy))[3];
                uint8_t* p = target.at(tx, ty);
                for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>((rgb[c] * a + p[c] * (255 - a)) / 255);
            }
        }
        pen += static_cast<double>(g.advance);
    }
}

}  // namespace

RgbaImage fontPreview(const RgbaImage& page, const std::string& table) {
    const PreviewFont font = readTable(table);
    static const char* const kSamples[] = {
        "The quick brown fox jumps over the lazy dog. 0123456789",
        "Captain Harrow & Professor Quill: \"Welcome to Quorvane!\"",
        "\xC3\x80\xC3\x89\xC3\x8E\xC3\x95\xC3\x9C \xC3\xA0\xC3\xA9\xC3\xAE\xC3\xB5\xC3\xBC \xC3\xA7\xC3\xB1\xC3\x9F "
        "\xC2\xBF\xC2\xA1 \xC2\xAB\xC2\xBB \xC2\xA3 \xC2\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x94 \xE2\x80\xA6",
    };
    constexpr int kWidth = 1000;
    constexpr int kPad = 12;
    const int line = static_cast<int>(std::max(1L, font.lineHeight));
    const int panel = 3 * line + 2 * kPad;
    RgbaImage sheet(kWidth, 2 * panel + page.height + kPad);
    constexpr uint8_t kDark[3] = {38, 52, 70}, kParchment[3] = {246, 234, 200}, kWhite[3] = {255, 255, 255};
    constexpr uint8_t kInk[3] = {26, 26, 26}, kGrey[3] = {90, 90, 90};
    fill(sheet, 0, 0, kWidth, panel, kDark);
    fill(sheet, 0, panel, kWidth, panel, kParchment);
    fill(sheet, 0, 2 * panel, kWidth, page.height + kPad, kGrey);
    for (int i = 0; i < 3; ++i) {
        drawText(sheet, page, font, kSamples[i], kPad, kPad + i * line, kWhite);
        drawText(sheet, page, font, kSamples[i], kPad, panel + kPad + i * line, kInk);
    }
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < std::min(page.width, kWidth); ++x) {
            uint8_t* p = sheet.at(x, 2 * panel + y);
            const int a = page.at(x, y)[3];
            for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>((255 * a + p[c] * (255 - a)) / 255);
        }
    }
    return sheet;
}
