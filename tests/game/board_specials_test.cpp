// Crystals, air coins and the wind bonus on small drawn designs: tutorial placements, chained
// blasts, the stuck-region rescue, coin collection, the wind's timing and the play screen's wind
// operations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/player_profiles.h"
#include "framework/effects/tl_player.h"
#include "game/match3/effects/bonus_disc_bit.h"
#include "game/match3/effects/broken_bit.h"
#include "game/match3/tornado.h"
#include "game/match3/wind_bonus.h"
#include "tests/game/board_design.h"

namespace {

using Rows = std::vector<std::string>;

const Design kFiveByFive = Design::parse({"abcab", "bcabc", "cabca", "abcab", "bcabc"});

struct TutorialCase {
    int level;
    std::vector<const char*> tipsSeen;     // empty: no player
    bool coinsAllowed;
    int kind;                              // the special placed, -1 none
};

TEST_F(BoardTest, TutorialSpecialsAppearUntilTheirTipWasSeen) {
    const TutorialCase cases[] = {
        {2, {}, false, kSpecialExplodingCrystal},
        {3, {}, false, kSpecialSmallCrystal},
        {2, {"SAW_BIG_EXPLODER_HELP"}, false, -1},
        {3, {"SAW_SMALL_EXPLODER_HELP"}, false, -1},
        {4, {"SAW_WIND_BONUS_TIP"}, true, kSpecialAirCoin},
        {4, {"SAW_WIND_BONUS_TIP", "SAW_TOKEN_BONUS_TIP"}, true, -1},
        {4, {"SAW_WIND_BONUS_TIP"}, false, -1},
        {4, {}, true, -1},
        {2, {"SAW_BIG_EXPLODER_HELP", "SAW_WIND_BONUS_TIP"}, true, kSpecialAirCoin},
    };
    for (const TutorialCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << ", tips " << c.tipsSeen.size());
        if (c.tipsSeen.empty()) {
            dropPlayer();
        } else {
            selectPlayer(c.tipsSeen);
        }
        setUp(Design::parse({"abcab", "bcabc", "cabca", "abcab", "bcabc", "cabca", "abcab", "bcabc"}), c.level,
              c.coinsAllowed);
        for (int kind = 0; kind < 3; ++kind) EXPECT_EQ(countSpecials(kind), kind == c.kind ? 1 : 0) << kind;
        if (c.kind == kSpecialAirCoin) {
            for (const auto& p : board->allPieces()) {
                if (!p->special) continue;
                EXPECT_TRUE(p->row >= 4 && p->row <= 8) << "coins start in rows 4 to 8";
            }
        }
    }
}

// A small crystal beside an exploding one: the big one goes off with its own diamond, the small
// one only once, and the coin in the blast keeps its place while its square loses its layer.
TEST_F(BoardTest, ABlastSetsOffTheCrystalsInItOnce) {
    setUp(Design::parse({"abcabc", "bcabca", "cabcab", "abcabc", "bcabca"}, {"", "", ".....1"}), 4);
    board->makeSpecial(piece(2, 2), kSpecialSmallCrystal, 0);
    board->makeSpecial(piece(3, 2), kSpecialExplodingCrystal, 0);
    board->makeSpecial(piece(5, 2), kSpecialAirCoin, 0);
    board->select({2, 2});
    tick(30);
    board->clickSelected({2, 2});
    EXPECT_TRUE(piece(2, 2).detonated);
    EXPECT_TRUE(piece(3, 2).detonated);
    EXPECT_EQ(countEffects<TLPlayer>(board->effects), 2) << "one explosion each";
    EXPECT_EQ(countEffects<BrokenBit>(board->effects), 4 + 8);
    const Rows dying = {
        "...x..",
        "..xxx.",
        ".xxxx.",
        "..xxx.",
        "...x..",
    };
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 6; ++col) {
            EXPECT_EQ(piece(col, row).dying, dying[row][col] == 'x') << col << ", " << row;
        }
    }
    EXPECT_EQ(board->cellAt(5, 2)->colourLayers, 0);
    EXPECT_NEAR(piece(0, 0).shockOffset.x, -24.0f, 1e-3) << "pushed back by the big blast, 3 cells away";
    EXPECT_TRUE(runUntilQuiet());
}

TEST_F(BoardTest, ASelectedCrystalDetonatesOnlyWhenPressedAgainSoon) {
    for (const int wait : {59, 60}) {
        SCOPED_TRACE(wait);
        setUp(kFiveByFive, 4);
        board->makeSpecial(piece(2, 2), kSpecialSmallCrystal, 0);
        int moves = 0;
        board->onAfterMove = [&moves] { ++moves; };
        board->select({2, 2});
        tick(wait);
        board->clickSelected({2, 2});
        EXPECT_EQ(piece(2, 2).detonated, wait < 60);
        EXPECT_EQ(moves, wait < 60 ? 1 : 0);
        EXPECT_EQ(board->selected.x, -1);
    }
}

TEST_F(BoardTest, ASwappedCrystalExplodesWhereItMovedTo) {
    setUp(kFiveByFive, 4);
    board->makeSpecial(piece(2, 2), kSpecialSmallCrystal, 0);
    board->startSwap({2, 2}, {3, 2});
    tick(kSwapTicks);
    EXPECT_TRUE(piece(3, 2).detonated);
    for (const LDvPoint cell : {LDvPoint{2, 2}, LDvPoint{4, 2}, LDvPoint{3, 1}, LDvPoint{3, 3}}) {
        EXPECT_TRUE(piece(cell.x, cell.y).dying) << cell.x << ", " << cell.y;
    }
    EXPECT_FALSE(piece(1, 2).dying);
    EXPECT_TRUE(runUntilQuiet());
}

// The blast takes one of the two sliding pieces; the other stays where it started.
TEST_F(BoardTest, APieceBlownAwayDuringASlideLeavesItsPartnerInPlace) {
    setUp(Design::parse({"cabd"}), 4);
    board->makeSpecial(piece(0, 0), kSpecialSmallCrystal, 0);
    board->select({0, 0});
    board->startSwap({1, 0}, {2, 0});
    tick(2);
    board->clickSelected({0, 0});
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(picture(1), (Rows{"__bd"}));
    EXPECT_FLOAT_EQ(piece(2, 0).swapOffset.x, 0.0f);
}

struct RegionCase {
    const char* name;
    Design design;
    int level;
    bool crystal;
};

// The walk starts at a random piece, so only some seeds start in the first row's region, the one
// with a coloured square.
TEST_F(BoardTest, AStuckColouredRegionGetsASmallCrystalFromLevelThree) {
    const RegionCase cases[] = {
        {"stuck, level 3", Design::parse({"abab", "...", "cdcd"}, {"1"}), 3, true},
        {"stuck, level 2", Design::parse({"abab", "...", "cdcd"}, {"1"}), 2, false},
        {"stuck without colour", Design::parse({"abab", "...", "cdcd"}), 3, false},
        {"with a move", Design::parse({"aaba", "...", "cdcd"}, {"1"}), 3, false},
    };
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.name);
        selectPlayer({"SAW_BIG_EXPLODER_HELP", "SAW_SMALL_EXPLODER_HELP"});
        int crystals = 0;
        for (unsigned i = 1; i <= 8; ++i) {
            setUp(c.design, c.level, false, i * 2654435761u);
            board->checkRegions();
            ASSERT_LE(countSpecials(kSpecialSmallCrystal), 1);
            for (const auto& p : board->allPieces()) {
                if (!p->special) continue;
                EXPECT_EQ(p->row, 0) << "never in the plain region";
                ++crystals;
            }
        }
        EXPECT_EQ(crystals > 0, c.crystal);
    }
}

TEST_F(BoardTest, CoinsAreCollectedWhenNothingBelowThemIsPartOfTheField) {
    setUp(Design::parse({
        "a", "b", "a", "b", "a", "b.......c", "a...d...d", "b.......e", "a", "b", "a", "b",
    }));
    board->makeSpecial(piece(0, 11), kSpecialAirCoin, 0);  // bottom row
    board->makeSpecial(piece(4, 6), kSpecialAirCoin, 0);   // over three disabled cells
    board->makeSpecial(piece(8, 6), kSpecialAirCoin, 0);   // over an active cell
    board->makeSpecial(piece(8, 5), kSpecialAirCoin, 0);   // on another coin
    int collected = 0;
    board->onCoinCollected = [&collected] { ++collected; };
    EXPECT_TRUE(board->collectCoins());
    EXPECT_EQ(collected, 2);
    EXPECT_EQ(board->pieceAt(0, 11), nullptr);
    EXPECT_EQ(board->pieceAt(4, 6), nullptr);
    EXPECT_NE(board->pieceAt(8, 6), nullptr);
    EXPECT_NE(board->pieceAt(8, 5), nullptr);
    EXPECT_EQ(countEffects<BonusDiscBit>(board->effects), 2);
    EXPECT_FALSE(board->collectCoins());
}

struct WindTimingCase {
    int cells;
    std::vector<int> takenAt;              // remaining wind steps when each cell is taken
};

TEST_F(BoardTest, TheWindTakesOneCellPerInterval) {
    const WindTimingCase cases[] = {
        {14, {140, 130, 120, 110, 100, 90, 80, 70, 60, 50, 40, 30, 20, 10}},
        {10, {143, 130, 117, 104, 91, 78, 65, 52, 39, 26}},
    };
    for (const WindTimingCase& c : cases) {
        SCOPED_TRACE(c.cells);
        setUp(kFiveByFive, 4);
        board->startWind(Board::cellCentre({2, 2}));
        board->windCount = c.cells;
        board->windInterval = kWindTicks / (c.cells + 1);
        board->windCells.Clear();
        for (int i = 0; i < c.cells; ++i) board->windCells.Add({i % 5, i / 5});
        std::vector<int> takenAt;
        while (board->windTicks > 0) {
            const int before = board->windNext;
            tick();
            if (board->windNext != before) takenAt.push_back(board->windTicks);
        }
        EXPECT_EQ(takenAt, c.takenAt);
        EXPECT_TRUE(runUntilQuiet());
        for (const auto& p : board->allPieces()) EXPECT_FALSE(p->hidden);
        EXPECT_EQ(countPieces(), 25 - c.cells);
    }
}

TEST_F(BoardTest, TheWindPicksTenToFourteenCellsAroundItsTarget) {
    for (unsigned i = 1; i <= 6; ++i) {
        setUp(kFiveByFive, 4, false, i * 2654435761u);
        board->startWind({275 + 55 * 2 + 10, 115 + 55 * 2 - 10});
        SCOPED_TRACE(board->windCount);
        EXPECT_GE(board->windCount, 10);
        EXPECT_LE(board->windCount, 14);
        EXPECT_EQ(board->windInterval, kWindTicks / (board->windCount + 1));
        EXPECT_EQ(board->windTicks, kWindTicks);
        EXPECT_EQ(board->windCells.Count(), board->windCount);
        for (const LDvPoint& cell : board->windCells) {
            EXPECT_GE(cell.x, 0);
            EXPECT_LE(cell.x, 4);
            EXPECT_GE(cell.y, 0);
            EXPECT_LE(cell.y, 4);
        }
    }
}

TEST_F(BoardTest, TheWindBreaksLocksAndLeavesSpecials) {
    setUp(kFiveByFive, 4, false, 1);
    board->cellAt(0, 0)->lock = 2;
    board->makeSpecial(piece(1, 0), kSpecialAirCoin, 0);
    board->startWind(Board::cellCentre({2, 2}));
    board->windCount = 3;
    board->windInterval = kWindTicks / 4;
    board->windCells.Clear();
    for (const LDvPoint cell : {LDvPoint{0, 0}, LDvPoint{1, 0}, LDvPoint{-3, 0}}) board->windCells.Add(cell);
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(board->cellAt(0, 0)->lock, 1);
    EXPECT_FALSE(piece(0, 0).hidden);
    EXPECT_TRUE(piece(1, 0).special);
    EXPECT_EQ(countPieces(), 25);
}

class WindBonusTest : public BoardTest {
protected:
    void start(int owned, bool active) {
        wind.reset();
        tornado.reset();
        cursor.clear();
        selectPlayer({});
        SetPlayerInt(nullptr, "WBS", owned);
        SetPlayerInt(nullptr, "WBS_ACTIVE", active ? 1 : 0);
        setUp(kFiveByFive, 4);
        tornado = std::make_unique<Tornado>(images.tornadoSpiral);
        wind = std::make_unique<WindBonus>(*board, *tornado, [this](bool on) { cursor.push_back(on); });
        wind->startLevel();
    }

    std::unique_ptr<Tornado> tornado;
    std::unique_ptr<WindBonus> wind;
    std::vector<bool> cursor;
};

TEST_F(WindBonusTest, AimingStartsAtTheButtonAndFiresOnTheField) {
    start(2, true);
    EXPECT_EQ(wind->count, 2);
    EXPECT_TRUE(wind->active);
    EXPECT_FALSE(wind->handleLeftClick({539 + 50, 816})) << "50 pixels away is off the button";
    EXPECT_TRUE(wind->handleLeftClick({539 + 30, 816 + 30}));
    EXPECT_TRUE(wind->aiming);
    EXPECT_FALSE(wind->handleLeftClick({100, 100})) << "no active cell near: an ordinary click, still aiming";
    EXPECT_TRUE(wind->aiming);
    // Off the field to the left, but a sample 55 pixels right and up lands on cell (0, 0).
    EXPECT_TRUE(wind->handleLeftClick({210, 180}));
    EXPECT_FALSE(wind->aiming);
    EXPECT_EQ(wind->count, 1);
    EXPECT_EQ(GetPlayerInt(nullptr, "WBS", 0), 1);
    EXPECT_EQ(board->windTicks, kWindTicks);
    EXPECT_TRUE(tornado->isRunning());
    EXPECT_FLOAT_EQ(tornado->centreY, 180.0f + 250.0f);
    EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
    EXPECT_TRUE(wind->handleLeftClick({539, 816})) << "clicks are swallowed while the wind blows";
    EXPECT_FALSE(wind->aiming);
    for (const LDvPoint& cell : board->windCells) {
        EXPECT_LE(cell.x, 2) << "centred on cell (0, 0)";
        EXPECT_LE(cell.y, 2);
    }
}

TEST_F(WindBonusTest, NoBonusNoAimingAndARightClickCancels) {
    start(0, true);
    EXPECT_FALSE(wind->handleLeftClick({539, 816}));
    EXPECT_FALSE(wind->aiming);

    start(1, true);
    board->select({1, 1});
    ASSERT_TRUE(wind->armWind({539, 816}));
    wind->cancelWind();
    EXPECT_FALSE(wind->aiming);
    EXPECT_EQ(board->selected.x, -1);
    EXPECT_EQ(wind->count, 1);
    EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
}

TEST_F(WindBonusTest, ACollectedCoinAddsABonusToTheStoredCount) {
    start(0, false);
    EXPECT_FALSE(wind->active);
    board->makeSpecial(piece(2, 4), kSpecialAirCoin, 0);
    board->settle();
    EXPECT_EQ(wind->count, 1);
    EXPECT_EQ(GetPlayerInt(nullptr, "WBS", 0), 1);
    EXPECT_TRUE(wind->active);
    EXPECT_EQ(wind->flashTicks, WindBonus::kCountFlashTicks);
}

TEST(Tornado, FadesInAndOutOverItsLife) {
    LDvSprite spiral;
    Tornado tornado(spiral);
    tornado.start(600, 700);
    std::vector<float> alphas;
    for (int tick = 1; tick <= Tornado::kLifetime; ++tick) {
        tornado.OnTick(tick);
        alphas.push_back(tornado.alpha);
    }
    EXPECT_NEAR(alphas[0], (1.0f - 149.0f / 150.0f) / 0.3f, 1e-4);
    EXPECT_FLOAT_EQ(alphas[74], 1.0f);
    EXPECT_FLOAT_EQ(alphas.back(), 0.0f);
    EXPECT_FALSE(tornado.isRunning());
    EXPECT_NEAR(tornado.angles[9], 150 * (0.5f + 0.9f * 9), 1e-2);
}

}  // namespace
