#include "game/frontend/player_name_as_button.h"

#include "framework/ui/draw_primitives.h"
#include "framework/ui/ldv_font.h"

namespace {

constexpr float kHighlight[] = {1.0f, 1.0f, 0.2f};
constexpr float kUnderline[] = {1.0f, 1.0f, 0.0f, 1.0f};
constexpr int kPressShift = 1;

void SetWhite(LDvFont* font) { SetTextColor(font, 1.0f, 1.0f, 1.0f); }
void SetHighlight(LDvFont* font) { SetTextColor(font, kHighlight[0], kHighlight[1], kHighlight[2]); }

}  // namespace

int PlayerNameAsButton::GetWidth() { return font != nullptr ? GetTextWidth(text, font) : 0; }

void PlayerNameAsButton::SetText(const LDvString& name) {
    text = name;
    frameWidth = GetWidth();
    frameHeight = font != nullptr ? GetLineHeight(font) : 0;
}

void PlayerNameAsButton::Draw() {
    if (text.empty() || font == nullptr) return;
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    if (pressed) {
        SetHighlight(font);
        DrawText(font, text, px + kPressShift, py + kPressShift, 0, 1.0f);
        SetWhite(font);
    } else if (IsMouseOver()) {
        SetHighlight(font);
        DrawText(font, text, px, py, 0, 1.0f);
        SetWhite(font);
        DrawUnderline(px, py, GetTextWidth(text, font));
    } else {
        SetWhite(font);
        DrawText(font, text, px, py, 0, 1.0f);
    }
}

// Two lines make it bold enough to read as a link at the smaller window sizes.
void PlayerNameAsButton::DrawUnderline(int left, int top, int width) {
    const int baseline = top + GetLineHeight(font);
    for (int line = 0; line < 2; ++line) {
        DrawLine(left, baseline + line, left + width, baseline + line, kUnderline[0], kUnderline[1], kUnderline[2],
                 kUnderline[3]);
    }
}
