#pragma once
// The effect sheets and particle pictures every screen's effects play: frame sheets for
// explosions, smoke, power-ups, splashes and flares, and the single pictures particles are made
// of. The game object owns the one set for the whole run; effects borrow the sprites and never
// outlive the game.
#include "framework/ui/ldv_overlay.h"

class EffectPictures {
public:
    EffectPictures() = default;
    EffectPictures(const EffectPictures&) = delete;
    EffectPictures& operator=(const EffectPictures&) = delete;

    // The two halves load at different points of the start-up; a missing file takes the
    // missing-media path.
    void LoadSheets();
    void LoadParticles();

    // Frame sheets, named with their grid ("tl_fx/explode2_8_6_48.png": 8 x 6, 48 frames).
    LDvSprite explode;
    LDvSprite smokePuff;
    LDvSprite powerUp;
    LDvSprite splash;
    LDvSprite lightFlare;

    // Particles.
    LDvSprite waterBit;
    LDvSprite smoke;
    LDvSprite bubble;
    LDvSprite cSmoke;
    LDvSprite whiteFlower;
    LDvSprite waveBit;                   // 4 x 2, 8 frames
};
