#pragma once
// A colour layer taken off a square: its two halves fly apart left and right, shrinking and
// fading, additive, over 50 steps.
#include <cstdint>

#include "framework/effects/bit.h"

class Uncolorizer : public Bit {
public:
    Uncolorizer(LDvPoint at, LDvSprite& right, LDvSprite& left);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& halfA;                  // the owner's; flies right
    LDvSprite& halfB;                  // the owner's; flies left
    float spread = 0.0f;               // pixels from the centre
    int32_t opacityPercent = 100;
    int32_t remaining = 0;
};
