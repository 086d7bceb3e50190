#pragma once
// The sand of the hourglass in the play screen's bar (the glass itself is painted on the bar):
// the upper heap shrinks with the time left, the lower one grows, and a thin stream trickles
// between them while the clock runs. Both heaps are cropped from the top so their bottoms stay
// put. It borrows the three sand sprites of the picture bank, which must outlive it.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Hourglass : public LDvOverlay {
public:
    static constexpr int kTopSandX = 1172;
    static constexpr int kTopSandY = 820;
    static constexpr int kBottomSandX = 1172;
    static constexpr int kBottomSandY = 852;
    static constexpr int kDripX = 1186;
    static constexpr int kDripY = 850;
    static constexpr int kDripFrameTicks = 3;

    Hourglass(LDvSprite& topSand, LDvSprite& bottomSand, LDvSprite& drip);

    // f = time left / time total; the upper heap shows f x 100 % and the lower (1 - f) x 100 %.
    void setFraction(int32_t timeLeft, int32_t timeTotal);
    int32_t topPercent() const { return topShown; }
    int32_t bottomPercent() const { return bottomShown; }

    void OnTick(int tickCount) override;
    void Draw() override;

    bool running = false;                // the stream trickles

private:
    LDvSprite& top;
    LDvSprite& bottom;
    LDvSprite& drip;
    int32_t topShown = 100;
    int32_t bottomShown = 0;
    int32_t dripFrame = 0;
};
