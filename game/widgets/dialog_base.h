#pragma once
// The frame of the game's dialogs: nine pieces (corners, edges repeated along the sides) around an
// interior filled with the colour the dialog sets in FramedWidgets() before it shows. Composed in
// the shared render target each time it is drawn.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class DialogBase : public LDvOverlay {
public:
    void SetPosition(int x, int y) override;
    void MoveBy(int dx, int dy) override;
    LDvRect GetBounds() override;   // (x, y) to (x + width, y + height)
    void Draw() override;

    int32_t dialogX = 0;
    int32_t dialogY = 0;
    int32_t width = 0;
    int32_t height = 0;
};
