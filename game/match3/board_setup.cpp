// Level start, the reveal that shows the board and the outro that throws the pieces off.
#include "game/match3/board.h"

#include <cmath>
#include <string>

#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kMaxColourChanges = 6;       // the first fill gives up avoiding a line after this many
constexpr int kRevealDelayPerCell = 3;     // steps per column and per row of the reveal's diagonal wave
constexpr int kRevealTicks = 20;
constexpr float kRevealDrift = 70.0f;      // pixels a tile may fly in from, on each axis
constexpr int kRevealFadeTicks = 30;
constexpr int kOutroFadeTicks = 30;
constexpr int kOutroRowTicks = 5;
constexpr int kOutroLastRowTicks = 30;

float RevealDrift() {
    if (RandomRange(0, 1) == 0) return 0.0f;
    return RandomRange(0, 1) == 0 ? kRevealDrift : -kRevealDrift;
}

}  // namespace

void Board::resetState() {
    selectionShown = revealing = outroRunning = finished = coinsEnabled = revealFading = false;
    revealFadeTicks = revealFadeAlpha = outroFadeTicks = outroRow = outroFadeAlpha = outroRowTicks = 0;
    flashTicks = flashFrame = flashAlpha = 0;
    flashPeriod = 1800;
    hintFrame = idleTicks = 0;
    hintShown = false;
    windTicks = windCount = windInterval = windNext = 0;
    points = uncolourPoints = comboPoints = lockPoints = 0;
    cascade = 0;
    swapTicks = swapBackTicks = ticksSinceSelect = 0;
    swapA = swapB = lastA = lastB = nullptr;
    selected = {-1, -1};
    entries.Clear();
    windCells.Clear();
}

void Board::setupLevel(const LevelWords& cellWords, int level, bool coinsAllowed) {
    clearAll();
    resetState();
    levelNumber = level;
    coinsEnabled = coinsAllowed && tipSeen("SAW_WIND_BONUS_TIP");
    for (int k = 0; k < kBoardCellCount; ++k) {
        cells[cellIndex(k % kBoardColumns, k / kBoardColumns)] = decodeCellWord(cellWords[k]);
    }
    // An entry on a cell outside the field would feed pieces sideways into its neighbours.
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            if (isActive(col, row) && cells[cellIndex(col, row)].entry) entries.Add({col, row});
        }
    }
    updateFedFromAbove();
    fillInitial();
}

void Board::fillInitial() {
    clearAll();
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            const BoardCell& cell = cells[cellIndex(col, row)];
            if (cell.disabled) continue;
            const int preset = cell.fixedColour - 1;
            if (preset >= 0 && preset < kPieceColours) {
                placePiece({col, row}, preset);
                continue;
            }
            // A preset beyond the six colours is bad level data: the cell gets a random piece.
            const bool badPreset = preset >= kPieceColours;
            if (badPreset) Log("level data: no piece colour " + std::to_string(preset) + ", random instead");
            if (!cell.randomFill && !badPreset) continue;
            GamePiece* piece = placePiece({col, row}, randomColour());
            MatchList lines;
            for (int changes = 0; piece != nullptr && changes < kMaxColourChanges && findMatches({col, row}, lines);
                 ++changes) {
                piece->colour = nextColour(piece->colour);
                lines.count = 0;
            }
        }
    }
    placeTutorialSpecials();
}

void Board::startReveal() {
    spawnCounter = 1;
    points = uncolourPoints = comboPoints = lockPoints = 0;
    revealing = true;
    revealFadeTicks = kRevealFadeTicks;
    revealFadeAlpha = 0;
    revealFading = false;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            BoardCell& cell = cells[cellIndex(col, row)];
            cell.revealDelay = kRevealDelayPerCell * (col + row);
            cell.revealTicks = cell.revealTotal = kRevealTicks;
            cell.revealStartX = RevealDrift();
            cell.revealStartY = RevealDrift();
            cell.revealOffsetX = cell.revealStartX;
            cell.revealOffsetY = cell.revealStartY;
            cell.revealAlpha = 0;
        }
    }
    PlayGameSound(sounds::kBoardReveal);
}

void Board::revealStep() {
    if (!revealFading) {
        bool changed = false;
        for (BoardCell& cell : cells) {
            if (cell.revealDelay != 0) {
                --cell.revealDelay;
                changed = true;
            } else if (cell.revealTicks != 0) {
                --cell.revealTicks;
                const float t = 1.0f - static_cast<float>(cell.revealTicks) / static_cast<float>(cell.revealTotal);
                const float drift = 1.0f - std::sqrt(t);
                cell.revealOffsetX = cell.revealStartX * drift;
                cell.revealOffsetY = cell.revealStartY * drift;
                cell.revealAlpha = static_cast<int32_t>(100.0f * t * t);
                changed = true;
            }
        }
        if (!changed) revealFading = true;
        return;
    }
    --revealFadeTicks;
    revealFadeAlpha = static_cast<int32_t>(100.0f * (1.0f - static_cast<float>(revealFadeTicks) / kRevealFadeTicks));
    if (revealFadeTicks <= 0) revealing = false;
}

void Board::startOutro() {
    outroRunning = true;
    outroFadeTicks = kOutroFadeTicks;
    outroFadeAlpha = 100;
    outroRow = 0;
    outroRowTicks = 0;
}

void Board::outroStep() {
    if (outroFadeTicks > 0) {
        --outroFadeTicks;
        outroFadeAlpha = 100 * outroFadeTicks / kOutroFadeTicks;
    }
    if (outroRow < kBoardRows) {
        if (outroRowTicks == 0) {
            for (auto& piece : pieces) {
                if (piece->row == outroRow) piece->fling();
            }
            PlayGameSound(sounds::kDismiss);
            ++outroRow;
            outroRowTicks = outroRow == kBoardRows ? kOutroLastRowTicks : kOutroRowTicks;
        } else {
            --outroRowTicks;
        }
    } else if (--outroRowTicks <= 0) {
        outroRunning = false;
        finished = true;
    }
    for (auto& piece : pieces) {
        bool changed = false;
        bool landed = false;
        piece->update(0, changed, landed);
    }
}
