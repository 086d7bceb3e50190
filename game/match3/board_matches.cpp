// Lines of equal pieces, and what clearing a piece does to its square: locks, colour layers, points.
#include "game/match3/board.h"

#include <memory>

#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/counter.h"
#include "game/match3/effects/broken_bit.h"
#include "game/match3/effects/score_popup.h"
#include "game/match3/effects/traveling_bit.h"
#include "game/match3/effects/uncolorizer.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kLinePartners = 2;           // pieces beside the matched one that make a line of 3
constexpr int kClearPoints = 50;           // per colour layer and per lock level
constexpr LDvPoint kScoreTarget{612, 46};  // where the stars fly
constexpr int kLockDebrisSpeed = 1;
constexpr int kLockDebrisTicks = 50;

}  // namespace

bool Board::findMatches(LDvPoint cell, MatchList& found) {
    const GamePiece* centre = pieceAt(cell);
    if (centre == nullptr || centre->special) return false;
    const auto run = [&](int dx, int dy, MatchList& out) {
        for (int col = cell.x + dx, row = cell.y + dy;; col += dx, row += dy) {
            GamePiece* piece = pieceAt(col, row);
            if (piece == nullptr || piece->special || piece->colour != centre->colour || !piece->isIdle()) return;
            out.add(piece);
        }
    };
    const int before = found.count;
    for (const LDvPoint axis : {LDvPoint{1, 0}, LDvPoint{0, 1}}) {
        MatchList line;
        run(axis.x, axis.y, line);
        run(-axis.x, -axis.y, line);
        if (line.count < kLinePartners) continue;
        for (GamePiece* piece : line) found.add(piece);
    }
    return found.count > before;
}

bool Board::clearPiece(GamePiece& piece, bool keep) {
    idleTicks = 0;
    hintShown = false;
    const LDvPoint cell{piece.col, piece.row};
    const LDvPoint centre = cellCentre(cell);
    if (breakLock(cell)) {
        lockPoints += kClearPoints;
        awardPoints(kClearPoints, centre);
        return false;
    }
    bool uncoloured = false;
    BoardCell* square = cellAt(cell.x, cell.y);
    if (square != nullptr && square->colourLayers > 0) {
        --square->colourLayers;
        uncolourPoints += kClearPoints;
        effects.Add(std::make_unique<Uncolorizer>(centre, images.uncolor1, images.uncolor2));
        awardPoints(kClearPoints, centre);
        uncoloured = true;
    }
    if (!keep) {
        piece.dying = true;
        piece.dyingTicks = kDyingTicks;
    }
    return uncoloured;
}

bool Board::breakLock(LDvPoint cell) {
    BoardCell* square = cellAt(cell.x, cell.y);
    if (square == nullptr || square->disabled || square->lock <= 0) return false;
    const LDvPoint centre = cellCentre(cell);
    const auto debris = [&](LDvSprite& sheet, int count) {
        for (int i = 0; i < count; ++i) {
            effects.Add(std::make_unique<BrokenBit>(sheet, centre, kLockDebrisSpeed, kLockDebrisTicks));
        }
    };
    if (square->lock == 1) {
        PlayGameSound(sounds::kBreakSingleLock);
        debris(images.smokeBit, 2);
        debris(images.woodBit, 4);
    } else {
        PlayGameSound(sounds::kBreakDoubleLock);
        debris(images.smokeBit, 2);
        debris(images.ropeBit, 3);
    }
    --square->lock;
    updateFedFromAbove();
    return true;
}

void Board::awardPoints(int amount, LDvPoint at) {
    if (scoreDisplay == nullptr) return;
    points += amount;
    scoreDisplay->addPoints(amount);
    effects.Add(std::make_unique<ScorePopup>(amount, at, images.score));
    effects.Add(std::make_unique<TravelingBit>(at, kScoreTarget, images.starBit));
}
