#pragma once
// The glow that says the hint or the skip is ready again: it fades in (30 steps), pulses once
// (180) and fades out (60), then stays invisible until started again. Draws through a bar
// picture, borrowed while the bar is shown.
#include "framework/ui/ldv_overlay.h"

class GlowOverlay : public LDvOverlay {
public:
    static constexpr int kFadeInSteps = 30;
    static constexpr int kPulseSteps = 180;
    static constexpr int kFadeOutSteps = 60;

    void StartGlow(LDvSprite* sprite);
    void StopGlow();
    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite* glow = nullptr;           // not owned
    int32_t fadeInCounter = 0;
    int32_t pulseCounter = 0;
    int32_t fadeOutCounter = 0;
    int32_t alpha = 0;                   // percent
    bool repeat = false;
    bool finished = true;
};
