#pragma once
// What the game's framed widgets (DialogBase, ButtonBase) draw with: the nine dialog pieces, the
// three button pieces, the font of the button texts, the dialog fill colour and the one render
// target they all compose into. The game object fills it in once after loading its pictures and
// fonts, and owns everything it points to for the whole run; clear it before those are released.
#include <cstdint>

class LDvOverlay;
struct LDvFont;

struct FramedWidgetArt {
    LDvOverlay* dialogTopLeft = nullptr;      // its width is the piece size of the whole frame
    LDvOverlay* dialogTop = nullptr;
    LDvOverlay* dialogTopRight = nullptr;
    LDvOverlay* dialogRight = nullptr;
    LDvOverlay* dialogBottomRight = nullptr;
    LDvOverlay* dialogBottom = nullptr;
    LDvOverlay* dialogBottomLeft = nullptr;
    LDvOverlay* dialogLeft = nullptr;
    LDvOverlay* buttonLeft = nullptr;
    LDvOverlay* buttonMiddle = nullptr;       // repeated to fit the text
    LDvOverlay* buttonRight = nullptr;
    LDvOverlay* target = nullptr;             // the shared render-target sprite
    LDvFont* buttonFont = nullptr;            // the game's font 2
    int32_t minimumTextWidth = 0;             // pixels; the game sets 80
    float fillR = 0.0f, fillG = 0.0f, fillB = 0.0f;  // dialog interior, set by each dialog before it shows
    int32_t targetWidth = 0;                  // size of the target's picture so far
    int32_t targetHeight = 0;
};

FramedWidgetArt& FramedWidgets();

// Composing a widget: begin (the target grows to at least width x height and starts transparent),
// blit pieces at target pixels (no display scale), end, then draw the width x height corner of the
// target on the canvas, additively at `glowPercent` opacity when glowing. Begin is false when there
// is no target or no window to draw into.
bool BeginWidgetTarget(int width, int height);
void BlitPiece(LDvOverlay* piece, int x, int y);
void FillWidgetTarget(int x1, int y1, int x2, int y2, float r, float g, float b);
void EndWidgetTarget();
void DrawWidgetTarget(float x, float y, int width, int height, bool glowing = false, int glowPercent = 0);
