#include "game/scenes/hog_text.h"

#include "framework/ui/ldv_font.h"

void HOGText::OnTick(int) {
    if (struck && strikeProgress < 1.0f) strikeProgress += kStrikeStep;
    if (flashCounter != 0) {
        --flashCounter;
        flashValue = static_cast<float>(flashCounter) / static_cast<float>(kFlashSteps);
    }
}

// The line starts at the left end of the unshrunk text and grows over its width.
void HOGText::Draw() {
    if (font == nullptr) return;
    const float grey = flashCounter != 0 ? flashValue : 0.0f;
    SetTextColor(font, grey, grey, grey);
    DrawTextFitted(font, text, left, top, right, bottom);
    if (!struck || strike == nullptr || strike->GetWidth() <= 0) return;
    const int width = GetTextWidth(text, font);
    strike->percentWidthShown = static_cast<int32_t>(static_cast<double>(width) / strike->GetWidth() *
                                                     static_cast<double>(strikeProgress) * 100.0);
    strike->percentHeightShown = 100;
    const int cx = left + (right - left) / 2;
    const int cy = top + (bottom - top) / 2;
    strike->SetPosition(cx - width / 2, cy - strike->GetFrameHeight() / 2);
    strike->Draw();
}
