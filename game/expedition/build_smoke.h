#pragma once
// One puff of construction smoke: a random frame of the smoke picture that rises, swells and
// shrinks again while it spins, for 150 steps. It draws through its owner's smoke sprite, which
// must outlive it.
#include <cstdint>

#include "framework/effects/bit.h"

class BuildSmoke : public Bit {
public:
    static constexpr int32_t kLife = 150;   // steps

    BuildSmoke(LDvSprite& sheet, float startX, float startY);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sheet;                       // "fx/csmoke.png", the building's owner's
    int32_t frame = 0;
    float spin = 0.0f;                      // degrees per step, 1..3 either way
    int32_t opacityPercent = 100;
    int32_t life = kLife;
    int32_t totalLife = kLife;
};
