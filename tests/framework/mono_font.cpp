#include "tests/framework/mono_font.h"

#include <cstdint>
#include <vector>

#include "tools/forge/core/encoders.h"
#include "tools/forge/core/rgba_image.h"

namespace {

constexpr int kFirstPrintable = 33;
constexpr int kLastPrintable = 126;  // "~" is a glyph too, so drawing it would show

std::string GlyphLine(int code, int left) {
    const int right = left + kMonoGlyphWidth - 1;
    return std::to_string(code) + " " + std::to_string(left) + " 0 " + std::to_string(right) + " " +
           std::to_string(kMonoGlyphHeight - 1) + " " + std::to_string(kMonoAdvance) + " " +
           std::to_string(kMonoLineHeight) + " 0 0 0\n";
}

}  // namespace

void WriteMonoFont(const PictureWorld& world) {
    // Left half a white block, right half transparent (the blank).
    RgbaImage page(2 * kMonoGlyphWidth, kMonoGlyphHeight);
    for (int y = 0; y < page.height; ++y) {
        for (int x = 0; x < kMonoGlyphWidth; ++x) {
            uint8_t* p = page.at(x, y);
            p[0] = p[1] = p[2] = p[3] = 255;
        }
    }
    std::vector<uint8_t> png;
    encodePng(page, png);
    world.writeFile("fonts/mono.png", std::string(png.begin(), png.end()));

    std::string table = "%ktext 1 1 " + std::to_string(kLastPrintable - kFirstPrintable + 2) + "\n";
    table += GlyphLine(' ', kMonoGlyphWidth);
    for (int code = kFirstPrintable; code <= kLastPrintable; ++code) table += GlyphLine(code, 0);
    world.writeFile("fonts/mono.table", table);
}
