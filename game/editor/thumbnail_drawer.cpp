#include "game/editor/thumbnail_drawer.h"

#include "framework/effects/bit.h"
#include "game/match3/board.h"
#include "game/match3/match3_images.h"

void ThumbnailDrawer::Draw() {
    if (hidden || images == nullptr) return;
    for (int k = 0; k < kThumbnails; ++k) {
        const Board* board = boards[static_cast<size_t>(k)];
        if (board == nullptr) continue;
        drawBoard(*board, *images, static_cast<float>(kOriginX + kPitchX * (k % kColumns)),
                  static_cast<float>(kOriginY + kPitchY * (k / kColumns)));
    }
}

void ThumbnailDrawer::drawBoard(const Board& board, Match3Images& bank, float originX, float originY) {
    SpriteLook look;
    look.zoom = kZoom;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            const BoardCell& cell = board.cells[static_cast<size_t>(Board::cellIndex(col, row))];
            if (cell.disabled) continue;
            LDvSprite& tile = cell.colourLayers == 0 ? bank.back(board.backImage) : bank.colourTile;
            const float inset = kTileInset * static_cast<float>(tile.GetFrameWidth());
            const float left = originX + kCellPitch * static_cast<float>(col) - inset;
            const float top = originY + kCellPitch * static_cast<float>(row) - inset;
            DrawTopLeft(tile, left, top, look);
            if (cell.lock == 0) continue;
            DrawTopLeft(cell.lock == 1 ? bank.singleLock : bank.doubleLock, left, top, look);
        }
    }
    // The lock and tile sprites are shared with the play screen's board, which draws them full size.
    for (LDvSprite* sprite : {&bank.singleLock, &bank.doubleLock, &bank.colourTile, &bank.back(board.backImage)}) {
        sprite->zoom = 1.0f;
    }
}
