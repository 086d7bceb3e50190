#pragma once
// Debris of a broken lock or an exploded crystal: a random frame of its sheet thrown in a random
// direction, spinning and slowing down until its time is up.
#include <cstdint>

#include "framework/effects/bit.h"

class BrokenBit : public Bit {
public:
    // speed scales the random velocity (locks 1, crystals 4); duration in steps.
    BrokenBit(LDvSprite& sheet, LDvPoint start, int speed, int duration);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sheet;                  // the owner's, shared by every piece of debris
    int32_t frame = 0;
    float spin = 0.0f;                 // degrees per step
    float velocityX = 0.0f;            // pixels per step at full speed
    float velocityY = 0.0f;
    int32_t total = 0;
    int32_t remaining = 0;
};
