#pragma once
// The wind's aiming cross that follows the pointer while the player aims the wind bonus, turning
// slowly (the game's own cursor is hidden meanwhile). It borrows the aimer picture of the picture
// bank, which must outlive it.
#include "framework/ui/ldv_overlay.h"

class AimerCursor : public LDvOverlay {
public:
    static constexpr float kTurnPerTick = 0.6f;  // degrees

    explicit AimerCursor(LDvSprite& aimerPicture) : aimer(aimerPicture) {}

    void moveTo(int px, int py) {
        pointerX = px;
        pointerY = py;
    }
    void OnTick(int) override { turn += kTurnPerTick; }
    void Draw() override;

    int pointerX = 0;
    int pointerY = 0;
    float turn = 0.0f;

private:
    LDvSprite& aimer;
};
