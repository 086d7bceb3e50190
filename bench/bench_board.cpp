// The match-3 board's cost per move and per frame.
// - BoardSwapUntilSettled: a level-3 board (entries along the top, locks, colour layers) plays
//   random legal swaps found by the move search; each swap is stepped until the board settles
//   again (slides, clears, cascades, crystals, refills). Budget: under 200 us per swap.
// - BoardDrawFullFrame: 240 pieces, locks, a full border, the flash over coloured squares, the
//   hint arrow and 50 live effects drawn with the generated pictures into a 1600 x 900
//   software-rendered off-screen window, presented every frame. Budget: at most 6 ms per frame.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "engine/k_window.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_random.h"
#include "game/match3/board.h"
#include "game/match3/counter.h"
#include "game/match3/effects/broken_bit.h"
#include "game/match3/effects/score_popup.h"
#include "game/match3/effects/traveling_bit.h"
#include "game/match3/effects/uncolorizer.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kLevel = 3;
constexpr int kSettleLimit = 20000;

// Every cell active; entries along the top; a single lock every seventh cell, a double lock every
// thirteenth; one colour layer on the middle block, two around its centre.
LevelWords BusyLevel() {
    LevelWords words{};
    for (int row = 0; row < kBoardRows; ++row) {
        for (int col = 0; col < kBoardColumns; ++col) {
            const int k = row * kBoardColumns + col;
            uint32_t word = kCellActive | kCellRandomFill;
            if (row == 0) word |= kCellEntry;
            if (row > 0 && k % 7 == 0) word |= kCellSingleLock;
            if (row > 0 && k % 13 == 0) word |= kCellDoubleLock;
            if (col >= 4 && col < 16 && row >= 3 && row < 9) word |= kCellOneLayer;
            if (col >= 8 && col < 12 && row >= 5 && row < 7) word |= kCellTwoLayers;
            words[k] = word;
        }
    }
    return words;
}

struct Move {
    LDvPoint from, to;
};

bool RandomMove(Board& board, Move& move) {
    constexpr LDvPoint kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    std::vector<Move> moves;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            int direction = 0;
            if (!board.findMoveAt({col, row}, direction)) continue;
            moves.push_back({{col, row}, {col + kSteps[direction].x, row + kSteps[direction].y}});
        }
    }
    if (moves.empty()) return false;
    move = moves[static_cast<size_t>(RandomRange(0, static_cast<int>(moves.size()) - 1))];
    return true;
}

bool Quiet(const Board& board) {
    return board.isSettled() && board.swapTicks == 0 && board.swapBackTicks == 0 && board.windTicks == 0;
}

void SetUpBoard(Board& board, const LevelWords& words) {
    board.setupLevel(words, kLevel, false);
    for (int i = 0; i < kSettleLimit && !Quiet(board); ++i) board.Update();
}

void BoardSwapUntilSettled(benchmark::State& state) {
    SeedGameRand(1);
    Match3Images images;
    Counter score;
    Board board(images);
    board.scoreDisplay = &score;
    for (int colour = 0; colour < 5; ++colour) board.colours.Add(colour);
    const LevelWords words = BusyLevel();
    SetUpBoard(board, words);
    long ticks = 0;
    long swaps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Move move;
        while (!RandomMove(board, move)) SetUpBoard(board, words);
        state.ResumeTiming();
        board.startSwap(move.from, move.to);
        int steps = 0;
        do {
            board.Update();
            ++steps;
        } while (!Quiet(board) && steps < kSettleLimit);
        ticks += steps;
        ++swaps;
    }
    state.counters["steps per swap"] = swaps > 0 ? static_cast<double>(ticks) / static_cast<double>(swaps) : 0.0;
}
BENCHMARK(BoardSwapUntilSettled)->Unit(benchmark::kMicrosecond);

void AddEffects(Board& board, Match3Images& images) {
    for (int i = 0; i < 50; ++i) {
        const LDvPoint at = Board::cellCentre({i % kBoardColumns, (i * 7) % kBoardRows});
        switch (i % 4) {
            case 0: board.effects.Add(std::make_unique<BrokenBit>(images.woodBit, at, 1, 50)); break;
            case 1: board.effects.Add(std::make_unique<ScorePopup>(50, at, images.score)); break;
            case 2: board.effects.Add(std::make_unique<TravelingBit>(at, LDvPoint{612, 46}, images.starBit)); break;
            default: board.effects.Add(std::make_unique<Uncolorizer>(at, images.uncolor1, images.uncolor2)); break;
        }
    }
}

void BoardDrawFullFrame(benchmark::State& state) {
    KWindow window(K_RENDERER_SOFTWARE);
    if (!window.createGameWindow(1600, 900, 32, true, "bench board")) {
        state.SkipWithError("no window");
        return;
    }
    Frame().imageFolder = "img";
    Frame().rootDirOverride = QV_DATA_DIR;
    Match3Images images;
    images.load();
    SeedGameRand(1);
    Counter score;
    Board board(images);
    board.scoreDisplay = &score;
    for (int colour = 0; colour < 5; ++colour) board.colours.Add(colour);
    board.setupLevel(BusyLevel(), kLevel, false);
    for (int i = 0; i < kBorderColumns; ++i) {
        for (int j = 0; j < kBorderRows; ++j) {
            if (i == 0 || j == 0 || i == kBorderColumns - 1 || j == kBorderRows - 1) {
                board.borders[i * kBorderRows + j] = static_cast<int16_t>(1 + (i + j) % 29);
            }
        }
    }
    if (state.range(0) & 1) AddEffects(board, images);
    if (state.range(0) & 2) {
        board.flashTicks = 100;
        board.flashAlpha = 60;
        board.hintShown = true;
    }
    for (auto& piece : board.allPieces()) piece->animFrame = (piece->col + piece->row) % kPieceFrames;
    const bool drawBoard = (state.range(0) & 4) == 0;
    for (auto _ : state) {
        if (drawBoard) board.Draw();
        window.flipBackBuffer(false);
    }
    state.counters["effects"] = board.effects.Count();
    state.counters["pieces"] = board.allPieces().Count();
}
// 1: the board with 50 effects; 3: also while the coloured squares flash and the hint shows;
// for comparison, 0: without effects, 4: an empty frame (clearing and presenting only).
BENCHMARK(BoardDrawFullFrame)->Arg(1)->Arg(3)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
