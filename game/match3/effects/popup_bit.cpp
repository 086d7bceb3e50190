#include "game/match3/effects/popup_bit.h"

#include <cmath>

namespace {
constexpr int kPopupSteps = 35;
constexpr float kRisePixels = 50.0f;
}  // namespace

PopupBit::PopupBit(LDvPoint at, LDvSprite& picture) : sprite(picture), remaining(kPopupSteps) {
    x = static_cast<float>(at.x);
    y = static_cast<float>(at.y);
}

void PopupBit::OnTick(int) {
    if (finished) return;
    --remaining;
    const float t = Elapsed(remaining, kPopupSteps);
    rise = kRisePixels * std::sqrt(t);
    opacityPercent = static_cast<int32_t>(100.0f - 100.0f * t * t);
    if (remaining <= 0) Finish();
}

void PopupBit::Draw() {
    if (finished) return;
    SpriteLook look;
    look.opacity = static_cast<float>(opacityPercent) / 100.0f;
    DrawCentred(sprite, x, y - rise, look);
}
