#include "game/expedition/centred_text_block.h"

#include <cstdlib>

#include "framework/ui/ldv_font.h"

namespace {

// Wrapping leaves a blank after every word, which would pull the line off centre.
LDvString WithoutTrailingBlank(const LDvString& line) {
    return !line.empty() && line.back() == ' ' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace

void UseFontColour(LDvFont* font, float r, float g, float b) {
    if (font == nullptr) return;
    font->colorA = 1.0f;
    SetTextColor(font, r, g, b);
}

void CentredTextBlock::SetRect(int newLeft, int newTop, int newRight, int newBottom) {
    left = newLeft;
    top = newTop;
    right = newRight;
    bottom = newBottom;
}

void CentredTextBlock::Draw() {
    if (font == nullptr) return;
    const LDvList<LDvString> lines = WrappedLines();
    const int lineHeight = GetLineHeight(font);
    const int blockTop = top + (std::abs(bottom - top) - lineHeight * lines.Count()) / 2;
    const int middle = left + std::abs(right - left) / 2;
    UseFontColour(font, colorR, colorG, colorB);
    int index = 0;
    for (const LDvString& line : lines) {
        const LDvString shown = WithoutTrailingBlank(line);
        DrawText(font, shown, middle - GetTextWidth(shown, font) / 2, blockTop + lineHeight * index, kAlignLeft, 1.0f);
        ++index;
    }
}
