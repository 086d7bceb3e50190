#include "game/expedition/build_smoke.h"

#include <cmath>

#include "framework/core/game_random.h"

namespace {

constexpr int kMaxStartAngle = 180;
constexpr int kMinSpin = 1;
constexpr int kMaxSpin = 3;
constexpr float kRise = 2.0f;              // pixels per step at the start, slowing to none
constexpr float kSmallest = 0.2f;          // the puff swells from this to 0.6 over its first half
constexpr float kSwell = 0.4f;
constexpr float kLargest = 0.6f;
constexpr float kShrink = 0.5f;            // and shrinks by this much over its second half

}  // namespace

BuildSmoke::BuildSmoke(LDvSprite& sprite, float startX, float startY) : sheet(sprite) {
    frame = RandomRange(0, sheet.frameCount > 1 ? sheet.frameCount - 1 : 0);
    angle = static_cast<float>(RandomRange(0, kMaxStartAngle));
    spin = static_cast<float>(RandomRange(kMinSpin, kMaxSpin));
    if (GameRand() & 1) spin = -spin;
    x = startX;
    y = startY;
    zoom = kSmallest;
}

void BuildSmoke::OnTick(int) {
    if (finished) return;
    --life;
    angle += spin;
    const float t = Elapsed(life, totalLife);
    y -= kRise * (1.0f - std::sqrt(t));
    zoom = t < 0.5f ? kSmallest + kSwell * std::sqrt(2.0f * t) : kLargest - kShrink * std::sqrt(2.0f * (t - 0.5f));
    if (life <= 0) Finish();
}

void BuildSmoke::Draw() {
    if (finished) return;
    SpriteLook look;
    look.frame = sheet.frameCount > 1 ? frame : -1;
    look.angle = angle;
    look.zoom = zoom;
    look.opacity = static_cast<float>(opacityPercent) / 100.0f;
    DrawCentred(sheet, x, y, look);
}
