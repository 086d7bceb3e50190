#include "framework/ui/ldv_text_overlay.h"

#include "framework/ui/ldv_font.h"

int LDvTextOverlay::GetWidth() { return GetTextWidth(text, font); }

int LDvTextOverlay::GetHeight() { return GetLineHeight(font); }

void LDvTextOverlay::Draw() {
    DrawText(font, text, static_cast<int>(x), static_cast<int>(y), kAlignLeft, 1.0f);
}
