// Air coins: collected once nothing below them belongs to the field.
#include "game/match3/board.h"

#include <memory>

#include "game/match3/effects/bonus_disc_bit.h"
#include "game/match3/match3_images.h"

namespace {
constexpr int kCoinDrop = 110;             // pixels the collected coin sinks while it fades in
}

bool Board::collectCoins() {
    bool collected = false;
    for (int row = kBoardRows - 1; row >= 0; --row) {
        for (int col = 0; col < kBoardColumns; ++col) {
            GamePiece* coin = pieceAt(col, row);
            if (coin == nullptr || !coin->special || coin->specialKind < kSpecialAirCoin || coin->falling) continue;
            if (isActive(col - 1, row + 1) || isActive(col, row + 1) || isActive(col + 1, row + 1)) continue;
            if (onCoinCollected) onCoinCollected();
            const LDvPoint centre = cellCentre({col, row});
            effects.Add(std::make_unique<BonusDiscBit>(centre, LDvPoint{centre.x, centre.y + kCoinDrop},
                                                       images.special(kSpecialAirCoin)));
            deletePiece(coin);
            collected = true;
        }
    }
    return collected;
}
