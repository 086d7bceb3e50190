#pragma once
// A piece taken by the wind: it spins off to the right with growing speed, cycling its frames,
// for 40 steps.
#include <cstdint>

#include "framework/effects/bit.h"

class BlowingPiece : public Bit {
public:
    BlowingPiece(LDvPoint at, LDvSprite& sprite);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sprite;                 // the owner's piece picture
    float speed = 0.0f;                // pixels per step, +1 each step
    int32_t frame = 0;
    int32_t remaining = 0;
};
