// The wind bonus on the board: a patch of cells around the target loses its pieces one by one.
#include "game/match3/board.h"

#include <memory>

#include "framework/core/game_random.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/effects/blowing_piece.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kWindMinCells = 10;
constexpr int kWindMaxCells = 14;
constexpr int kWindReach = 2;              // cells around the centre the wind may take
constexpr int kSampleSpacing = 55;

}  // namespace

bool Board::findWindTarget(LDvPoint clickPoint, LDvPoint& cell) const {
    for (const int dx : {-kSampleSpacing, 0, kSampleSpacing}) {
        for (const int dy : {-kSampleSpacing, 0, kSampleSpacing}) {
            LDvPoint sample;
            if (screenToCell({clickPoint.x + dx, clickPoint.y + dy}, sample) && isActive(sample)) {
                cell = sample;
                return true;
            }
        }
    }
    return false;
}

void Board::startWind(LDvPoint clickPoint) {
    LDvPoint centre;
    if (!screenToCell(clickPoint, centre) && !findWindTarget(clickPoint, centre)) return;
    windCount = RandomRange(kWindMinCells, kWindMaxCells);
    windTicks = kWindTicks;
    windNext = 0;
    windInterval = kWindTicks / (windCount + 1);
    windCells.Clear();
    for (int i = 0; i < windCount; ++i) {
        const int row = RandomRange(centre.y - kWindReach, centre.y + kWindReach);
        const int col = RandomRange(centre.x - kWindReach, centre.x + kWindReach);
        windCells.Add({col, row});
    }
}

void Board::windStep() {
    --windTicks;
    if (windInterval > 0 && windTicks % windInterval == 0 && windNext < windCount && windNext < windCells.Count()) {
        const LDvPoint cell = windCells.Get(windNext);
        GamePiece* piece = pieceAt(cell);
        if (piece == nullptr || piece->hidden || piece->special || isLocked(cell)) {
            breakLock(cell);
        } else {
            piece->hidden = true;
            clearPiece(*piece, false);
            const LDvPoint at{static_cast<int>(piece->centreX()), static_cast<int>(piece->centreY())};
            effects.Add(std::make_unique<BlowingPiece>(at, images.piece(piece->colour)));
            PlayGameSound(sounds::kDismiss);
        }
        ++windNext;
    }
    if (windTicks <= 0) endWind();
}

void Board::endWind() {
    windTicks = 0;
    for (const LDvPoint& cell : windCells) {
        GamePiece* piece = pieceAt(cell);
        if (piece != nullptr && piece->hidden) deletePiece(piece);
    }
    settleIfQuiet();
}
