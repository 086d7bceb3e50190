#include "framework/ui/draw_primitives.h"

#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"

namespace {

struct ScaledPoint {
    float x = 0.0f;
    float y = 0.0f;
};

ScaledPoint Scaled(int x, int y) {
    const float s = DrawScale();
    return {static_cast<float>(x) * s, static_cast<float>(y) * s};
}

}  // namespace

void DrawRect(float r, float g, float b, float a, bool filled, int x1, int y1, int x2, int y2) {
    KGraphic* picture = Frame().primitivePicture.get();
    if (picture == nullptr) return;
    const ScaledPoint p1 = Scaled(x1, y1);
    const ScaledPoint p2 = Scaled(x2, y2);
    if (filled) {
        // The rectangle includes its right and bottom edges.
        picture->fillRect(p1.x, p1.y, p2.x + 1.0f, p2.y + 1.0f, r, g, b, a);
        return;
    }
    picture->drawLine(p1.x, p1.y, p2.x, p1.y, r, g, b, a);
    picture->drawLine(p2.x, p1.y, p2.x, p2.y, r, g, b, a);
    picture->drawLine(p2.x, p2.y, p1.x, p2.y, r, g, b, a);
    picture->drawLine(p1.x, p1.y, p1.x, p2.y, r, g, b, a);
}

void DrawLine(int x1, int y1, int x2, int y2, float r, float g, float b, float a) {
    KGraphic* picture = Frame().primitivePicture.get();
    if (picture == nullptr) return;
    const ScaledPoint p1 = Scaled(x1, y1);
    const ScaledPoint p2 = Scaled(x2, y2);
    picture->drawLine(p1.x, p1.y, p2.x, p2.y, r, g, b, a);
    // The end point is part of the line.
    picture->plotPixel(p2.x, p2.y, r, g, b, a);
}
