#pragma once
// One line of text centred in a box and shrunk to fit it when too wide; a title or a price. The
// font is borrowed; its colour is set before drawing.
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class FittedLabel : public LDvOverlay {
public:
    void Draw() override;
    void SetRect(int32_t newLeft, int32_t newTop, int32_t newRight, int32_t newBottom) {
        left = newLeft;
        top = newTop;
        right = newRight;
        bottom = newBottom;
    }

    LDvString text;
    LDvFont* font = nullptr;          // not owned
    float colorR = 1.0f, colorG = 1.0f, colorB = 1.0f;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};
