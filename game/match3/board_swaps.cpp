// Selecting, swapping two neighbours with a sine slide, and what a finished swap does.
#include "game/match3/board.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"

namespace {

constexpr int kDoubleClickTicks = 60;      // a second press this soon detonates a selected special
constexpr float kPi = 3.14159265358979f;
constexpr int kCrystalListSize = 4;        // neighbours in a line or cross that make a crystal

bool Neighbours(LDvPoint a, LDvPoint b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1; }

// Pieces cleared by one swap, each once: when both pieces have the same colour their lists overlap,
// and a square must not lose two layers to one line.
struct ClearOrder {
    std::array<GamePiece*, 2 * MatchList::kCapacity + 2> items{};
    int count = 0;

    void add(GamePiece* piece) {
        for (int i = 0; i < count; ++i) {
            if (items[i] == piece) return;
        }
        if (count < static_cast<int>(items.size())) items[count++] = piece;
    }
};

}  // namespace

void Board::select(LDvPoint cell) {
    if (!isSelectable(cell) || swapTicks != 0 || swapBackTicks != 0) return;
    selectionShown = true;
    selected = cell;
    ticksSinceSelect = 0;
    pieceAt(cell)->highlighted = true;
}

void Board::clickSelected(LDvPoint cell) {
    selected = {-1, -1};
    GamePiece* piece = pieceAt(cell);
    if (piece == nullptr || !piece->special || ticksSinceSelect >= kDoubleClickTicks) return;
    explode(cell, piece->specialKind);
    if (onAfterMove) onAfterMove();
}

void Board::clearSelection() {
    selected = {-1, -1};
    selectionShown = false;
}

void Board::startSwap(LDvPoint a, LDvPoint b) {
    if (!isSelectable(a) || !isSelectable(b) || !Neighbours(a, b)) return;
    selected = {-1, -1};
    if (swapTicks != 0 || swapBackTicks != 0) return;
    GamePiece* first = pieceAt(a);
    GamePiece* second = pieceAt(b);
    swapA = lastA = first;
    swapB = lastB = second;
    if (!first->isIdle() || !second->isIdle()) return;
    swapTicks = kSwapTicks;
    first->swapDir = {b.x - a.x, b.y - a.y};
    second->swapDir = {a.x - b.x, a.y - b.y};
}

void Board::startSwapBack(LDvPoint a, LDvPoint b) {
    if (swapTicks != 0 || swapBackTicks != 0) return;
    GamePiece* first = pieceAt(a);
    GamePiece* second = pieceAt(b);
    if (first == nullptr || second == nullptr || !Neighbours(a, b)) return;
    swapA = lastA = first;
    swapB = lastB = second;
    first->highlighted = second->highlighted = false;
    if (!first->isIdle() || !second->isIdle()) return;
    swapBackTicks = kSwapTicks;
    first->swapDir = {b.x - a.x, b.y - a.y};
    second->swapDir = {a.x - b.x, a.y - b.y};
}

void Board::swapStep() {
    const bool back = swapBackTicks != 0;
    if (!back && swapTicks == 0) return;
    int32_t& counter = back ? swapBackTicks : swapTicks;
    --counter;
    const float along = 1.0f - static_cast<float>(counter) / kSwapTicks;
    const float slide = std::sin(along * kPi / 2.0f) * kCellSize;
    for (GamePiece* piece : {swapA, swapB}) {
        if (piece != nullptr) piece->swapOffset = {slide * piece->swapDir.x, slide * piece->swapDir.y};
    }
    if (counter != 0) return;
    if (swapA == nullptr || swapB == nullptr) {
        abandonSwap();
    } else if (back) {
        finishSwapBack();
    } else {
        resolveSwap();
    }
}

// A piece taken away during the slide (a blast, the wind) leaves its partner where it started.
void Board::abandonSwap() {
    for (GamePiece* piece : {swapA, swapB}) {
        if (piece != nullptr) piece->swapOffset = {};
    }
    swapTicks = swapBackTicks = 0;
}

void Board::finishSwapBack() {
    GamePiece& a = *swapA;
    GamePiece& b = *swapB;
    const LDvPoint cellA{a.col + a.swapDir.x, a.row + a.swapDir.y};
    const LDvPoint cellB{b.col + b.swapDir.x, b.row + b.swapDir.y};
    movePiece(a, cellA.x, cellA.y);
    movePiece(b, cellB.x, cellB.y);
    a.swapOffset = b.swapOffset = {};
}

void Board::resolveSwap() {
    if (swapA == nullptr || swapB == nullptr) {
        abandonSwap();
        return;
    }
    GamePiece& a = *swapA;
    GamePiece& b = *swapB;
    cascade = 0;
    const LDvPoint cellA{a.col + a.swapDir.x, a.row + a.swapDir.y};
    const LDvPoint cellB{b.col + b.swapDir.x, b.row + b.swapDir.y};
    movePiece(a, cellA.x, cellA.y);
    movePiece(b, cellB.x, cellB.y);
    a.swapOffset = b.swapOffset = {};
    for (const auto& [piece, cell] : {std::pair{&a, cellA}, std::pair{&b, cellB}}) {
        if (!piece->special || piece->specialKind > kSpecialExplodingCrystal) continue;
        explode(cell, piece->specialKind);
        if (onAfterMove) onAfterMove();
        return;
    }
    if (!swapMatches(a, b)) startSwapBack(cellB, cellA);
    if (!anyDyingOrDead()) settle();
    checkRegions();
    if (onAfterMove) onAfterMove();
}

// Clears the lines made at both new cells; false when there were none.
bool Board::swapMatches(GamePiece& a, GamePiece& b) {
    const LDvPoint cellA{a.col, a.row};
    const LDvPoint cellB{b.col, b.row};
    MatchList atA;
    MatchList atB;
    findMatches(cellA, atA);
    findMatches(cellB, atB);
    ClearOrder order;
    for (GamePiece* piece : atA) order.add(piece);
    for (GamePiece* piece : atB) order.add(piece);
    if (atA.count > 0) order.add(&a);
    if (atB.count > 0) order.add(&b);
    bool uncoloured = false;
    for (int i = 0; i < order.count; ++i) uncoloured = clearPiece(*order.items[i], false) || uncoloured;
    if (atA.count >= kCrystalListSize) {
        createExplodingCrystal(cellA);
    } else if (atB.count >= kCrystalListSize) {
        createExplodingCrystal(cellB);
    }
    PlayGameSound(sounds::kPiecesVanish);
    if (atA.count > 0 || atB.count > 0) PlayGameSound(sounds::kPiecesMatch0);
    if (uncoloured) PlayGameSound(sounds::kColorsVanish);
    return atA.count > 0 || atB.count > 0;
}
