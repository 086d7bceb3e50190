#include "game/match3/effects/uncolorizer.h"

#include <cmath>

namespace {
constexpr int kUncolorSteps = 50;
constexpr float kMaxSpread = 55.0f;
}  // namespace

Uncolorizer::Uncolorizer(LDvPoint at, LDvSprite& right, LDvSprite& left)
    : halfA(right), halfB(left), remaining(kUncolorSteps) {
    x = static_cast<float>(at.x);
    y = static_cast<float>(at.y);
}

void Uncolorizer::OnTick(int) {
    if (finished) return;
    --remaining;
    const float t = Elapsed(remaining, kUncolorSteps);
    spread = kMaxSpread * std::sqrt(t);
    opacityPercent = static_cast<int32_t>(100.0f - 100.0f * t * t);
    zoom = 1.0f - t * t;
    if (remaining <= 0) Finish();
}

void Uncolorizer::Draw() {
    if (finished) return;
    SpriteLook look;
    look.opacity = static_cast<float>(opacityPercent) / 100.0f;
    look.zoom = zoom;
    look.additive = true;
    DrawCentred(halfA, x + spread, y, look);
    DrawCentred(halfB, x - spread, y, look);
}
