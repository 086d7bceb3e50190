#pragma once
// Cascade praise: the picture rises 50 pixels and fades over 35 steps.
#include <cstdint>

#include "framework/effects/bit.h"

class PopupBit : public Bit {
public:
    PopupBit(LDvPoint at, LDvSprite& sprite);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sprite;                 // the owner's
    float rise = 0.0f;                 // pixels risen so far
    int32_t opacityPercent = 100;
    int32_t remaining = 0;
};
