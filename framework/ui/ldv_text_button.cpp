#include "framework/ui/ldv_text_button.h"

#include "framework/ui/ldv_font.h"

void LDvTextButton::Draw() {
    LDvButton::Draw();
    int textX = static_cast<int>(x) + GetFrameWidth() / 2 - GetTextWidth(text, font) / 2 + textOffsetX;
    int textY = static_cast<int>(y) + GetFrameHeight() / 2 - GetLineHeight(font) / 2 + textOffsetY;
    if (pressed) {
        textX += pressedTextOffsetX;
        textY += pressedTextOffsetY;
    }
    DrawText(font, text, textX, textY, kAlignLeft, 1.0f);
}
