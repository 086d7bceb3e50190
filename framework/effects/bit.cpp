#include "framework/effects/bit.h"

namespace {

constexpr int kNormalBlend = 0;
constexpr int kAdditiveBlend = 1;

void Apply(LDvSprite& sprite, const SpriteLook& look) {
    if (look.frame >= 0) sprite.SetFrame(look.frame);
    sprite.opacity = look.opacity;
    sprite.zoom = look.zoom;
    sprite.angle = look.angle;
    sprite.blendMode = look.additive ? kAdditiveBlend : kNormalBlend;
}

}  // namespace

void Bit::Finish() { finished = true; }

bool Bit::IsFinished() { return finished; }

void DrawCentred(LDvSprite& sprite, float cx, float cy, const SpriteLook& look) {
    Apply(sprite, look);
    sprite.SetCentre(cx, cy);
    sprite.Draw();
}

void DrawTopLeft(LDvSprite& sprite, float left, float top, const SpriteLook& look) {
    Apply(sprite, look);
    sprite.x = left;
    sprite.y = top;
    sprite.Draw();
}
