#include "game/expedition/fitted_label.h"

#include "framework/ui/ldv_font.h"
#include "game/expedition/centred_text_block.h"

void FittedLabel::Draw() {
    if (font == nullptr || text.empty()) return;
    UseFontColour(font, colorR, colorG, colorB);
    DrawTextFitted(font, text, left, top, right, bottom);
}
