// Drawing the board: borders, square tiles, the flash over coloured squares, the selection, the
// editor's marks, the pieces, locks, effects and the hint arrow, in that order.
#include "game/match3/board.h"

#include "framework/effects/bit.h"
#include "game/match3/match3_images.h"
#include "game/match3/play_layout.h"

namespace {

constexpr int kBorderLeft = play_layout::kBorderLeft;
constexpr int kBorderTop = play_layout::kBorderTop;
constexpr int kFlashLeft = 250;            // the flash frame is smaller than a tile
constexpr int kFlashTop = 90;

float Percent(int value) { return static_cast<float>(value) / 100.0f; }

SpriteLook Faded(float alpha) {
    SpriteLook look;
    look.opacity = alpha;
    return look;
}

}  // namespace

void Board::Draw() {
    if (finished) return;
    if (outroRunning) {
        drawOutro();
    } else if (revealing) {
        drawReveal();
    } else {
        drawPlaying();
    }
}

void Board::drawBorders(float alpha) {
    for (int i = 0; i < kBorderColumns; ++i) {
        for (int j = 0; j < kBorderRows; ++j) {
            LDvSprite* sprite = images.border(borders[i * kBorderRows + j]);
            if (sprite == nullptr) continue;
            DrawTopLeft(*sprite, static_cast<float>(kBorderLeft + kCellSize * i),
                        static_cast<float>(kBorderTop + kCellSize * j), Faded(alpha));
        }
    }
}

void Board::drawTile(int col, int row, float dx, float dy, float alpha) {
    const BoardCell& cell = cells[cellIndex(col, row)];
    LDvSprite& tile = cell.colourLayers == 0 ? images.back(backImage) : images.colourTile;
    DrawTopLeft(tile, static_cast<float>(kCellLeft + kCellSize * col) + dx,
                static_cast<float>(kCellTop + kCellSize * row) + dy, Faded(alpha));
}

void Board::drawPlaying() {
    drawBorders(1.0f);
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) drawCell(col, row);
    }
    if (editMode) return;
    for (auto& effect : underEffects) effect->Draw();
    for (auto& piece : pieces) {
        if (!piece->hidden && !piece->dead) piece->draw(images);
    }
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            if (!isLocked(col, row)) continue;
            LDvSprite& lock = cells[cellIndex(col, row)].lock == 1 ? images.singleLock : images.doubleLock;
            DrawTopLeft(lock, static_cast<float>(kCellLeft + kCellSize * col),
                        static_cast<float>(kCellTop + kCellSize * row), Faded(1.0f));
        }
    }
    for (auto& effect : effects) effect->Draw();
    if (hintShown) drawHint();
}

// A square during play: its tile with the flash over it, the selection, and the editor's view.
void Board::drawCell(int col, int row) {
    const BoardCell& cell = cells[cellIndex(col, row)];
    const float left = static_cast<float>(kCellLeft + kCellSize * col);
    const float top = static_cast<float>(kCellTop + kCellSize * row);
    if (!cell.disabled) {
        drawTile(col, row, 0.0f, 0.0f, 1.0f);
        if (flashTicks != 0 && cell.colourLayers == 1) {
            SpriteLook flash = Faded(Percent(flashAlpha));
            flash.frame = flashFrame;
            DrawTopLeft(images.blueFlash, static_cast<float>(kFlashLeft + kCellSize * col),
                        static_cast<float>(kFlashTop + kCellSize * row), flash);
        }
    } else if (editMode) {
        DrawTopLeft(images.disabledSquare, left, top, Faded(1.0f));
    }
    if (selectionShown && selected.x == col && selected.y == row) {
        SpriteLook glow;
        glow.additive = true;
        DrawTopLeft(images.highlight, left, top, glow);
    }
    if (editMode) drawEditMarks(col, row);
}

void Board::drawHint() {
    SpriteLook look;
    look.frame = hintFrame;
    look.angle = static_cast<float>(hintRotation);
    DrawCentred(images.hintArrow, static_cast<float>(hintCentre.x), static_cast<float>(hintCentre.y), look);
}

// The editor shows what each cell word says, centred on the cell.
void Board::drawEditMarks(int col, int row) {
    const BoardCell& cell = cells[cellIndex(col, row)];
    const LDvPoint centre = cellCentre({col, row});
    const float cx = static_cast<float>(centre.x);
    const float cy = static_cast<float>(centre.y);
    const SpriteLook plain;
    if (!cell.disabled && cell.randomFill) DrawCentred(images.editRandom, cx, cy, plain);
    if (cell.entry) DrawCentred(images.editEntry, cx, cy, plain);
    if (cell.lock == 1) DrawCentred(images.editLocked, cx, cy, plain);
    if (cell.lock == 2) DrawCentred(images.editDLocked, cx, cy, plain);
    if (cell.startsEmpty) DrawCentred(images.editEmptySquare, cx, cy, plain);
    if (cell.fixedColour > 0) {
        SpriteLook preset;
        preset.frame = 0;
        DrawCentred(images.piece(cell.fixedColour - 1), cx, cy, preset);
    }
}

void Board::drawReveal() {
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            const BoardCell& cell = cells[cellIndex(col, row)];
            if (cell.disabled || cell.revealDelay != 0) continue;
            drawTile(col, row, cell.revealOffsetX, cell.revealOffsetY, Percent(cell.revealAlpha));
        }
    }
    if (!revealFading) return;
    const float alpha = Percent(revealFadeAlpha);
    drawBorders(alpha);
    SpriteLook look = Faded(alpha);
    look.frame = 0;
    for (auto& piece : pieces) {
        LDvSprite& sprite = piece->special ? images.special(piece->specialKind) : images.piece(piece->colour);
        DrawCentred(sprite, static_cast<float>(kPieceRestX + kCellSize * piece->col),
                    static_cast<float>(kPieceRestY + kCellSize * piece->row), look);
    }
}

void Board::drawOutro() {
    if (outroFadeTicks > 0) {
        const float alpha = Percent(outroFadeAlpha);
        for (int col = 0; col < kBoardColumns; ++col) {
            for (int row = 0; row < kBoardRows; ++row) {
                const BoardCell& cell = cells[cellIndex(col, row)];
                if (cell.disabled || cell.revealDelay != 0 || cell.revealTicks != 0) continue;
                drawTile(col, row, 0.0f, 0.0f, alpha);
            }
        }
        drawBorders(alpha);
    }
    for (auto& piece : pieces) {
        if (!piece->hidden && !piece->dead) piece->draw(images);
    }
}
