#include "game/match3/tornado.h"

#include "framework/core/int_cos.h"
#include "framework/effects/bit.h"

namespace {

constexpr float kBaseTurn = 0.5f;          // degrees per step of the lowest layer
constexpr float kTurnPerLayer = 0.9f;      // each layer above turns this much faster
constexpr int kSwayRadius = 20;            // pixels
constexpr int kLayerRise = 25;             // pixels between layers
constexpr float kBaseZoom = 0.05f;
constexpr float kZoomPerLayer = 0.1f;
constexpr float kFadeFraction = 0.3f;      // of the lifetime, at each end

}  // namespace

Tornado::Tornado(LDvSprite& sprite) : spiral(sprite) {}

void Tornado::start(int cx, int cy) {
    centreX = static_cast<float>(cx);
    centreY = static_cast<float>(cy);
    x = centreX - static_cast<float>(spiral.frameWidth / 2);
    y = centreY - static_cast<float>(spiral.frameHeight / 2);
    remaining = kLifetime;
    alpha = 0.0f;
}

void Tornado::OnTick(int tick) {
    if (remaining <= 0) return;
    --remaining;
    for (int i = 0; i < kLayers; ++i) {
        angles[i] += kBaseTurn + kTurnPerLayer * static_cast<float>(i);
        xWobble[i] = IntCos(tick + 90 + i, kSwayRadius);
    }
    const float f = static_cast<float>(remaining) / kLifetime;
    if (f < kFadeFraction) {
        alpha = f / kFadeFraction;
    } else if (f > 1.0f - kFadeFraction) {
        alpha = 1.0f - (f - (1.0f - kFadeFraction)) / kFadeFraction;
    } else {
        alpha = 1.0f;
    }
}

void Tornado::Draw() {
    if (remaining <= 0) return;
    for (int i = 0; i < kLayers; ++i) {
        SpriteLook look;
        look.zoom = kBaseZoom + kZoomPerLayer * static_cast<float>(i);
        look.angle = angles[i];
        look.opacity = alpha;
        DrawCentred(spiral, centreX + static_cast<float>(xWobble[i]), centreY - static_cast<float>(kLayerRise * i), look);
    }
}
