#include "game/match3/effects/broken_bit.h"

#include <cmath>

#include "framework/core/game_random.h"

namespace {
constexpr int kMaxStartAngle = 180;
constexpr int kMinSpin = 1;
constexpr int kMaxSpin = 3;
constexpr int kVelocitySteps = 3;      // each axis takes -3..3 times the speed
}  // namespace

BrokenBit::BrokenBit(LDvSprite& sprite, LDvPoint start, int speed, int duration)
    : sheet(sprite), total(duration), remaining(duration) {
    frame = RandomRange(0, sheet.frameCount > 0 ? sheet.frameCount - 1 : 0);
    angle = static_cast<float>(RandomRange(0, kMaxStartAngle));
    spin = static_cast<float>(RandomRange(kMinSpin, kMaxSpin));
    if (GameRand() & 1) spin = -spin;
    velocityX = static_cast<float>(speed * RandomRange(-kVelocitySteps, kVelocitySteps));
    velocityY = static_cast<float>(speed * RandomRange(-kVelocitySteps, kVelocitySteps));
    x = static_cast<float>(start.x);
    y = static_cast<float>(start.y);
    if (total <= 0) Finish();
}

void BrokenBit::OnTick(int) {
    if (finished) return;
    // The slow-down is taken before the step's countdown, so the first step moves by the full
    // velocity and a one-step piece still moves.
    const float slowDown = 1.0f - std::sqrt(Elapsed(remaining, total));
    --remaining;
    angle += spin;
    x += velocityX * slowDown;
    y += velocityY * slowDown;
    if (remaining <= 0) Finish();
}

void BrokenBit::Draw() {
    if (finished) return;
    SpriteLook look;
    look.frame = frame;
    look.angle = angle;
    DrawCentred(sheet, x, y, look);
}
