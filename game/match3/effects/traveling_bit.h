#pragma once
// A star flying from where points were won to the score display over 60 steps: a straight line
// with a slight downward arc, growing at the start and shrinking at the end. It lands exactly on
// the end point.
#include <cstdint>

#include "framework/effects/bit.h"

class TravelingBit : public Bit {
public:
    TravelingBit(LDvPoint start, LDvPoint end, LDvSprite& sprite);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sprite;                 // the owner's
    LDvPoint start;
    LDvPoint end;
    int32_t remaining = 0;
};
