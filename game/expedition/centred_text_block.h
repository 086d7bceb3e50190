#pragma once
// Text word-wrapped into a rectangle and drawn as a block centred in it, each line centred. The
// font is borrowed (the game's fonts outlive every dialog); the colour is set on it before drawing.
#include "framework/ui/ldv_text_rect.h"

class CentredTextBlock : public LDvTextRect {
public:
    void Draw() override;
    void SetRect(int newLeft, int newTop, int newRight, int newBottom);

    float colorR = 1.0f, colorG = 1.0f, colorB = 1.0f;
};

// The font's colour at full opacity: a shared font may have been left faded by a typewriter text.
void UseFontColour(LDvFont* font, float r, float g, float b);
