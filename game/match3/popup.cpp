#include "game/match3/popup.h"

#include <algorithm>

#include "framework/effects/bit.h"

namespace {
constexpr float kOvershoot = 1.12f;        // the picture grows a little past full size, then settles
}

void Popup::show(LDvSprite& sprite, int cx, int cy, int ticks) {
    picture = &sprite;
    centreX = cx;
    centreY = cy;
    total = remaining = std::max(ticks, 1);
}

void Popup::stop() { remaining = 0; }

float Popup::scale() const {
    const int32_t shown = total - remaining;
    if (shown < kGrowTicks) {
        const float t = static_cast<float>(shown + 1) / kGrowTicks;
        // Up to the overshoot in the first two thirds, back to full size in the last third.
        return t < 0.67f ? kOvershoot * t / 0.67f : kOvershoot - (kOvershoot - 1.0f) * (t - 0.67f) / 0.33f;
    }
    if (remaining <= kShrinkTicks) return static_cast<float>(remaining) / (kShrinkTicks + 1);
    return 1.0f;
}

void Popup::OnTick(int) {
    if (remaining > 0) --remaining;
}

void Popup::Draw() {
    if (hidden || remaining <= 0 || picture == nullptr) return;
    SpriteLook look;
    look.zoom = scale();
    look.opacity = std::min(1.0f, look.zoom);
    DrawCentred(*picture, static_cast<float>(centreX), static_cast<float>(centreY), look);
}
