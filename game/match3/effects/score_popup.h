#pragma once
// The points won at a spot: a frame of the score sheet ("states/playing/score.png") that rises and
// ends after 25 steps. Amounts without a frame show frame 0 without rising.
#include <cstdint>

#include "framework/effects/bit.h"

class ScorePopup : public Bit {
public:
    // sheet: the owner's score sheet, frames 5, 10, 50, 100 and 150.
    ScorePopup(int amount, LDvPoint at, LDvSprite& sheet);

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sheet;
    int32_t frame = 0;
    int32_t rise = 0;                  // pixels risen by the end
    float offset = 0.0f;               // pixels risen so far
    int32_t remaining = 0;
};
