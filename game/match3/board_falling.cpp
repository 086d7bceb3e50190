// The pieces' step with cascades and landings, settling, gravity with diagonal slides, and the
// refill through the entry cells.
#include "game/match3/board.h"

#include <algorithm>
#include <memory>
#include <string>

#include "framework/core/game_random.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/effects/popup_bit.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kPieceClockWrap = 9999;
constexpr int kNiceCascade = 6;
constexpr int kGreatCascade = 10;
constexpr int kNicePoints = 50;
constexpr int kGreatPoints = 100;
constexpr int kSmallCrystalListSize = 4;
constexpr int kCoinEvery = 150;            // refill pieces per air coin
constexpr int kFadeTopOffset = 33;         // entering pieces fade in over the entry's top edge
constexpr int kFadeBottomOffset = 88;

}  // namespace

void Board::pieceStep() {
    pieceClock = pieceClock >= kPieceClockWrap ? 0 : pieceClock + 1;
    bool stepChanged = false;
    bool anyDead = false;
    int landed[kBoardCellCount];           // cell indices, in landing order; written before read
    int landedCount = 0;
    for (auto& piece : pieces) {
        bool changed = false;
        bool hasLanded = false;
        piece->update(pieceClock, changed, hasLanded);
        stepChanged = stepChanged || changed;
        anyDead = anyDead || piece->dead;
        if (!hasLanded) continue;
        if (landedCount == 0) landingPraise({piece->col, piece->row});
        if (landedCount < kBoardCellCount) landed[landedCount++] = cellIndex(piece->col, piece->row);
    }
    for (int i = 0; i < landedCount; ++i) resolveLanding({landed[i] / kBoardRows, landed[i] % kBoardRows});
    if (anyDead) removeDeadPieces();
    if (stepChanged && !anyDyingOrDead()) settle();
}

// Counts the cascade once per step in which something landed, praising the sixth and the tenth.
void Board::landingPraise(LDvPoint cell) {
    ++cascade;
    const LDvPoint corner{kCellLeft + kCellSize * cell.x, kCellTop + kCellSize * cell.y};
    if (cascade == kNiceCascade || cascade == kGreatCascade) {
        const bool nice = cascade == kNiceCascade;
        effects.Add(std::make_unique<PopupBit>(corner, nice ? images.niceCombo : images.greatCombo));
        PlayGameSound(nice ? sounds::kGoodCombo : sounds::kGreatCombo);
        const int amount = nice ? kNicePoints : kGreatPoints;
        comboPoints += amount;
        awardPoints(amount, corner);
    }
    PlayGameSound(sounds::kLandingClicks[RandomRange(1, static_cast<int>(sounds::kLandingClicks.size())) - 1]);
}

void Board::resolveLanding(LDvPoint cell) {
    GamePiece* landed = pieceAt(cell);
    MatchList line;
    if (landed == nullptr || !findMatches(cell, line)) return;
    bool uncoloured = false;
    for (GamePiece* piece : line) uncoloured = clearPiece(*piece, false) || uncoloured;
    uncoloured = clearPiece(*landed, false) || uncoloured;
    if (uncoloured) PlayGameSound(sounds::kColorsVanish);
    PlayGameSound(sounds::kPiecesVanish);
    PlayGameSound(sounds::kPiecesMatch[std::min<size_t>(cascade, sounds::kPiecesMatch.size() - 1)]);
    if (line.count >= kSmallCrystalListSize) createSmallCrystal(cell);
    if (!anyDyingOrDead()) settle();
}

void Board::settle() {
    applyGravity();
    if (swapTicks == 0 && swapBackTicks == 0 && collectCoins()) applyGravity();
    refill();
}

void Board::settleIfQuiet() {
    if (!anyDyingOrDead()) settle();
}

// One pass per column, top down: a cell is fed when it is an entry or when the cells above it
// reach an entry or a live piece without crossing a locked or disabled cell.
void Board::updateFedFromAbove() {
    for (int col = 0; col < kBoardColumns; ++col) {
        bool reach = false;  // whether the cell just above can pass a piece down
        for (int row = 0; row < kBoardRows; ++row) {
            BoardCell& cell = cells[cellIndex(col, row)];
            cell.fedFromAbove = cell.entry || reach;
            const GamePiece* piece = index[cellIndex(col, row)];
            const bool livePiece = piece != nullptr && !piece->dying && !piece->dead;
            if (cell.disabled || cell.lock > 0) {
                reach = false;
            } else {
                reach = cell.entry || livePiece || reach;
            }
        }
    }
}

void Board::applyGravity() {
    updateFedFromAbove();
    for (int row = kBoardRows - 2; row >= 0; --row) {
        for (int col = 0; col < kBoardColumns; ++col) {
            GamePiece* piece = pieceAt(col, row);
            if (piece == nullptr || piece->dying || isLocked(col, row) || isSwapping(piece)) continue;
            dropPiece(*piece);
        }
    }
}

void Board::findFallPath(LDvPoint start, LDvList<LDvPoint>& path) {
    path.Clear();
    path.Add(start);
    int x = start.x;
    for (int y = start.y; y < kBoardRows;) {
        const GamePiece* below = pieceAt(x, y + 1);
        if (below == nullptr && isActive(x, y + 1)) {
            path.Add({x, ++y});
            continue;
        }
        if (below != nullptr && (below->dying || below->dead)) return;
        const auto usable = [this](int col, int row) {
            return pieceAt(col, row) == nullptr && isActive(col, row) && !cells[cellIndex(col, row)].fedFromAbove;
        };
        const bool left = usable(x - 1, y + 1);
        const bool right = usable(x + 1, y + 1);
        if (left) {
            x += right && GameRand() / static_cast<double>(kGameRandMax) > 0.5 ? 1 : -1;
        } else if (right) {
            x += 1;
        } else {
            return;
        }
        path.Add({x, ++y});
    }
}

void Board::dropPiece(GamePiece& piece) {
    if (piece.appearTicks != 0) return;
    LDvList<LDvPoint> path;
    findFallPath({piece.col, piece.row}, path);
    if (path.Count() < 2) return;
    movePiece(piece, path.Tail().x, path.Tail().y);
    piece.startFall(path);
}

void Board::refill() {
    for (const LDvPoint& entry : entries) {
        LDvList<LDvPoint> path;
        for (int j = 0;; ++j) {
            findFallPath({entry.x, entry.y - 1}, path);
            if (path.Count() < 2) break;
            GamePiece* piece = newPiece(path.Tail());
            if (piece == nullptr) return;
            if (coinsEnabled && spawnCounter % kCoinEvery == 0) {
                makeSpecial(*piece, kSpecialAirCoin, 0);
            } else {
                piece->colour = randomColour();
            }
            // Pieces entering together queue up above the entry, each one cell higher.
            for (int k = 1; k <= j; ++k) path.AddHead({entry.x, entry.y - 1 - k});
            piece->startFall(path);
            piece->fadingIn = true;
            piece->fadeTop = kCellSize * entry.y + kFadeTopOffset;
            piece->fadeBottom = kCellSize * entry.y + kFadeBottomOffset;
            ++spawnCounter;
        }
    }
}
