#pragma once
// A counting number drawn with a digit sheet (frames 0..9): it holds for a while, then counts from
// its start value to its target. The play screen's score display, the level-end totals and the
// camp and map panels use it. It owns its digit sprite; the owner loads the sheet into it and runs
// countStep once per step.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Counter : public LDvOverlay {
public:
    static constexpr int kAwardCountTicks = 30;   // counting time started by awarded points
    static constexpr int kAwardHoldTicks = 60;    // the star's flight to the display

    void Draw() override;

    void countStep();
    // Shows `value` at once, without counting.
    void setValue(int value);
    // Points won on the board: the target grows; counting starts once the star has arrived.
    void addPoints(int amount);

    bool leadingZeros = false;
    int32_t digits = 6;                   // digit cells; the value is right-aligned in them
    int32_t target = 0;
    int32_t holdTicks = 0;                // steps before counting goes on
    int32_t shown = 0;
    int32_t startValue = 0;
    int32_t countTicks = 0;               // steps of counting left
    int32_t countTotal = 60;              // steps of a whole count
    LDvSprite digitSprite;                // 10 frames, 0..9
};
