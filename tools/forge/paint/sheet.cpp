#include "tools/forge/paint/sheet.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/core/canvas.h"

uint32_t ForgeRandom::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double ForgeRandom::unit() { return (next() >> 8) / 16777216.0; }

double ForgeRandom::uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }

int ForgeRandom::range(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
}

RgbaImage assembleSheet(const std::vector<RgbaImage>& frames, int columns, int rows) {
    if (frames.empty() || columns <= 0 || rows <= 0) return {};
    const int fw = frames.front().width;
    const int fh = frames.front().height;
    RgbaImage sheet(fw * columns, fh * rows);
    for (size_t i = 0; i < frames.size() && static_cast<int>(i) < columns * rows; ++i) {
        const RgbaImage& frame = frames[i];
        const int ox = static_cast<int>(i) % columns * fw;
        const int oy = static_cast<int>(i) / columns * fh;
        for (int y = 0; y < std::min(fh, frame.height); ++y) {
            std::copy_n(frame.at(0, y), std::min(fw, frame.width) * 4, sheet.at(ox, oy + y));
        }
    }
    return sheet;
}

RgbaImage paintSheet(int columns, int rows, int frames, const FramePainter& painter) {
    std::vector<RgbaImage> images;
    images.reserve(frames);
    for (int i = 0; i < frames; ++i) images.push_back(painter(i));
    return assembleSheet(images, columns, rows);
}

void pasteOver(RgbaImage& target, const RgbaImage& source, int x, int y) {
    for (int sy = 0; sy < source.height; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= target.height) continue;
        for (int sx = 0; sx < source.width; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= target.width) continue;
            const uint8_t* s = source.at(sx, sy);
            uint8_t* t = target.at(tx, ty);
            const double sa = s[3] / 255.0;
            const double ta = t[3] / 255.0;
            const double oa = sa + ta * (1 - sa);
            if (oa <= 0) continue;
            for (int c = 0; c < 3; ++c) {
                const double v = (s[c] * sa + t[c] * ta * (1 - sa)) / oa;
                t[c] = static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
            }
            t[3] = static_cast<uint8_t>(std::lround(oa * 255));
        }
    }
}

RgbaImage cropImage(const RgbaImage& image, int x, int y, int width, int height) {
    RgbaImage out(width, height);
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const int sx = x + col;
            const int sy = y + row;
            if (sx < 0 || sy < 0 || sx >= image.width || sy >= image.height) continue;
            std::copy_n(image.at(sx, sy), 4, out.at(col, row));
        }
    }
    return out;
}

RgbaImage scaledCopy(const RgbaImage& image, int width, int height) {
    Canvas canvas(width, height);
    cairo_surface_t* source = surfaceFromImage(image);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, static_cast<double>(width) / image.width, static_cast<double>(height) / image.height);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_surface_destroy(source);
    return canvas.toImage();
}

RgbaImage tintedCopy(const RgbaImage& image, Rgb tint, double amount) {
    RgbaImage out = image;
    const double target[3] = {tint.r * 255, tint.g * 255, tint.b * 255};
    for (size_t i = 0; i < out.rgba.size(); i += 4) {
        for (int c = 0; c < 3; ++c) {
            out.rgba[i + c] = static_cast<uint8_t>(std::lround(out.rgba[i + c] + (target[c] - out.rgba[i + c]) * amount));
        }
    }
    return out;
}

RgbaImage greyedCopy(const RgbaImage& image, double dim) {
    RgbaImage out = image;
    for (size_t i = 0; i < out.rgba.size(); i += 4) {
        const double luma = 0.3 * out.rgba[i] + 0.59 * out.rgba[i + 1] + 0.11 * out.rgba[i + 2];
        const double v = std::clamp(luma * (1 - dim) + 20 * dim, 0.0, 255.0);
        out.rgba[i] = out.rgba[i + 1] = out.rgba[i + 2] = static_cast<uint8_t>(std::lround(v));
    }
    return out;
}

RgbaImage previewOver(const RgbaImage& image, Rgb backdrop, int scale) {
    RgbaImage base(image.width, image.height);
    for (size_t i = 0; i < base.rgba.size(); i += 4) {
        base.rgba[i] = static_cast<uint8_t>(backdrop.r * 255);
        base.rgba[i + 1] = static_cast<uint8_t>(backdrop.g * 255);
        base.rgba[i + 2] = static_cast<uint8_t>(backdrop.b * 255);
        base.rgba[i + 3] = 255;
    }
    pasteOver(base, image, 0, 0);
    if (scale <= 1) return base;
    RgbaImage big(image.width * scale, image.height * scale);
    for (int y = 0; y < big.height; ++y) {
        for (int x = 0; x < big.width; ++x) std::copy_n(base.at(x / scale, y / scale), 4, big.at(x, y));
    }
    return big;
}

RgbaImage previewAdditive(const RgbaImage& image, int scale) {
    RgbaImage added(image.width, image.height);
    for (size_t i = 0; i < added.rgba.size(); i += 4) {
        const double a = image.rgba[i + 3] / 255.0;
        for (int c = 0; c < 3; ++c) added.rgba[i + c] = static_cast<uint8_t>(std::lround(image.rgba[i + c] * a));
        added.rgba[i + 3] = 255;
    }
    return previewOver(added, {0, 0, 0}, scale);
}

RgbaImage previewRow(const std::vector<RgbaImage>& images, int maxWidth, int gap) {
    int width = gap;
    int height = gap;
    int x = gap;
    int rowHeight = 0;
    std::vector<std::pair<int, int>> places;
    for (const RgbaImage& image : images) {
        if (x + image.width + gap > maxWidth && x > gap) {
            height += rowHeight + gap;
            x = gap;
            rowHeight = 0;
        }
        places.emplace_back(x, height);
        x += image.width + gap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, image.height);
    }
    height += rowHeight + gap;
    RgbaImage sheet = previewOver(RgbaImage(width, height), {0.18, 0.17, 0.2});
    for (size_t i = 0; i < images.size(); ++i) pasteOver(sheet, images[i], places[i].first, places[i].second);
    return sheet;
}
