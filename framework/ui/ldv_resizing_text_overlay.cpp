#include "framework/ui/ldv_resizing_text_overlay.h"

#include "framework/ui/ldv_font.h"

void LDvResizingTextOverlay::Draw() { DrawTextFitted(font, text, left, top, right, bottom); }
