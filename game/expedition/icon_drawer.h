#pragma once
// Draws the icon of an icon dialog centred on its place, shifted by the icon offset. Its sprite
// shares the caller's picture, which lives at least as long as the dialog's run.
#include "framework/ui/ldv_overlay.h"

class IconDrawer : public LDvOverlay {
public:
    void Draw() override;

    LDvSprite icon;                    // not loaded: nothing is drawn
    int32_t placeX = 0, placeY = 0;    // centre of the icon's place
    int32_t offsetX = 0, offsetY = 0;
};
