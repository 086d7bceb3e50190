#pragma once
// A button with a line of text centred on its frame. The font is borrowed (the game's shared fonts).
#include <cstdint>

#include "framework/ui/ldv_button.h"

struct LDvFont;

class LDvTextButton : public LDvButton {
public:
    void Draw() override;

    LDvString text;
    LDvFont* font = nullptr;          // not owned
    int32_t textOffsetX = 0;
    int32_t textOffsetY = 0;
    int32_t pressedTextOffsetX = 0;   // added while pressed
    int32_t pressedTextOffsetY = 0;
};
