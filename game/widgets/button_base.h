#pragma once
// The game's text button: a left piece, the middle piece repeated to fit the text (at least the
// minimum text width) and a right piece, composed in the shared render target, with the text in
// the game's button font centred on it. Pictures and font come from FramedWidgets().
#include "framework/ui/ldv_button.h"

class ButtonBase : public LDvButton {
public:
    LDvRect GetBounds() override;   // (x, y) to (x + total width, y + middle piece height)
    void Draw() override;

    int TotalWidth();               // pixels, for the current text

    LDvString text;
};
