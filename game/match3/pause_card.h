#pragma once
// What the play screen shows while the game window is in the background: the screen dimmed and
// the "Paused" card ("states/playing/pause_card.png") in the middle. Owns its picture.
#include "framework/ui/ldv_overlay.h"

class PauseCard : public LDvOverlay {
public:
    static constexpr float kDimOpacity = 0.5f;
    static constexpr int kCentreX = 800;
    static constexpr int kCentreY = 450;

    void load();
    void Draw() override;
    int cardHeight() { return card.GetHeight(); }

private:
    LDvSprite card;
};
