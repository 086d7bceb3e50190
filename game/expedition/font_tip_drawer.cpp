#include "game/expedition/font_tip_drawer.h"

#include "framework/ui/ldv_font.h"

void FontTipDrawer::Draw() {
    if (font == nullptr) return;
    DrawText(font, text, static_cast<int>(x), static_cast<int>(y), kAlignLeft, kScale);
}
