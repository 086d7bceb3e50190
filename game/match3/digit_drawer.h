#pragma once
// The level timer: "mm:ss" drawn with the game's digit sheet (frames 0..9 the digits, frame 10
// the colon). It shares the sheet's picture, which must outlive it. While urgent the digits glow
// red and pulse, so a glance at the bar tells the player to hurry.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class DigitDrawer : public LDvOverlay {
public:
    static constexpr int kColonFrame = 10;

    void setSheet(const LDvSprite& digitSheet);
    // Shows "%02d:%02d" of the time left in steps (60 per second).
    void showTime(int32_t timeLeftSteps);
    const LDvString& text() const { return shown; }

    void OnTick(int tickCount) override;
    void Draw() override;
    int GetWidth() override;              // pixels of the whole text

    bool urgent = false;

private:
    LDvSprite digits;
    LDvString shown = "00:00";
    int32_t pulseTick = 0;
};
