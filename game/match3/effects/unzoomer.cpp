#include "game/match3/effects/unzoomer.h"

namespace {
constexpr float kZoomLost = 0.9f;
constexpr float kOpacityLost = 80.0f;  // percent
}  // namespace

Unzoomer::Unzoomer(int duration, LDvSprite& picture, int px, int py)
    : sprite(picture), total(duration), remaining(duration) {
    x = static_cast<float>(px);
    y = static_cast<float>(py);
    if (total <= 0) Finish();
}

void Unzoomer::OnTick(int) {
    if (finished) return;
    --remaining;
    const float t = Elapsed(remaining, total);
    zoom = 1.0f - kZoomLost * t * t;
    opacityPercent = static_cast<int32_t>(100.0f - kOpacityLost * t * t);
    if (remaining <= 0) Finish();
}

void Unzoomer::Draw() {
    if (finished) return;
    SpriteLook look;
    look.zoom = zoom;
    look.opacity = static_cast<float>(opacityPercent) / 100.0f;
    look.additive = true;
    DrawCentred(sprite, x, y, look);
}
