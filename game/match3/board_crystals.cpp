// Crystals: how they are made, how they blow up the cells around them (setting off their
// neighbours), and the specials placed at level start so that the tips can show them.
#include "game/match3/board.h"

#include <cstdlib>
#include <memory>

#include "framework/core/game_random.h"
#include "framework/data/player_profiles.h"
#include "framework/effects/tl_player.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/effects/broken_bit.h"
#include "game/match3/effects/unzoomer.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kExplodingCrystalLevel = 2;  // first level with each kind of crystal
constexpr int kSmallCrystalLevel = 3;
constexpr int kExplodingAppearTicks = 25;
constexpr int kSmallAppearTicks = 15;
constexpr int kExplodingFlashTicks = 25;
constexpr int kSmallFlashTicks = 10;
constexpr int kCrystalPoints = 50;
constexpr int kShockTicks = 20;
constexpr int kDebrisSpeed = 4;
constexpr int kDebrisTicks = 25;
constexpr float kExplosionOpacity = 0.5f;
constexpr int kCoinRowFirst = 4;           // rows where the first coin of a level may be placed
constexpr int kCoinRowLast = 8;

// The blast around the centre, in the order its cells are cleared and their specials chained.
constexpr LDvPoint kSmallBlast[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr LDvPoint kBigBlast[] = {{1, 0}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {-1, 1},
                                  {0, 1}, {1, 1},  {2, 0},   {-2, 0}, {0, 2},  {0, -2}};

struct Blast {
    const LDvPoint* cells;
    int count;
    int shockRange;                        // cells in each direction that are pushed back
    int shockPixels;                       // per cell of distance
    int debris;
    float zoom;
    const char* sound;
};

Blast BlastOf(int kind) {
    if (kind == kSpecialExplodingCrystal) {
        return {kBigBlast, 12, 5, 8, 8, 6.0f, sounds::kExplodeCrystal};
    }
    return {kSmallBlast, 4, 3, 4, 4, 3.0f, sounds::kExplodeCrystalSmall};
}

struct ChainLink {
    LDvPoint cell;
    int kind;
};

}  // namespace

bool Board::tipSeen(const char* key) {
    return IsPlayerSelected() && GetPlayerInt("TIPS", key, 0) != 0;
}

void Board::createExplodingCrystal(LDvPoint cell) {
    if (levelNumber < kExplodingCrystalLevel || !isActive(cell)) return;
    GamePiece* crystal = placePiece(cell, 0);
    if (crystal == nullptr) return;
    makeSpecial(*crystal, kSpecialExplodingCrystal, kExplodingAppearTicks);
    const LDvPoint centre = cellCentre(cell);
    underEffects.Add(std::make_unique<Unzoomer>(kExplodingFlashTicks, images.crystalFlash, centre.x, centre.y));
    PlayGameSound(sounds::kCrystalAppears);
    comboPoints += kCrystalPoints;
    awardPoints(kCrystalPoints, centre);
}

void Board::createSmallCrystal(LDvPoint cell) {
    if (levelNumber < kSmallCrystalLevel || !isActive(cell)) return;
    GamePiece* crystal = placePiece(cell, 0);
    if (crystal == nullptr) return;
    makeSpecial(*crystal, kSpecialSmallCrystal, kSmallAppearTicks);
    const LDvPoint centre = cellCentre(cell);
    underEffects.Add(std::make_unique<Unzoomer>(kSmallFlashTicks, images.crystalFlash, centre.x, centre.y));
    PlayGameSound(sounds::kCrystalAppearsSmall);
}

void Board::explode(LDvPoint cell, int kind) {
    GamePiece* centrePiece = pieceAt(cell);
    if (centrePiece == nullptr || centrePiece->detonated) return;
    centrePiece->detonated = true;
    if (kind != kSpecialSmallCrystal && kind != kSpecialExplodingCrystal) return;
    const Blast blast = BlastOf(kind);
    std::array<ChainLink, 12> chain{};
    int chained = 0;
    for (int i = 0; i < blast.count; ++i) {
        const LDvPoint at{cell.x + blast.cells[i].x, cell.y + blast.cells[i].y};
        const GamePiece* piece = pieceAt(at);
        if (piece != nullptr && piece->special) chain[chained++] = {at, piece->specialKind};
    }
    // Air coins ride out the blast; only their square is hit.
    const auto hit = [this](GamePiece& piece) {
        clearPiece(piece, piece.special && piece.specialKind == kSpecialAirCoin);
    };
    hit(*centrePiece);
    for (int i = 0; i < blast.count; ++i) {
        if (GamePiece* piece = pieceAt(cell.x + blast.cells[i].x, cell.y + blast.cells[i].y)) hit(*piece);
    }
    explosionShock(cell, kind);
    explosionEffects(cell, kind);
    for (int i = 0; i < chained; ++i) explode(chain[i].cell, chain[i].kind);
}

void Board::explosionShock(LDvPoint centre, int kind) {
    const Blast blast = BlastOf(kind);
    for (auto& piece : pieces) {
        const int dx = piece->col - centre.x;
        const int dy = piece->row - centre.y;
        if (std::abs(dx) > blast.shockRange || std::abs(dy) > blast.shockRange) continue;
        piece->shockAmplitude = {static_cast<float>(blast.shockPixels * dx), static_cast<float>(blast.shockPixels * dy)};
        piece->shockOffset = piece->shockAmplitude;
        piece->shockTicks = piece->shockTotal = kShockTicks;
    }
}

void Board::explosionEffects(LDvPoint cell, int kind) {
    const Blast blast = BlastOf(kind);
    const LDvPoint centre = cellCentre(cell);
    PlayGameSound(blast.sound);
    for (int i = 0; i < blast.debris; ++i) {
        effects.Add(std::make_unique<BrokenBit>(images.crystalBit, centre, kDebrisSpeed, kDebrisTicks));
    }
    auto flash = std::make_unique<TLPlayer>(images.explosion, static_cast<float>(centre.x),
                                            static_cast<float>(centre.y), 1, kExplosionOpacity, blast.zoom);
    flash->Start();
    effects.Add(std::move(flash));
}

void Board::placeTutorialSpecials() {
    if (pieces.IsEmpty()) return;
    if (levelNumber == kExplodingCrystalLevel && !tipSeen("SAW_BIG_EXPLODER_HELP")) {
        makeSpecial(*randomPiece(), kSpecialExplodingCrystal, 0);
        return;
    }
    if (levelNumber == kSmallCrystalLevel && !tipSeen("SAW_SMALL_EXPLODER_HELP")) {
        makeSpecial(*randomPiece(), kSpecialSmallCrystal, 0);
        return;
    }
    if (!coinsEnabled || tipSeen("SAW_TOKEN_BONUS_TIP") || !tipSeen("SAW_WIND_BONUS_TIP")) return;
    std::array<GamePiece*, kBoardCellCount> middle{};
    int count = 0;
    for (auto& piece : pieces) {
        const bool inMiddle = piece->row >= kCoinRowFirst && piece->row <= kCoinRowLast;
        if (inMiddle && count < kBoardCellCount) middle[count++] = piece;
    }
    if (count > 0) makeSpecial(*middle[RandomRange(0, count - 1)], kSpecialAirCoin, 0);
}
