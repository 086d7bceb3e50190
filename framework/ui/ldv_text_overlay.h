#pragma once
// One line of text drawn at the overlay's position with a shared font (borrowed; the game's fonts
// outlive every overlay).
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class LDvTextOverlay : public LDvOverlay {
public:
    int GetWidth() override;     // the text's width in its font
    int GetHeight() override;    // the font's line height
    void Draw() override;

    LDvString text;
    LDvFont* font = nullptr;     // not owned
};
