#include "game/app/loading_screen.h"

#include <algorithm>
#include <cmath>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/frame_context.h"

namespace {

struct Colour {
    float r, g, b;
};

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The island's palette: deep sea, lagoon, sand, wood, gold and the warm ink of every outline.
constexpr Colour kNightSea{0.03f, 0.14f, 0.24f};
constexpr Colour kDeepSea{0.07f, 0.33f, 0.48f};
constexpr Colour kLagoon{0.20f, 0.72f, 0.78f};
constexpr Colour kSand{0.96f, 0.86f, 0.64f};
constexpr Colour kSandShade{0.82f, 0.66f, 0.42f};
constexpr Colour kInk{0.16f, 0.11f, 0.08f};
constexpr Colour kWood{0.55f, 0.35f, 0.20f};
constexpr Colour kWoodDark{0.36f, 0.22f, 0.12f};
constexpr Colour kTrack{0.11f, 0.04f, 0.01f};
constexpr Colour kGoldLight{1.0f, 0.93f, 0.55f};
constexpr Colour kGold{0.99f, 0.80f, 0.25f};
constexpr Colour kSunset{0.98f, 0.55f, 0.24f};

// Canvas layout (1600 x 900).
constexpr float kCanvasWidth = 1600.0f;
constexpr float kHorizonY = 560.0f;
constexpr float kBeachY = 790.0f;
constexpr float kCanvasHeight = 900.0f;
constexpr float kBandHeight = 20.0f;        // gradients are drawn as bands this tall
constexpr float kBarBandHeight = 3.0f;
constexpr float kBarWidth = 720.0f;
constexpr float kBarHeight = 28.0f;
constexpr float kBarTop = 700.0f;
constexpr float kBarRim = 8.0f;             // wood around the track
constexpr float kShadowOffset = 6.0f;
constexpr float kSunRadius = 110.0f;
constexpr float kGlowStep = 40.0f;          // each ring of the glow is this much wider
constexpr float kSliceHeight = 4.0f;
constexpr int kReflections = 9;

class Painter {
public:
    Painter(KGraphic& picture, float scale) : picture(picture), scale(scale) {}

    void Rect(float x1, float y1, float x2, float y2, Colour c, float alpha = 1.0f) {
        picture.fillRect(x1 * scale, y1 * scale, x2 * scale, y2 * scale, c.r, c.g, c.b, alpha);
    }
    // A top-to-bottom gradient in bands.
    void Gradient(float x1, float y1, float x2, float y2, Colour top, Colour bottom, float band = kBandHeight) {
        for (float y = y1; y < y2; y += band) {
            Rect(x1, y, x2, std::min(y + band, y2), Mix(top, bottom, (y - y1) / (y2 - y1)));
        }
    }
    // A box with its corners cut by `cut` pixels, which reads as rounded at this size.
    void Rounded(float x1, float y1, float x2, float y2, float cut, Colour c, float alpha = 1.0f) {
        Rect(x1 + cut, y1, x2 - cut, y2, c, alpha);
        Rect(x1, y1 + cut, x1 + cut, y2 - cut, c, alpha);
        Rect(x2 - cut, y1 + cut, x2, y2 - cut, c, alpha);
    }

private:
    KGraphic& picture;
    float scale;
};

// The sun sinking into the sea: a half disc in slices, its glow, and its light on the water.
void DrawSun(Painter& paint) {
    constexpr float kCentreX = kCanvasWidth / 2;
    for (int ring = 3; ring >= 1; --ring) {
        const float radius = kSunRadius + static_cast<float>(ring) * kGlowStep;
        for (float dy = -radius; dy < 0; dy += kSliceHeight) {
            const float half = std::sqrt(radius * radius - dy * dy);
            paint.Rect(kCentreX - half, kHorizonY + dy, kCentreX + half, kHorizonY + dy + kSliceHeight, kSunset, 0.1f);
        }
    }
    for (float dy = -kSunRadius; dy < 0; dy += kSliceHeight) {
        const float half = std::sqrt(kSunRadius * kSunRadius - dy * dy);
        paint.Rect(kCentreX - half, kHorizonY + dy, kCentreX + half, kHorizonY + dy + kSliceHeight,
                   Mix(kGoldLight, kSunset, (dy + kSunRadius) / kSunRadius));
    }
    for (int i = 0; i < kReflections; ++i) {
        const float y = kHorizonY + 8 + static_cast<float>(i) * 14;
        const float half = kSunRadius * (1.0f - static_cast<float>(i) / kReflections) * (i % 2 ? 0.6f : 0.9f);
        paint.Rect(kCentreX - half, y, kCentreX + half, y + 3, kGold, 0.45f - 0.04f * static_cast<float>(i));
    }
}

void DrawScenery(Painter& paint) {
    paint.Gradient(0, 0, kCanvasWidth, kHorizonY, kNightSea, kDeepSea);
    paint.Gradient(0, kHorizonY, kCanvasWidth, kBeachY, kDeepSea, kLagoon);
    DrawSun(paint);
    paint.Rect(0, kHorizonY - 2, kCanvasWidth, kHorizonY, kLagoon, 0.6f);  // the line where sea meets sky
    paint.Gradient(0, kBeachY, kCanvasWidth, kCanvasHeight, kSand, kSandShade);
    paint.Rect(0, kBeachY - 4, kCanvasWidth, kBeachY, {1.0f, 1.0f, 1.0f}, 0.55f);  // foam
}

void DrawBar(Painter& paint, float fraction) {
    const float left = (kCanvasWidth - kBarWidth) / 2;
    const float right = left + kBarWidth;
    const float bottom = kBarTop + kBarHeight;
    paint.Rounded(left - kBarRim + kShadowOffset, kBarTop - kBarRim + kShadowOffset, right + kBarRim + kShadowOffset,
                  bottom + kBarRim + kShadowOffset, 6, kInk, 0.35f);
    paint.Rounded(left - kBarRim - 2, kBarTop - kBarRim - 2, right + kBarRim + 2, bottom + kBarRim + 2, 7, kInk);
    paint.Rounded(left - kBarRim, kBarTop - kBarRim, right + kBarRim, bottom + kBarRim, 6, kWood);
    paint.Rect(left - kBarRim + 6, bottom + kBarRim - 3, right + kBarRim - 6, bottom + kBarRim, kWoodDark);
    paint.Rounded(left, kBarTop, right, bottom, 3, kTrack);
    const float filled = left + kBarWidth * std::clamp(fraction, 0.0f, 1.0f);
    if (filled - left < 6) return;
    paint.Gradient(left + 2, kBarTop + 2, filled - 2, bottom - 2, kGoldLight, kSunset, kBarBandHeight);
    paint.Rect(left + 4, kBarTop + 4, filled - 4, kBarTop + 7, {1.0f, 1.0f, 1.0f}, 0.4f);  // rim light
}

}  // namespace

bool DrawLoadingScreen(float fraction) {
    FrameContext& frame = Frame();
    if (frame.window == nullptr || frame.primitivePicture == nullptr) return false;
    KGraphic& picture = *frame.primitivePicture;
    const int blend = picture.getBlitBlend();
    picture.setBlitBlend(K_BLEND_NORMAL);
    Painter paint(picture, DrawScale());
    DrawScenery(paint);
    DrawBar(paint, fraction);
    picture.setBlitBlend(blend);
    frame.window->flipBackBuffer(true);
    return true;
}
