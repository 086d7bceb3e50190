#include "tools/forge/core/canvas.h"

#include <algorithm>
#include <cstring>

Canvas::Canvas(int width, int height)
    : w(width), h(height),
      target(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      context(cairo_create(target)) {}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(target);
}

RgbaImage Canvas::toImage() const {
    cairo_surface_flush(target);
    RgbaImage image(w, h);
    const unsigned char* data = cairo_image_surface_get_data(target);
    const int stride = cairo_image_surface_get_stride(target);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            uint8_t* out = image.at(x, y);
            out[3] = static_cast<uint8_t>(a);
            if (a == 0) {
                out[0] = out[1] = out[2] = 0;
                continue;
            }
            out[0] = static_cast<uint8_t>(std::min<uint32_t>(255, (((p >> 16) & 0xff) * 255 + a / 2) / a));
            out[1] = static_cast<uint8_t>(std::min<uint32_t>(255, (((p >> 8) & 0xff) * 255 + a / 2) / a));
            out[2] = static_cast<uint8_t>(std::min<uint32_t>(255, ((p & 0xff) * 255 + a / 2) / a));
        }
    }
    return image;
}

cairo_surface_t* surfaceFromImage(const RgbaImage& image) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* in = image.at(x, y);
            const uint32_t a = in[3];
            const uint32_t r = (in[0] * a + 127) / 255;
            const uint32_t g = (in[1] * a + 127) / 255;
            const uint32_t b = (in[2] * a + 127) / 255;
            row[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

void Canvas::drawImage(const RgbaImage& image, double x, double y, double scale, double alpha) {
    cairo_surface_t* source = surfaceFromImage(image);
    cairo_save(context);
    cairo_translate(context, x, y);
    cairo_scale(context, scale, scale);
    cairo_set_source_surface(context, source, 0, 0);
    cairo_paint_with_alpha(context, alpha);
    cairo_restore(context);
    cairo_surface_destroy(source);
}
