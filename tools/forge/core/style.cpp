#include "tools/forge/core/style.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/forge/core/canvas.h"

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb lighten(Rgb c, double amount) { return mix(c, palette::kWhite, amount); }
Rgb darken(Rgb c, double amount) { return mix(c, palette::kInk, amount); }

void setColor(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void fillVerticalGradient(cairo_t* cr, double top, double bottom, Rgb topColor, Rgb bottomColor, double alpha) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgba(gradient, 0, topColor.r, topColor.g, topColor.b, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottomColor.r, bottomColor.g, bottomColor.b, alpha);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
}

void fillRoundShading(cairo_t* cr, double cx, double cy, double radius, Rgb base) {
    const Rgb light = lighten(base, 0.45);
    const Rgb dark = darken(base, 0.35);
    cairo_pattern_t* gradient =
        cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4, radius * 0.1, cx, cy, radius * 1.1);
    cairo_pattern_add_color_stop_rgb(gradient, 0, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(gradient, 0.55, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
}

void strokeInk(cairo_t* cr, double width, double alpha) {
    setColor(cr, palette::kInk, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
}

void rimLight(cairo_t* cr, double cx, double cy, double radius, double alpha) {
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(cx - radius, cy - radius, cx, cy);
    cairo_pattern_add_color_stop_rgba(gradient, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 0.35, 1, 1, 1, 0);
    cairo_set_source(cr, gradient);
    cairo_set_line_width(cr, radius * 0.12);
    cairo_stroke_preserve(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

namespace {

void blurChannelPass(std::vector<float>& values, int width, int height, int radius, bool horizontal) {
    std::vector<float> out(values.size());
    const int lines = horizontal ? height : width;
    const int length = horizontal ? width : height;
    for (int line = 0; line < lines; ++line) {
        auto index = [&](int i) { return horizontal ? line * width + i : i * width + line; };
        double sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += values[index(std::clamp(i, 0, length - 1))];
        for (int i = 0; i < length; ++i) {
            out[index(i)] = static_cast<float>(sum / (2 * radius + 1));
            sum += values[index(std::min(i + radius + 1, length - 1))];
            sum -= values[index(std::max(i - radius, 0))];
        }
    }
    values.swap(out);
}

}  // namespace

void blurValues(std::vector<float>& values, int width, int height, int radius) {
    if (radius <= 0 || width == 0 || height == 0) return;
    for (int pass = 0; pass < 3; ++pass) {
        blurChannelPass(values, width, height, radius, true);
        blurChannelPass(values, width, height, radius, false);
    }
}

void boxBlur(RgbaImage& image, int radius) {
    if (radius <= 0 || image.width == 0 || image.height == 0) return;
    const size_t count = static_cast<size_t>(image.width) * image.height;
    // Blur premultiplied colour so transparent pixels do not darken the edges.
    std::vector<std::vector<float>> channels(4, std::vector<float>(count));
    for (size_t i = 0; i < count; ++i) {
        const float a = image.rgba[i * 4 + 3] / 255.0f;
        for (int c = 0; c < 3; ++c) channels[c][i] = image.rgba[i * 4 + c] * a;
        channels[3][i] = image.rgba[i * 4 + 3];
    }
    for (auto& channel : channels) blurValues(channel, image.width, image.height, radius);
    for (size_t i = 0; i < count; ++i) {
        const float alpha = channels[3][i];
        image.rgba[i * 4 + 3] = static_cast<uint8_t>(std::lround(std::clamp(alpha, 0.0f, 255.0f)));
        for (int c = 0; c < 3; ++c) {
            const float v = alpha > 0.5f ? channels[c][i] / (alpha / 255.0f) : 0.0f;
            image.rgba[i * 4 + c] = static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
        }
    }
}

RgbaImage withDropShadow(const RgbaImage& image, double offsetX, double offsetY, int blurRadius, double alpha) {
    RgbaImage shadow = image;
    for (size_t i = 0; i < shadow.rgba.size(); i += 4) {
        shadow.rgba[i] = static_cast<uint8_t>(palette::kInk.r * 255);
        shadow.rgba[i + 1] = static_cast<uint8_t>(palette::kInk.g * 255);
        shadow.rgba[i + 2] = static_cast<uint8_t>(palette::kInk.b * 255);
        shadow.rgba[i + 3] = static_cast<uint8_t>(shadow.rgba[i + 3] * alpha);
    }
    boxBlur(shadow, blurRadius);
    Canvas canvas(image.width, image.height);
    canvas.drawImage(shadow, offsetX, offsetY);
    canvas.drawImage(image, 0, 0);
    return canvas.toImage();
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, std::max(0.01, ry));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void strokeRound(cairo_t* cr, Rgb color, double width, double alpha) {
    setColor(cr, color, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void shadeWithInk(cairo_t* cr, double cx, double cy, double radius, Rgb base, double ink) {
    fillRoundShading(cr, cx, cy, radius, base);
    strokeInk(cr, ink);
    cairo_new_path(cr);
}
