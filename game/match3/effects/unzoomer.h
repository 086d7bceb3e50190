#pragma once
// The flash of a new crystal: the picture shrinks to a tenth and fades, additive, over its time.
#include <cstdint>

#include "framework/effects/bit.h"

class Unzoomer : public Bit {
public:
    Unzoomer(int duration, LDvSprite& sprite, int x, int y);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sprite;                 // the owner's
    int32_t total = 0;
    int32_t remaining = 0;
    int32_t opacityPercent = 100;
};
