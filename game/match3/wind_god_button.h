#pragma once
// The wind-god button in the stone socket of the play screen's bar, centred on (539, 816): the
// god in colour while the player owns a wind bonus, greyed when none is left, glowing under the
// pointer and breathing while the wind is being aimed. Only drawn once the wind bonus has been
// granted. Clicks reach the wind bonus through the play screen. It borrows both pictures of the
// picture bank, which must outlive it.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"
#include "game/match3/play_layout.h"

class WindGodButton : public LDvOverlay {
public:
    static constexpr int kCentreX = play_layout::kWindGodX;
    static constexpr int kCentreY = play_layout::kWindGodY;

    WindGodButton(LDvSprite& godPicture, LDvSprite& greyedPicture);

    bool greyed() const { return count <= 0; }
    void OnTick(int tickCount) override;
    void Draw() override;

    int32_t count = 0;                   // wind bonuses owned
    bool aiming = false;
    bool hovered = false;                // the pointer is over the button

private:
    LDvSprite& god;
    LDvSprite& greyedGod;
    int32_t breath = 0;
};
