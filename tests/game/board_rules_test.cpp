// The rules of the board played on small drawn designs: swaps and swap-backs, lines and crosses,
// locks and colour layers, falling with diagonal slides, refills, cascades, the hint and the grid's
// screen geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/match3/effects/uncolorizer.h"
#include "tests/game/board_design.h"

namespace {

using Rows = std::vector<std::string>;

TEST_F(BoardTest, SwapWithoutALineSlidesBackAndClearsNothing) {
    setUp(Design::parse({"abab"}));
    board->startSwap({0, 0}, {1, 0});
    ASSERT_EQ(board->swapTicks, kSwapTicks);
    tick(5);
    EXPECT_NEAR(piece(0, 0).swapOffset.x, 27.5f, 1e-3) << "sin 30 degrees of the way";
    EXPECT_NEAR(piece(1, 0).swapOffset.x, -27.5f, 1e-3);
    tick(10);
    EXPECT_EQ(board->swapBackTicks, kSwapTicks);
    EXPECT_EQ(picture(1), (Rows{"baab"})) << "the pieces trade cells for the slide back";
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(picture(1), (Rows{"abab"}));
    EXPECT_EQ(board->cascade, 0);
    EXPECT_EQ(countPieces(), 4);
    EXPECT_EQ(board->tickCount, 30);
}

TEST_F(BoardTest, LinesAtBothSwappedCellsClearAllSix) {
    setUp(Design::parse({"aababb"}));
    board->startSwap({2, 0}, {3, 0});
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(countPieces(), 0);
    EXPECT_EQ(picture(1), (Rows{"______"}));
    EXPECT_EQ(board->points, 0) << "plain squares give no points";
}

struct ShapeCase {
    const char* name;
    Design design;
    LDvPoint from, to;                     // the swap; `to` receives the piece that completes the shape
};

TEST_F(BoardTest, LShapesTShapesAndFiveInARowClearTogether) {
    const ShapeCase cases[] = {
        {"L", Design::parse({"a", "a", "baa", "a"}), {0, 2}, {0, 3}},
        {"T", Design::parse({".a.", "aba", ".a.", ".a."}), {1, 1}, {1, 0}},
        {"five in a row", Design::parse({"aabaa", "..a.."}), {2, 0}, {2, 1}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        setUp(c.design);
        board->startSwap(c.from, c.to);
        EXPECT_TRUE(runUntilQuiet());
        EXPECT_EQ(countPieces(), 1) << "five cleared, only the other swapped piece is left";
        EXPECT_EQ(countSpecials(kSpecialExplodingCrystal), 0) << "no crystal on level 1";
    }
}

struct CrystalLevelCase {
    int level;
    const char* topRow;
    int comboPoints;
};
constexpr CrystalLevelCase kCrystalLevels[] = {
    {1, "_____", 0},
    {2, "__#__", 50},
};

TEST_F(BoardTest, FiveInARowMakesAnExplodingCrystalFromLevelTwo) {
    for (const CrystalLevelCase& c : kCrystalLevels) {
        SCOPED_TRACE(c.level);
        selectPlayer({"SAW_BIG_EXPLODER_HELP"});
        setUp(Design::parse({"aabaa", "..a.."}), c.level);
        board->startSwap({2, 1}, {2, 0});
        EXPECT_TRUE(runUntilQuiet());
        EXPECT_EQ(picture(2), (Rows{c.topRow, "..b"}));
        EXPECT_EQ(board->comboPoints, c.comboPoints);
    }
}

struct LockCase {
    char lock;
    int lockAfterFirst;
    Rows columnAfterSecond;
    int lockPoints;
};

// The first match runs through the locked corner; the second runs down the first column.
TEST_F(BoardTest, AMatchBreaksOneLockLevelAndLeavesThePiece) {
    const LockCase cases[] = {
        {'L', 0, {"_", "_", "_"}, 50},
        {'D', 1, {"_", "_", "a"}, 100},  // unlocked by the second match, it falls
    };
    for (const LockCase& c : cases) {
        SCOPED_TRACE(c.lock);
        const std::string squares(1, c.lock);
        setUp(Design::parse({"aaba", "a...", "ba"}, {squares.c_str()}));
        board->startSwap({2, 0}, {3, 0});
        EXPECT_TRUE(runUntilQuiet());
        EXPECT_EQ(picture(1), (Rows{"a__b"}));
        EXPECT_EQ(board->cellAt(0, 0)->lock, c.lockAfterFirst);
        EXPECT_EQ(board->lockPoints, 50);
        EXPECT_EQ(score.target, 50) << "points reach the score display";

        board->startSwap({1, 2}, {0, 2});
        EXPECT_TRUE(runUntilQuiet());
        const Rows column = {picture(3)[0].substr(0, 1), picture(3)[1].substr(0, 1), picture(3)[2].substr(0, 1)};
        EXPECT_EQ(column, c.columnAfterSecond);
        EXPECT_EQ(board->lockPoints, c.lockPoints);
        EXPECT_EQ(board->cellAt(0, 0)->lock, 0);
    }
}

struct LayerCase {
    const char* squares;
    bool won;
    int layersLeftAt1;
};
constexpr LayerCase kLayers[] = {
    {"11", true, 0},
    {"12", false, 1},
};

TEST_F(BoardTest, ClearedPiecesTakeOneColourLayerAndTheLastOneWins) {
    for (const LayerCase& c : kLayers) {
        SCOPED_TRACE(c.squares);
        setUp(Design::parse({"aaba"}, {c.squares}));
        EXPECT_FALSE(board->countColouredCells());
        board->startSwap({2, 0}, {3, 0});
        tick(kSwapTicks);
        EXPECT_EQ(countEffects<Uncolorizer>(board->effects), 2);
        EXPECT_TRUE(runUntilQuiet());
        EXPECT_EQ(board->uncolourPoints, 100);
        EXPECT_EQ(board->cellAt(1, 0)->colourLayers, c.layersLeftAt1);
        EXPECT_EQ(board->countColouredCells(), c.won);
    }
}

// Both swapped pieces have the same colour, so the two lines share their pieces.
TEST_F(BoardTest, APieceInBothLinesOfASwapIsClearedOnce) {
    setUp(Design::parse({"aaaa"}, {"2222"}));
    board->startSwap({1, 0}, {2, 0});
    EXPECT_TRUE(runUntilQuiet());
    for (int col = 0; col < 4; ++col) EXPECT_EQ(board->cellAt(col, 0)->colourLayers, 1) << col;
    EXPECT_EQ(board->uncolourPoints, 200);
}

struct SlideCase {
    const char* name;
    Design design;
    Rows after;
};

TEST_F(BoardTest, PiecesSlideDiagonallyIntoCellsNoStraightFallReaches) {
    const SlideCase cases[] = {
        {"right, under a disabled cell", Design::parse({"abc", "d.e", "___"}), {"_b_", "_.c", "dae"}},
        {"left, the only open side", Design::parse({".a", "_b"}), {"._", "ab"}},
    };
    for (const SlideCase& c : cases) {
        SCOPED_TRACE(c.name);
        setUp(c.design);
        board->settle();
        EXPECT_TRUE(runUntilQuiet());
        EXPECT_EQ(picture(static_cast<int>(c.after.size())), c.after);
    }
}

TEST_F(BoardTest, BothDiagonalsOpenIsACoinToss) {
    int left = 0;
    int right = 0;
    for (unsigned i = 1; i <= 20; ++i) {
        // Small seeds all start the classic sequence low; spread them out.
        setUp(Design::parse({".a.", "_b_"}), 1, false, i * 2654435761u);
        board->settle();
        ASSERT_TRUE(runUntilQuiet());
        left += picture(2)[1] == "ab_" ? 1 : 0;
        right += picture(2)[1] == "_ba" ? 1 : 0;
    }
    EXPECT_GT(left, 0);
    EXPECT_GT(right, 0);
    EXPECT_EQ(left + right, 20);
}

TEST_F(BoardTest, AnEmptyEntryColumnGetsTwelveStackedPieces) {
    setUp(Design::parse({"_", "_", "_", "_", "_", "_", "_", "_", "_", "_", "_", "_"}, {"E"}));
    board->refill();
    ASSERT_EQ(countPieces(), kBoardRows);
    int j = 0;
    for (const auto& p : board->allPieces()) {
        SCOPED_TRACE(j);
        EXPECT_EQ(p->path.Count(), 13) << "each falls the same distance, one cell higher than the last";
        EXPECT_EQ(p->path.Head().y, -1 - j);
        EXPECT_EQ(p->path.Tail().y, 11 - j);
        EXPECT_EQ(p->row, 11 - j);
        EXPECT_TRUE(p->fadingIn);
        EXPECT_EQ(p->fadeTop, 33);
        EXPECT_EQ(p->fadeBottom, 88);
        ++j;
    }
    EXPECT_EQ(Board::spawnCounter, 13) << "set up without a reveal, the counter went on from 1";
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(countPieces(), kBoardRows) << "lines made by the new pieces are cleared and refilled";
}

// Eight pieces over gaps of 1 to 7 cells land in seven different steps, two of them in the sixth.
TEST_F(BoardTest, TheSixthLandingStepIsPraisedOnce) {
    setUp(Design::parse({
        "abcdeabc",
        "________",
        "._______",
        "..______",
        "..._____",
        "....____",
        ".....___",
        "......._",
    }));
    board->settle();
    EXPECT_TRUE(runUntilQuiet());
    EXPECT_EQ(board->cascade, 7);
    EXPECT_EQ(board->comboPoints, 50);
    EXPECT_EQ(board->points, 50);
}

TEST_F(BoardTest, TheHintAppearsAfter900IdleStepsAndGoesWithTheNextClear) {
    setUp(Design::parse({"aaba"}));
    tick(kHintIdleTicks);
    EXPECT_FALSE(board->hintShown);
    tick();
    ASSERT_TRUE(board->hintShown);
    EXPECT_EQ(board->hintCentre.x, 275 + 2 * 55 + 27) << "to the right of (2, 0)";
    EXPECT_EQ(board->hintCentre.y, 115);
    EXPECT_EQ(board->hintRotation, 0);
    const int frame = board->hintFrame;
    tick(8);
    EXPECT_EQ(board->hintFrame, (frame + 1) % 4);
    board->startSwap({2, 0}, {3, 0});
    tick(kSwapTicks);
    EXPECT_FALSE(board->hintShown);
    EXPECT_EQ(board->idleTicks, 0);
}

struct MoveCase {
    const char* name;
    Design design;
    LDvPoint cell;
    bool found;
    int direction;
};

TEST_F(BoardTest, TheMoveSearchTriesUpRightDownLeftAndLeavesTheBoardAsItWas) {
    const MoveCase cases[] = {
        {"up", Design::parse({"a.", "a.", "ba", "a."}), {0, 3}, true, kDirectionUp},
        {"right", Design::parse({"aaba"}), {2, 0}, true, kDirectionRight},
        {"down", Design::parse({"b..", "abb"}), {0, 0}, true, kDirectionDown},
        {"left", Design::parse({"aaba"}), {3, 0}, true, kDirectionLeft},
        {"no move", Design::parse({"abab"}), {1, 0}, false, 0},
        {"a locked piece does not move", Design::parse({"aaba"}, {"..L"}), {2, 0}, false, 0},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        setUp(c.design);
        const Rows before = picture(kBoardRows);
        int direction = -1;
        EXPECT_EQ(board->findMoveAt(c.cell, direction), c.found);
        if (c.found) {
            EXPECT_EQ(direction, c.direction);
        }
        EXPECT_EQ(picture(kBoardRows), before);
        LDvString fault;
        EXPECT_TRUE(board->checkConsistency(fault)) << fault;
    }
}

struct PointCase {
    LDvPoint point;
    bool onGrid;
    LDvPoint cell;
};
constexpr PointCase kPoints[] = {
    {{249, 90}, false, {}},   {{250, 89}, false, {}},      {{250, 90}, true, {0, 0}},
    {{304, 144}, true, {0, 0}}, {{305, 145}, true, {1, 1}}, {{1349, 749}, true, {19, 11}},
    {{1350, 90}, false, {}},  {{250, 750}, false, {}},     {{-5, -5}, false, {}},
};

TEST_F(BoardTest, ScreenPointsMapToCellsInsideTheGridOnly) {
    setUp(Design::parse({"a"}));
    for (const PointCase& c : kPoints) {
        SCOPED_TRACE(testing::Message() << c.point.x << ", " << c.point.y);
        LDvPoint cell{-1, -1};
        EXPECT_EQ(board->screenToCell(c.point, cell), c.onGrid);
        if (!c.onGrid) continue;
        EXPECT_EQ(cell.x, c.cell.x);
        EXPECT_EQ(cell.y, c.cell.y);
    }
}

TEST_F(BoardTest, TheFirstFillAvoidsLines) {
    setUp(Design::parse({"????????????????????", "????????????????????", "????????????????????",
                         "????????????????????", "????????????????????", "????????????????????",
                         "????????????????????", "????????????????????", "????????????????????",
                         "????????????????????", "????????????????????", "_???????????????????"}));
    EXPECT_EQ(countPieces(), kBoardCellCount - 1);
    EXPECT_EQ(board->pieceAt(0, 11), nullptr);
    int lines = 0;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            MatchList found;
            lines += board->findMatches({col, row}, found) ? 1 : 0;
        }
    }
    EXPECT_EQ(lines, 0);
    EXPECT_TRUE(board->isSettled());
}

}  // namespace

namespace {

TEST_F(BoardTest, TheOutroThrowsTheRowsOffOneByOneThenFinishes) {
    setUp(Design::parse({"ab", "ba", "ab", "", "", "", "", "", "", "", "", "ab"}));
    board->startOutro();
    tick();
    EXPECT_TRUE(piece(0, 0).flung);
    EXPECT_FALSE(piece(0, 1).flung);
    tick(6);
    EXPECT_TRUE(piece(0, 1).flung) << "a row every 6 steps";
    int steps = 7;
    while (!board->finished && steps < 500) {
        tick();
        ++steps;
    }
    EXPECT_EQ(steps, 1 + 6 * 11 + 30) << "the last row, then 30 steps";
    for (const auto& p : board->allPieces()) EXPECT_TRUE(p->flung);
    EXPECT_FALSE(board->outroRunning);
}

TEST_F(BoardTest, ColouredSquaresFlashEveryPeriod) {
    setUp(Design::parse({"ab"}, {"1"}));
    tick(1799);
    EXPECT_EQ(board->flashTicks, 0);
    tick();
    EXPECT_EQ(board->flashTicks, 191);
    EXPECT_EQ(board->flashAlpha, 2);
    tick(49);
    EXPECT_EQ(board->flashAlpha, 98) << "the fade-in's last step leaves it just short of full";
    tick(191 - 49 - 10);
    EXPECT_EQ(board->flashAlpha, 20);
    tick(10);
    EXPECT_EQ(board->flashTicks, 0);
    EXPECT_EQ(board->flashAlpha, 0);
}

}  // namespace
