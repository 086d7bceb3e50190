#pragma once
// One of the nine text cells of the hidden-object list: the entry's name (or plural and count),
// flashing from light grey to black after a find and struck through, left to right, once the
// entry is complete. The strike picture is the scene's, borrowed while the bar is shown.
#include "framework/ui/ldv_resizing_text_overlay.h"

class HOGText : public LDvResizingTextOverlay {
public:
    static constexpr int kFlashSteps = 30;
    static constexpr float kStrikeStep = 0.1f;

    void OnTick(int tickCount) override;
    void Draw() override;
    // Done animating: no strike still growing and no flash still running.
    bool Settled() const { return (!struck || strikeProgress >= 1.0f) && flashCounter == 0; }

    bool struck = false;
    float strikeProgress = 0.0f;
    float flashValue = 0.0f;
    int32_t flashCounter = 0;
    LDvSprite* strike = nullptr;         // not owned; nothing is struck without it
};
