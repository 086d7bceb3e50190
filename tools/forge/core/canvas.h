#pragma once
// A Cairo drawing surface that hands its result over as a straight-alpha RgbaImage.
#include <cairo.h>

#include "tools/forge/core/rgba_image.h"

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return target; }
    int width() const { return w; }
    int height() const { return h; }

    RgbaImage toImage() const;               // un-premultiplied
    void drawImage(const RgbaImage& image, double x, double y, double scale = 1.0, double alpha = 1.0);

private:
    int w;
    int h;
    cairo_surface_t* target;
    cairo_t* context;
};

// A Cairo surface holding an RgbaImage (premultiplied for Cairo); the caller destroys it.
cairo_surface_t* surfaceFromImage(const RgbaImage& image);
