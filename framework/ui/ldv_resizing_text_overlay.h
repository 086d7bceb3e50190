#pragma once
// One line of text shrunk to fit its rectangle (never enlarged) and centred in it. The font is
// borrowed.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class LDvResizingTextOverlay : public LDvOverlay {
public:
    void Draw() override;

    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    LDvFont* font = nullptr;     // not owned
    LDvString text;
};
