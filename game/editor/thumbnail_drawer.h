#pragma once
// Draws the level editor's page of miniature boards: for each of the thumbnails its field's
// squares (plain or coloured) and locks, a third of their size. The boards and the picture bank
// are borrowed from the editor and the game, which outlive the drawer.
#include <array>

#include "framework/ui/ldv_overlay.h"

class Board;
class Match3Images;

class ThumbnailDrawer : public LDvOverlay {
public:
    static constexpr int kThumbnails = 12;
    static constexpr int kColumns = 4;                 // thumbnails across the page
    static constexpr int kPitchX = 400;                // between thumbnails, canvas pixels
    static constexpr int kPitchY = 240;
    static constexpr int kOriginX = 24;                // the first thumbnail's field
    static constexpr int kOriginY = 14;
    static constexpr float kCellPitch = 17.6f;         // a board square, shrunk
    static constexpr float kZoom = 0.32f;
    static constexpr float kTileInset = 0.34f;         // of the tile width: zoom is about the centre

    void Draw() override;

    std::array<const Board*, kThumbnails> boards{};    // null draws nothing
    Match3Images* images = nullptr;                     // none draws nothing

private:
    void drawBoard(const Board& board, Match3Images& bank, float originX, float originY);
};
