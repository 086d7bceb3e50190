#include "game/widgets/button_base.h"

#include <algorithm>

#include "framework/ui/ldv_font.h"
#include "game/widgets/framed_widget_art.h"

namespace {

int PieceWidth(LDvOverlay* piece) { return piece != nullptr ? piece->GetWidth() : 0; }
int PieceHeight(LDvOverlay* piece) { return piece != nullptr ? piece->GetHeight() : 0; }

// How many middle pieces beyond the first the text needs.
int ExtraMiddles(const LDvString& text) {
    const FramedWidgetArt& art = FramedWidgets();
    const int middle = PieceWidth(art.buttonMiddle);
    if (middle <= 0) return 0;
    return std::max(GetTextWidth(text, art.buttonFont), static_cast<int>(art.minimumTextWidth)) / middle;
}

}  // namespace

int ButtonBase::TotalWidth() {
    const FramedWidgetArt& art = FramedWidgets();
    return (ExtraMiddles(text) + 1) * PieceWidth(art.buttonMiddle) + PieceWidth(art.buttonLeft) +
           PieceWidth(art.buttonRight);
}

LDvRect ButtonBase::GetBounds() {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    return {left, top, left + TotalWidth(), top + PieceHeight(FramedWidgets().buttonMiddle)};
}

void ButtonBase::Draw() {
    const FramedWidgetArt& art = FramedWidgets();
    const int middle = PieceWidth(art.buttonMiddle);
    const int left = PieceWidth(art.buttonLeft);
    const int extra = ExtraMiddles(text);
    const int total = TotalWidth();
    const int height = std::max({PieceHeight(art.buttonLeft), PieceHeight(art.buttonMiddle), PieceHeight(art.buttonRight)});
    if (middle > 0 && BeginWidgetTarget(total, height)) {
        BlitPiece(art.buttonLeft, 0, 0);
        for (int i = 0; i <= extra; ++i) BlitPiece(art.buttonMiddle, i * middle + left, 0);
        BlitPiece(art.buttonRight, (extra + 1) * middle + left, 0);
        EndWidgetTarget();
        const float shiftX = pressed ? static_cast<float>(pressOffsetX) : 0.0f;
        const float shiftY = pressed ? static_cast<float>(pressOffsetY) : 0.0f;
        DrawWidgetTarget(x + shiftX, y + shiftY, total, height, IsMouseOver(), glowPercent);
    }
    // Centred on the text's own width: a short text inside the minimum width stays in the middle.
    const int textWidth = GetTextWidth(text, art.buttonFont);
    const int textX = static_cast<int>(x) + total / 2 - textWidth / 2;
    const int textY = static_cast<int>(y) + PieceHeight(art.buttonMiddle) / 2 - GetLineHeight(art.buttonFont) / 2;
    DrawText(art.buttonFont, text, textX, textY, kAlignLeft, 1.0f);
}
