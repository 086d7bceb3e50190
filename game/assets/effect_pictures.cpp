#include "game/assets/effect_pictures.h"

#include "engine/k_graphic.h"
#include "framework/ui/overlay_images.h"

void EffectPictures::LoadSheets() {
    LoadFrames(&explode, "tl_fx/explode2_8_6_48.png", 8, 6, 48);
    LoadFrames(&smokePuff, "tl_fx/smokepuff_8_5_40.png", 8, 5, 40);
    LoadFrames(&powerUp, "tl_fx/powerup_8_4_32.png", 8, 4, 32);
    LoadFrames(&splash, "tl_fx/splash_8_4_32.png", 8, 4, 32);
    LoadFrames(&lightFlare, "tl_fx/lightflare_8_4_32.png", 8, 4, 32);
}

void EffectPictures::LoadParticles() {
    LoadImage(&waterBit, "fx/waterbit.png", true);
    LoadImage(&smoke, "fx/smoke.png", true);
    LoadImage(&bubble, "fx/bubble.png", true);
    LoadImage(&cSmoke, "fx/csmoke.png", true);
    LoadImage(&whiteFlower, "fx/whiteflower.png", true);
    LoadFrames(&waveBit, "fx/wavebit.png", 4, 2, 8);
    // Every wave emitter makes its own faded sheets from these pixels, also after the first draw.
    if (KGraphic* picture = waveBit.Picture()) picture->setRetainPixels(true);
}
