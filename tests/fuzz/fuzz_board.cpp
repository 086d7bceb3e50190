// Any bytes as a match-3 level and a game played on it: a design of 240 cell words (presets past
// the six colours included), then swaps, presses, wind shots, hints and region checks, each played
// out until the board settles. After every step the board must hold at most one piece per cell,
// none outside the field, and it must settle within a bounded number of steps.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "framework/core/game_random.h"
#include "game/match3/board.h"
#include "game/match3/counter.h"
#include "game/match3/match3_images.h"

namespace {

constexpr int kSettleLimit = 20000;        // steps; a real board settles in a few hundred
constexpr int kDesignBytes = 2 * kBoardCellCount;
constexpr int kHeaderBytes = 4;
constexpr int kMaxCommands = 64;

class Reader {
public:
    Reader(const uint8_t* bytes, size_t count) : data(bytes), size(count) {}
    uint8_t next() { return at < size ? data[at++] : 0; }
    bool more() const { return at < size; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

void Fail(const char* what, const LDvString& detail) {
    std::fprintf(stderr, "board invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

void Check(const Board& board) {
    LDvString fault;
    if (!board.checkConsistency(fault)) Fail("consistency", fault);
}

bool Quiet(const Board& board) {
    return board.isSettled() && board.swapTicks == 0 && board.swapBackTicks == 0 && board.windTicks == 0 &&
           !board.revealing && !board.outroRunning;
}

void Step(Board& board, int steps) {
    for (int i = 0; i < steps; ++i) {
        board.Update();
        Check(board);
    }
}

void PlayOut(Board& board) {
    for (int i = 0; i < kSettleLimit; ++i) {
        if (Quiet(board)) return;
        Step(board, 1);
    }
    Fail("settling", "took too long");
}

LDvPoint CellOf(uint8_t value) { return {value % kBoardColumns, (value / kBoardColumns) % kBoardRows}; }

void Command(Board& board, uint8_t op, uint8_t a, uint8_t b) {
    constexpr LDvPoint kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    const LDvPoint cell = CellOf(a);
    switch (op % 8) {
        case 0:
        case 1: {
            const LDvPoint step = kSteps[b % 4];
            board.startSwap(cell, {cell.x + step.x, cell.y + step.y});
            break;
        }
        case 2:
            board.select(cell);
            Step(board, b % 70);
            board.clickSelected(cell);
            break;
        case 3:
            if (board.windTicks == 0) board.startWind({a * 7, b * 4});
            break;
        case 4: Step(board, b); break;
        case 5: board.hintSearch(); break;
        case 6: board.checkRegions(); break;
        default: board.highlightCell(cell); break;
    }
    Check(board);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kDesignBytes + kHeaderBytes) return 0;
    Reader in(data, size);
    LevelWords words{};
    for (uint32_t& word : words) {
        word = in.next();
        word |= static_cast<uint32_t>(in.next() & 0x0F) << kCellColourShift;
    }
    const int level = in.next() % 8;
    const bool secondColours = (in.next() & 1) != 0;
    SeedGameRand(in.next() | (in.next() << 8));

    Match3Images images;
    Counter score;
    Board board(images);
    board.scoreDisplay = &score;
    for (const int colour : {secondColours ? 5 : 0, 1, 2, 3, 4}) board.colours.Add(colour);
    board.setupLevel(words, level, false);
    Check(board);
    board.startReveal();
    PlayOut(board);
    for (int commands = 0; commands < kMaxCommands && in.more(); ++commands) {
        const uint8_t op = in.next();
        const uint8_t a = in.next();
        const uint8_t b = in.next();
        Command(board, op, a, b);
        PlayOut(board);
    }
    board.countColouredCells();
    board.startOutro();
    for (int i = 0; i < kSettleLimit && !board.finished; ++i) Step(board, 1);
    if (!board.finished) Fail("outro", "never finished");
    return 0;
}
