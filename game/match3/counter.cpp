#include "game/match3/counter.h"

namespace {
constexpr int kDecimalBase = 10;
}

void Counter::Draw() {
    if (hidden || digits <= 0) return;
    const int digitWidth = digitSprite.frameWidth;
    // A negative value has no digits to show; it is drawn as 0.
    int remaining = shown > 0 ? shown : 0;
    for (int cell = digits - 1; cell >= 0; --cell) {
        digitSprite.SetFrame(remaining % kDecimalBase);
        digitSprite.x = x + static_cast<float>(digitWidth * cell);
        digitSprite.y = y;
        digitSprite.Draw();
        remaining /= kDecimalBase;
        if (remaining == 0 && !leadingZeros) break;
    }
}

void Counter::countStep() {
    if (holdTicks > 0) {
        --holdTicks;
        return;
    }
    if (countTicks <= 0) return;
    --countTicks;
    if (countTicks == 0 || countTotal <= 0) {
        countTicks = 0;
        shown = startValue = target;
        return;
    }
    const double done = 1.0 - static_cast<double>(countTicks) / countTotal;
    shown = static_cast<int32_t>(startValue + done * (target - startValue));
}

void Counter::setValue(int value) {
    target = shown = startValue = value;
    countTicks = 0;
    holdTicks = 0;
}

void Counter::addPoints(int amount) {
    target += amount;
    if (countTicks == 0) countTicks = kAwardCountTicks;
    holdTicks = kAwardHoldTicks;
}
