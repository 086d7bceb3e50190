#include "game/match3/effects/traveling_bit.h"

#include <cmath>

namespace {
constexpr int kTravelSteps = 60;
constexpr float kArcPixels = 25.0f;
constexpr float kGrowUntil = 0.7f;     // remaining fraction above which it still grows
constexpr float kShrinkFrom = 0.3f;    // remaining fraction below which it shrinks
constexpr float kPi = 3.14159265358979f;

float SizeAt(float f) {
    if (f > kGrowUntil) return 1.0f - 0.5f * (f - kGrowUntil) / (1.0f - kGrowUntil);
    if (f < kShrinkFrom) return 0.3f + 0.7f * f / kShrinkFrom;
    return 1.0f;
}
}  // namespace

TravelingBit::TravelingBit(LDvPoint from, LDvPoint to, LDvSprite& picture)
    : sprite(picture), start(from), end(to), remaining(kTravelSteps) {
    x = static_cast<float>(start.x);
    y = static_cast<float>(start.y);
}

void TravelingBit::OnTick(int) {
    if (finished) return;
    --remaining;
    const float f = static_cast<float>(remaining) / kTravelSteps;
    x = static_cast<float>(end.x + static_cast<int>(static_cast<float>(start.x - end.x) * f));
    y = static_cast<float>(end.y +
                           static_cast<int>(kArcPixels * std::sin(kPi * f) + static_cast<float>(start.y - end.y) * f));
    opacity = SizeAt(f);
    zoom = opacity;
    if (remaining <= 0) Finish();
}

void TravelingBit::Draw() {
    if (finished) return;
    SpriteLook look;
    look.opacity = opacity;
    look.zoom = zoom;
    DrawCentred(sprite, x, y, look);
}
