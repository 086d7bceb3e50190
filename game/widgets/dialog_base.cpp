#include "game/widgets/dialog_base.h"

#include "game/widgets/framed_widget_art.h"

void DialogBase::SetPosition(int newX, int newY) {
    LDvOverlay::SetPosition(newX, newY);
    dialogX = newX;
    dialogY = newY;
}

void DialogBase::MoveBy(int dx, int dy) {
    LDvOverlay::MoveBy(dx, dy);
    dialogX += dx;
    dialogY += dy;
}

LDvRect DialogBase::GetBounds() { return {dialogX, dialogY, dialogX + width, dialogY + height}; }

void DialogBase::Draw() {
    const FramedWidgetArt& art = FramedWidgets();
    // Every piece is a square of the corner's width.
    const int c = art.dialogTopLeft != nullptr ? art.dialogTopLeft->GetWidth() : 0;
    if (c <= 0 || !BeginWidgetTarget(width, height)) return;
    const int across = width / c;
    const int down = height / c;
    FillWidgetTarget(c, c, width - c, height - c, art.fillR, art.fillG, art.fillB);
    for (int i = 1; i <= across - 2; ++i) {
        BlitPiece(art.dialogTop, i * c, 0);
        BlitPiece(art.dialogBottom, i * c, height - c);
    }
    for (int j = 1; j <= down - 2; ++j) {
        BlitPiece(art.dialogLeft, 0, j * c);
        BlitPiece(art.dialogRight, width - c, j * c);
    }
    BlitPiece(art.dialogTopLeft, 0, 0);
    BlitPiece(art.dialogTopRight, width - c, 0);
    BlitPiece(art.dialogBottomRight, width - c, height - c);
    BlitPiece(art.dialogBottomLeft, 0, height - c);
    EndWidgetTarget();
    DrawWidgetTarget(static_cast<float>(dialogX), static_cast<float>(dialogY), width, height);
}
