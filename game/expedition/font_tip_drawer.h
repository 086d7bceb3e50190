#pragma once
// The label beside the tip's check box: language text 16 in the game's first font at three
// quarters size, its left edge at the overlay's position. The font is the game's, borrowed.
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class FontTipDrawer : public LDvOverlay {
public:
    static constexpr float kScale = 0.75f;

    void Draw() override;

    LDvFont* font = nullptr;     // not owned
    LDvString text;              // set by the tip each time it shows
};
