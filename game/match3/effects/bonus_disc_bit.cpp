#include "game/match3/effects/bonus_disc_bit.h"

namespace {
constexpr int kDiscSteps = 30;
}  // namespace

BonusDiscBit::BonusDiscBit(LDvPoint from, LDvPoint to, LDvSprite& picture)
    : sprite(picture), start(from), end(to), remaining(kDiscSteps) {
    x = static_cast<float>(start.x);
    y = static_cast<float>(start.y);
}

void BonusDiscBit::OnTick(int) {
    if (finished) return;
    --remaining;
    const float f = static_cast<float>(remaining) / kDiscSteps;
    x = static_cast<float>(start.x);
    y = static_cast<float>(end.y + static_cast<int>(static_cast<float>(start.y - end.y) * f));
    opacity = 1.0f - f * f;
    zoom = 1.0f;
    if (remaining <= 0) Finish();
}

void BonusDiscBit::Draw() {
    if (finished) return;
    SpriteLook look;
    look.opacity = opacity;
    DrawCentred(sprite, x, y, look);
    sprite.opacity = 1.0f;
}
