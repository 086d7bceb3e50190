#include "game/match3/board.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <string>

#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kGridLeft = 250;             // top-left of cell (0, 0) for screen points
constexpr int kGridTop = 90;
constexpr int kCellCentreX = 275;
constexpr int kCellCentreY = 115;
constexpr int kHintFrames = 4;
constexpr int kHintFrameTicks = 8;
constexpr int kFlashTicks = 192;
constexpr int kFlashFadeTicks = 50;        // fading in over the first 50 steps, out over the last 50
constexpr int kFlashFrames = 64;
constexpr int kTicksPerSecond = 60;
constexpr int kDefaultFlashSeconds = 30;
constexpr int kFewestFlashSeconds = 5;

}  // namespace

Board::Board(Match3Images& bank) : images(bank) {
    flashPeriod = kDefaultFlashSeconds * kTicksPerSecond;
    for (GamePiece& slot : store) freeSlots[freeCount++] = &slot;
}

Board::~Board() = default;

void Board::OnTick(int tick) {
    if (finished) return;
    if (!hintShown && idleTicks < INT_MAX && ++idleTicks > kHintIdleTicks) hintSearch();
    if (ticksSinceSelect < INT_MAX) ++ticksSinceSelect;
    if (hintShown && tick % kHintFrameTicks == 0) hintFrame = (hintFrame + 1) % kHintFrames;
    if (revealing) {
        revealStep();
        return;
    }
    if (outroRunning) {
        outroStep();
        return;
    }
    // The editor shows the cells only; its pieces never play.
    if (editMode) return;
    if (windTicks != 0) windStep();
    flashStep(tick);
    updateEffects();
    swapStep();
    pieceStep();
}

void Board::flashStep(int tick) {
    if (flashPeriod > 0 && tick % flashPeriod == 0) {
        flashTicks = kFlashTicks;
        flashFrame = 0;
        flashAlpha = 0;
    }
    if (flashTicks == 0) return;
    --flashTicks;
    if (flashTicks > kFlashTicks - kFlashFadeTicks) flashAlpha = 100 * (kFlashTicks - flashTicks) / kFlashFadeTicks;
    if (flashTicks < kFlashFadeTicks) flashAlpha = 100 * flashTicks / kFlashFadeTicks;
    if (tick % 2 == 0 && ++flashFrame >= kFlashFrames) flashFrame = 0;
}

void Board::updateEffects() {
    for (auto& effect : effects) effect->Update();
    for (auto& effect : underEffects) effect->Update();
    effects.RemoveIf([](const std::unique_ptr<Bit>& effect) { return effect->IsFinished(); });
    underEffects.RemoveIf([](const std::unique_ptr<Bit>& effect) { return effect->IsFinished(); });
}

bool Board::screenToCell(LDvPoint point, LDvPoint& cell) const {
    if (point.x < kGridLeft || point.y < kGridTop) return false;
    const int col = (point.x - kGridLeft) / kCellSize;
    const int row = (point.y - kGridTop) / kCellSize;
    if (col >= kBoardColumns || row >= kBoardRows) return false;
    cell = {col, row};
    return true;
}

void Board::highlightCell(LDvPoint cell) {
    for (auto& piece : pieces) piece->highlighted = false;
    if (GamePiece* piece = pieceAt(cell)) piece->highlighted = true;
}

bool Board::isSettled() const {
    for (int i = 0; i < kBoardCellCount; ++i) {
        if (inUse[i] && !store[i].isIdle()) return false;
    }
    return true;
}

// Fewer coloured squares left flash more often, so the last ones are easy to find.
bool Board::countColouredCells() {
    int count = 0;
    for (const BoardCell& cell : cells) {
        if (!cell.disabled && cell.colourLayers > 0) ++count;
    }
    flashPeriod = std::clamp(count, kFewestFlashSeconds, kDefaultFlashSeconds) * kTicksPerSecond;
    return count == 0;
}

void Board::clearAll() {
    for (GamePiece* piece : pieces) releasePiece(piece);
    pieces.Clear();
    effects.Clear();
    underEffects.Clear();
    index.fill(nullptr);
    swapA = swapB = lastA = lastB = nullptr;
    swapTicks = swapBackTicks = 0;
}

LDvPoint Board::cellCentre(LDvPoint cell) {
    return {kCellCentreX + kCellSize * cell.x, kCellCentreY + kCellSize * cell.y};
}

BoardCell* Board::cellAt(int col, int row) { return inGrid(col, row) ? &cells[cellIndex(col, row)] : nullptr; }

const BoardCell* Board::cellAt(int col, int row) const {
    return inGrid(col, row) ? &cells[cellIndex(col, row)] : nullptr;
}

GamePiece* Board::pieceAt(int col, int row) const { return inGrid(col, row) ? index[cellIndex(col, row)] : nullptr; }

bool Board::isActive(int col, int row) const {
    const BoardCell* cell = cellAt(col, row);
    return cell != nullptr && !cell->disabled;
}

bool Board::isLocked(int col, int row) const {
    const BoardCell* cell = cellAt(col, row);
    return cell != nullptr && !cell->disabled && cell->lock > 0;
}

bool Board::isSelectable(LDvPoint cell) const {
    return isActive(cell) && !isLocked(cell) && pieceAt(cell) != nullptr;
}

bool Board::anyDyingOrDead() const {
    for (int i = 0; i < kBoardCellCount; ++i) {
        if (inUse[i] && (store[i].dying || store[i].dead)) return true;
    }
    return false;
}

bool Board::isSwapping(const GamePiece* piece) const {
    return (swapTicks != 0 || swapBackTicks != 0) && piece != nullptr && (piece == swapA || piece == swapB);
}

int Board::randomColour() {
    if (colours.IsEmpty()) return 0;
    return colours.Get(RandomRange(0, colours.Count() - 1));
}

int Board::nextColour(int colour) {
    if (colours.IsEmpty()) return colour;
    int i = 0;
    for (int c : colours) {
        if (c == colour) return colours.Get((i + 1) % colours.Count());
        ++i;
    }
    return colours.Head();
}

GamePiece* Board::randomPiece() {
    if (pieces.IsEmpty()) return nullptr;
    return pieces.Get(RandomRange(0, pieces.Count() - 1));
}

GamePiece* Board::placePiece(LDvPoint cell, int colour) {
    assert(isActive(cell));
    if (GamePiece* old = pieceAt(cell)) deletePiece(old);
    GamePiece* piece = newPiece(cell);
    if (piece != nullptr) piece->colour = colour;
    return piece;
}

void Board::makeSpecial(GamePiece& piece, int kind, int appear) {
    piece.special = true;
    piece.specialKind = kind;
    piece.appearTicks = piece.appearTotal = appear;
}

GamePiece* Board::newPiece(LDvPoint cell) {
    if (freeCount == 0) {
        Log("board: no room for another piece");
        return nullptr;
    }
    GamePiece* piece = freeSlots[--freeCount];
    inUse[piece - store.data()] = true;
    piece->col = cell.x;
    piece->row = cell.y;
    pieces.Add(piece);
    if (inGrid(cell.x, cell.y)) index[cellIndex(cell.x, cell.y)] = piece;
    return piece;
}

// A released slot is wiped at once, so no stale path or flag is carried into the next piece.
void Board::releasePiece(GamePiece* piece) {
    *piece = GamePiece();
    inUse[piece - store.data()] = false;
    freeSlots[freeCount++] = piece;
}

void Board::movePiece(GamePiece& piece, int col, int row) {
    if (inGrid(piece.col, piece.row) && index[cellIndex(piece.col, piece.row)] == &piece) {
        index[cellIndex(piece.col, piece.row)] = nullptr;
    }
    piece.col = col;
    piece.row = row;
    if (inGrid(col, row)) index[cellIndex(col, row)] = &piece;
}

// Every borrowed pointer to a piece is dropped before the piece goes.
void Board::forgetPiece(const GamePiece* piece) {
    if (inGrid(piece->col, piece->row) && index[cellIndex(piece->col, piece->row)] == piece) {
        index[cellIndex(piece->col, piece->row)] = nullptr;
    }
    if (swapA == piece) swapA = nullptr;
    if (swapB == piece) swapB = nullptr;
    if (lastA == piece) lastA = nullptr;
    if (lastB == piece) lastB = nullptr;
}

void Board::deletePiece(GamePiece* piece) {
    if (piece == nullptr || !pieces.Remove(piece)) return;
    forgetPiece(piece);
    releasePiece(piece);
}

void Board::removeDeadPieces() {
    pieces.RemoveIf([this](GamePiece* p) {
        if (!p->dead) return false;
        forgetPiece(p);
        releasePiece(p);
        return true;
    });
}

bool Board::checkConsistency(LDvString& fault) const {
    const auto where = [](const GamePiece& piece) {
        return "(" + std::to_string(piece.col) + ", " + std::to_string(piece.row) + ")";
    };
    std::array<const GamePiece*, kBoardCellCount> seen{};
    for (const GamePiece* piece : pieces) {
        if (!inGrid(piece->col, piece->row)) {
            fault = "a piece outside the grid at " + where(*piece);
            return false;
        }
        if (!isActive(piece->col, piece->row)) {
            fault = "a piece in the disabled cell " + where(*piece);
            return false;
        }
        const GamePiece*& slot = seen[cellIndex(piece->col, piece->row)];
        if (slot != nullptr) {
            fault = "two pieces in the cell " + where(*piece);
            return false;
        }
        slot = piece;
    }
    for (int i = 0; i < kBoardCellCount; ++i) {
        if (seen[i] != index[i]) {
            fault = "the cell index disagrees with the pieces at index " + std::to_string(i);
            return false;
        }
    }
    return true;
}
