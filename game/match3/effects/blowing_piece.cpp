#include "game/match3/effects/blowing_piece.h"

namespace {
constexpr int kBlowSteps = 40;
constexpr float kSpinDegrees = 3.0f;
constexpr float kFadeInUntil = 0.7f;   // remaining fraction above which it is still fading in
}  // namespace

BlowingPiece::BlowingPiece(LDvPoint at, LDvSprite& picture) : sprite(picture), remaining(kBlowSteps) {
    x = static_cast<float>(at.x);
    y = static_cast<float>(at.y);
}

void BlowingPiece::OnTick(int) {
    if (finished) return;
    --remaining;
    const float f = static_cast<float>(remaining) / kBlowSteps;
    x += static_cast<float>(static_cast<int>(speed));
    speed += 1.0f;
    ++frame;
    if (frame >= sprite.frameCount) frame = 0;
    angle += kSpinDegrees;
    opacity = f > kFadeInUntil ? 1.0f - 0.5f * (f - kFadeInUntil) / (1.0f - kFadeInUntil) : 1.0f;
    if (remaining <= 0) Finish();
}

void BlowingPiece::Draw() {
    if (finished) return;
    SpriteLook look;
    look.frame = frame;
    look.angle = angle;
    look.opacity = opacity;
    DrawCentred(sprite, x, y, look);
}
