#pragma once
// Text word-wrapped into a rectangle, inside horizontal and vertical margins. Lines that do not
// fit the rectangle's height are not drawn; a word wider than the rectangle overflows on a line
// of its own.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/ui/ldv_text_overlay.h"

class LDvTextRect : public LDvTextOverlay {
public:
    void Draw() override;
    // The lines Draw shows, top to bottom (a line may be empty).
    LDvList<LDvString> WrappedLines();
    void SetRect(int32_t newLeft, int32_t newTop, int32_t newRight, int32_t newBottom) {
        left = newLeft;
        top = newTop;
        right = newRight;
        bottom = newBottom;
    }

    int32_t margin = 0;
    int32_t verticalMargin = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
