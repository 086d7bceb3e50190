#pragma once
// A picture that pops up over the play screen: it grows in over 15 steps, stays, and shrinks
// out over the last 5. It borrows the picture's sprite, which must outlive it.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Popup : public LDvOverlay {
public:
    static constexpr int kGrowTicks = 15;
    static constexpr int kShrinkTicks = 5;

    // Shows `sprite` centred on (cx, cy) for `ticks` steps in all.
    void show(LDvSprite& sprite, int cx, int cy, int ticks);
    void stop();
    bool isShowing() const { return remaining > 0; }
    float scale() const;                 // the zoom of the current step

    void OnTick(int tickCount) override;
    void Draw() override;

private:
    LDvSprite* picture = nullptr;
    int32_t total = 0;
    int32_t remaining = 0;
    int32_t centreX = 0;
    int32_t centreY = 0;
};
