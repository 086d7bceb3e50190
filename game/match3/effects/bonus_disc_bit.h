#pragma once
// A collected air coin dropping from its cell to a point below over 30 steps, fading in.
#include <cstdint>

#include "framework/effects/bit.h"

class BonusDiscBit : public Bit {
public:
    BonusDiscBit(LDvPoint start, LDvPoint end, LDvSprite& sprite);

    void OnTick(int tickCount) override;
    void Draw() override;              // leaves the shared sprite at full opacity

    LDvSprite& sprite;                 // the owner's
    LDvPoint start;
    LDvPoint end;
    int32_t remaining = 0;
};
