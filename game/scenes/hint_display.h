#pragma once
// The ring of twelve turning stars a hint puts around a section: it fades in while contracting,
// stays, and fades out turning twice as fast, 370 steps in all, unless a click clears it first.
// Draws through the scene's star picture (two frames), borrowed while the bar is shown.
#include "framework/ui/ldv_overlay.h"

class HintDisplay : public LDvOverlay {
public:
    static constexpr int kShowSteps = 370;

    void ShowStars(int x, int y);
    void ClearStars();
    void OnTick(int tickCount) override;
    void Draw() override;

    float angle = 0.0f;                  // radians
    float scale = 0.0f;
    int32_t countdown = 0;
    int32_t alpha = 0;                   // percent
    LDvSprite* stars = nullptr;          // not owned
};
