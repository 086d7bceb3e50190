#pragma once
// Boards drawn as text for the match-3 tests, and a fixture that plays them.
//
// A design is up to 12 rows of up to 20 cells (missing cells are disabled). Piece rows:
//   '.' disabled (not part of the field)     '_' active, starts empty     '?' active, random piece
//   'a'..'f' a preset piece: a hat, b shell, c compass, d rock, e float, f egg (colours 0..5)
// Optional square rows of the same shape add to the cells beneath:
//   ' ' or '.' nothing   'L' single lock   'D' double lock   '1' / '2' colour layers   'E' entry
//
// The board's picture (Picture) uses the piece legend and shows specials as '*' small crystal,
// '#' exploding crystal and '$' air coin.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/ldv_game.h"
#include "game/match3/board.h"
#include "game/match3/counter.h"
#include "game/match3/match3_images.h"
#include "tests/support/temp_dir.h"

struct Design {
    static Design parse(std::initializer_list<const char*> pieceRows, std::initializer_list<const char*> squareRows = {});
    LevelWords words{};
};

class BoardTest : public testing::Test {
protected:
    BoardTest();
    ~BoardTest() override;

    // Seeds the game's generator, sets colours 0..4 and sets the board up (no reveal: play starts at once).
    void setUp(const Design& design, int level = 1, bool coinsAllowed = false, unsigned seed = 1);
    // A new player with an empty progress store in the temporary save folder; the listed tips count
    // as seen. dropPlayer leaves the board without a player again.
    void selectPlayer(const std::vector<const char*>& tipsSeen = {});
    void dropPlayer();
    // Steps the board `ticks` times, checking its consistency after every step.
    void tick(int ticks = 1);
    // Steps until nothing moves, swaps, vanishes or blows; false when that takes over `limit` steps.
    bool runUntilQuiet(int limit = 3000);
    bool quiet() const;
    // The board as piece rows, `rows` high.
    std::vector<std::string> picture(int rows) const;
    int countPieces() const;
    int countSpecials(int kind) const;
    template <typename T>
    int countEffects(const EffectList& list) const {
        int n = 0;
        for (const auto& effect : list) n += dynamic_cast<const T*>(effect.get()) != nullptr ? 1 : 0;
        return n;
    }
    GamePiece& piece(int col, int row);

    TempDir saveRoot;
    ScopedEnv xdg{"XDG_DATA_HOME", saveRoot.path()};
    std::unique_ptr<LDvGame> game;         // only while a player is selected
    Match3Images images;
    Counter score;
    std::unique_ptr<Board> board;
};
