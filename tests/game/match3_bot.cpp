#include "tests/game/match3_bot.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "game/match3/board.h"

namespace {

constexpr int kRevealLimit = 2000;
constexpr int kEmpty = -1;                 // no piece, or one that cannot match (a special)
constexpr int kUnknown = -2;               // a piece that will fall in from an entry
constexpr LDvPoint kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // as the board's directions
constexpr int kCascadeLimit = 6;

// What a cleared cell is worth: blue tiles and crates are the work of the level.
constexpr int kBlueValue = 10;
constexpr int kCrateValue = 7;
constexpr int kPlainValue = 1;
constexpr int kSecondMoveWeight = 6;       // tenths: the move after counts, less surely
constexpr int kLookAheadCandidates = 40;   // the best first moves looked beyond
constexpr int kStirWeight = 5;
constexpr int kIdleMovesBeforeWind = 8;

template <typename T>
using Grid = std::array<std::array<T, kBoardRows>, kBoardColumns>;

// The board as the bot imagines it: colours, the work still to do, and straight falls into the
// gaps a match leaves (pieces from the entries are unknown).
struct Sim {
    Grid<int> colour{};
    Grid<int> layers{};
    Grid<int> locks{};
    Grid<bool> active{};
    int workDone = 0;                      // the blue tiles and crates among the cleared cells

    bool matchable(int col, int row) const { return Board::inGrid(col, row) && colour[col][row] >= 0; }

    int cellValue(int col, int row) const {
        if (locks[col][row] > 0) return kCrateValue;
        return layers[col][row] > 0 ? kBlueValue : kPlainValue;
    }

    bool canSwap(LDvPoint a, LDvPoint b) const {
        return Board::inGrid(b.x, b.y) && matchable(a.x, a.y) && matchable(b.x, b.y) && locks[a.x][a.y] == 0 &&
               locks[b.x][b.y] == 0;
    }

    // Marks the cells of every line of three or more through (col, row).
    void markLines(int col, int row, Grid<bool>& out) const {
        const int c = colour[col][row];
        if (c < 0) return;
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{0, 1}}) {
            int before = 0;
            while (matchable(col - dx * (before + 1), row - dy * (before + 1)) &&
                   colour[col - dx * (before + 1)][row - dy * (before + 1)] == c) {
                ++before;
            }
            int after = 0;
            while (matchable(col + dx * (after + 1), row + dy * (after + 1)) &&
                   colour[col + dx * (after + 1)][row + dy * (after + 1)] == c) {
                ++after;
            }
            if (before + after < 2) continue;
            for (int k = -before; k <= after; ++k) out[col + dx * k][row + dy * k] = true;
        }
    }

    // Clears the marked cells; answers the work done, or -1 when nothing was marked.
    int clear(const Grid<bool>& marked) {
        int value = 0;
        bool any = false;
        for (int col = 0; col < kBoardColumns; ++col) {
            for (int row = 0; row < kBoardRows; ++row) {
                if (!marked[col][row]) continue;
                any = true;
                const int v = cellValue(col, row);
                value += v;
                if (v != kPlainValue) workDone += v;
                if (locks[col][row] > 0) {
                    --locks[col][row];
                    continue;
                }
                if (layers[col][row] > 0) --layers[col][row];
                colour[col][row] = kEmpty;
            }
        }
        return any ? value : -1;
    }

    // Pieces drop straight down through active, unlocked cells; the tops fill with unknowns.
    void fall() {
        for (int col = 0; col < kBoardColumns; ++col) {
            int write = kBoardRows - 1;
            for (int row = kBoardRows - 1; row >= -1; --row) {
                const bool barrier = row < 0 || !active[col][row] || locks[col][row] > 0;
                if (!barrier && colour[col][row] == kEmpty) continue;
                if (!barrier) {
                    if (write != row) {
                        colour[col][write] = colour[col][row];
                        colour[col][row] = kEmpty;
                    }
                    --write;
                    continue;
                }
                for (; write > row; --write) {
                    if (colour[col][write] == kEmpty) colour[col][write] = kUnknown;
                }
                write = row - 1;
            }
        }
    }

    // The swap, its lines and the cascades the falls make; -1 when the swap matches nothing.
    int play(LDvPoint a, LDvPoint b) {
        std::swap(colour[a.x][a.y], colour[b.x][b.y]);
        Grid<bool> marked{};
        markLines(a.x, a.y, marked);
        markLines(b.x, b.y, marked);
        int value = clear(marked);
        if (value < 0) return -1;
        for (int cascade = 0; cascade < kCascadeLimit; ++cascade) {
            fall();
            Grid<bool> again{};
            for (int col = 0; col < kBoardColumns; ++col) {
                for (int row = 0; row < kBoardRows; ++row) markLines(col, row, again);
            }
            const int more = clear(again);
            if (more < 0) break;
            value += more;
        }
        return value;
    }
};

Sim ReadBoard(const Board& board) {
    Sim sim;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            const BoardCell* cell = board.cellAt(col, row);
            sim.active[col][row] = cell != nullptr && !cell->disabled;
            sim.layers[col][row] = sim.active[col][row] ? cell->colourLayers : 0;
            sim.locks[col][row] = sim.active[col][row] ? cell->lock : 0;
            const GamePiece* piece = board.pieceAt(col, row);
            sim.colour[col][row] = piece != nullptr && !piece->special && piece->isIdle() ? piece->colour : kEmpty;
        }
    }
    return sim;
}

struct Choice {
    enum Kind { None, Swap, Detonate, Wind } kind = None;
    LDvPoint from;
    LDvPoint to;
    int value = -1;                        // ranks the choices of one kind
    int work = 0;                          // blue tiles and crates it reaches at once, in cell values
};

template <typename Visit>
void EachSwap(const Sim& sim, Visit visit) {
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            for (const LDvPoint to : {LDvPoint{col + 1, row}, LDvPoint{col, row + 1}}) {
                if (sim.canSwap({col, row}, to)) visit(LDvPoint{col, row}, to);
            }
        }
    }
}

// The best move after `after`; the work it reaches counts far above plain lines, so the look-ahead
// finds the two moves that reach a lone blue tile.
int BestFollowUp(const Sim& after) {
    constexpr int kFollowUpWorkWeight = 10;
    int best = 0;
    EachSwap(after, [&](LDvPoint a, LDvPoint b) {
        Sim next = after;
        const int value = next.play(a, b);
        if (value < 0) return;
        best = std::max(best, value + kFollowUpWorkWeight * (next.workDone - after.workDone));
    });
    return best;
}

// Blue tiles and crates at or above `row` in the column and its neighbours: clearing there sends
// pieces falling past them, which may line up where the work is. The own column counts most.
int StirValue(const Sim& sim, int col, int row) {
    constexpr int kReach = 2;
    int value = 0;
    for (int c = std::max(0, col - kReach); c <= std::min(kBoardColumns - 1, col + kReach); ++c) {
        for (int r = 0; r <= row; ++r) {
            if (sim.active[c][r] && (sim.layers[c][r] > 0 || sim.locks[c][r] > 0)) value += kReach + 1 - std::abs(c - col);
        }
    }
    return value;
}

// Every exchange the rules allow, valued by the work its lines and cascades do. When none reaches
// any work, the most promising are looked beyond: what the best move after them would do, and
// how much work lies under the columns they stir. The board's own move search makes sure no move
// is missed where the imagined board and the real one disagree.
Choice BestSwap(Board& board) {
    const Sim now = ReadBoard(board);
    struct Candidate {
        LDvPoint from, to;
        int value;
        int work;
        int stir;
    };
    std::vector<Candidate> candidates;
    EachSwap(now, [&](LDvPoint a, LDvPoint b) {
        Sim trial = now;
        const int value = trial.play(a, b);
        if (value < 0) return;
        int stir = 0;
        for (const LDvPoint cell : {a, b}) stir += StirValue(now, cell.x, cell.y);
        candidates.push_back({a, b, value, trial.workDone, stir});
    });
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& x, const Candidate& y) {
        // Without work in reach, the moves that stir near it are the ones worth looking beyond.
        if (x.work != y.work) return x.work > y.work;
        return x.stir != y.stir ? x.stir > y.stir : x.value > y.value;
    });
    Choice best;
    if (!candidates.empty() && candidates.front().work > 0) {
        const Candidate& c = candidates.front();
        return {Choice::Swap, c.from, c.to, 10 * c.value, c.work};
    }
    if (candidates.size() > static_cast<size_t>(kLookAheadCandidates)) candidates.resize(kLookAheadCandidates);
    for (const Candidate& c : candidates) {
        Sim after = now;
        after.play(c.from, c.to);
        const int value = 10 * c.value + kSecondMoveWeight * BestFollowUp(after) + kStirWeight * c.stir;
        if (value > best.value) best = {Choice::Swap, c.from, c.to, value, c.work};
    }
    if (best.kind == Choice::Swap) return best;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            int direction = 0;
            if (!board.findMoveAt({col, row}, direction)) continue;
            return {Choice::Swap, {col, row}, {col + kSteps[direction].x, row + kSteps[direction].y}, 0};
        }
    }
    return best;
}

int BlastValue(const Sim& sim, LDvPoint centre, int kind) {
    const int reach = kind == kSpecialExplodingCrystal ? 2 : 1;
    int value = 0;
    for (int dx = -reach; dx <= reach; ++dx) {
        for (int dy = -reach; dy <= reach; ++dy) {
            const int col = centre.x + dx;
            const int row = centre.y + dy;
            if (std::abs(dx) + std::abs(dy) > reach || !Board::inGrid(col, row) || !sim.active[col][row]) continue;
            const int v = sim.cellValue(col, row);
            value += v == kPlainValue ? 0 : v;
        }
    }
    return value;
}

Choice BestCrystal(const Board& board) {
    const Sim sim = ReadBoard(board);
    Choice best;
    for (const auto& piece : board.allPieces()) {
        if (!piece->special || piece->specialKind > kSpecialExplodingCrystal) continue;
        const LDvPoint cell{piece->col, piece->row};
        if (!board.isSelectable(cell)) continue;
        const int value = BlastValue(sim, cell, piece->specialKind);
        if (value > best.value) best = {Choice::Detonate, cell, cell, value, value};
    }
    return best;
}

// The wind goes where the most work lies within its reach of two cells.
Choice BestWind(const Board& board) {
    const Sim sim = ReadBoard(board);
    Choice best;
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            if (!sim.active[col][row]) continue;
            int value = 0;
            for (int dx = -2; dx <= 2; ++dx) {
                for (int dy = -2; dy <= 2; ++dy) {
                    if (Board::inGrid(col + dx, row + dy) && sim.active[col + dx][row + dy]) {
                        value += sim.cellValue(col + dx, row + dy);
                    }
                }
            }
            if (value > best.value) best = {Choice::Wind, {col, row}, {col, row}, value};
        }
    }
    return best;
}

void Make(Board& board, const Choice& choice, BotResult& result) {
    ++result.moves;
    switch (choice.kind) {
    case Choice::Swap: board.startSwap(choice.from, choice.to); break;
    case Choice::Detonate:
        board.select(choice.from);
        board.clickSelected(choice.from);
        ++result.detonations;
        break;
    case Choice::Wind:
        board.startWind(Board::cellCentre(choice.from));
        ++result.winds;
        break;
    case Choice::None: break;
    }
}

int WorkLeft(const Board& board) {
    int left = 0;
    for (const BoardCell& cell : board.cells) {
        if (!cell.disabled && (cell.colourLayers > 0 || cell.lock > 0)) ++left;
    }
    return left;
}

}  // namespace

bool IsQuiet(const Board& board) {
    return !board.revealing && board.swapTicks == 0 && board.swapBackTicks == 0 && board.windTicks == 0 &&
           board.isSettled() && !board.anyDyingOrDead();
}

bool FinishReveal(Board& board) {
    for (int i = 0; i < kRevealLimit && board.revealing; ++i) board.Update();
    return !board.revealing;
}

bool ChooseSwap(Board& board, LDvPoint& from, LDvPoint& to) {
    const Choice swap = BestSwap(board);
    if (swap.kind != Choice::Swap) return false;
    from = swap.from;
    to = swap.to;
    return true;
}

BotResult PlayBoard(Board& board, const BotSettings& settings) {
    BotResult result;
    if (!FinishReveal(board)) return result;
    int windsLeft = settings.winds;
    int quietTicks = 0;
    int idleMoves = 0;                     // moves in a row that reached no work
    for (result.ticks = 0; result.ticks < settings.tickLimit; ++result.ticks) {
        if (board.countColouredCells()) {
            result.won = true;
            return result;
        }
        board.Update();
        quietTicks = IsQuiet(board) ? quietTicks + 1 : 0;
        if (quietTicks < settings.thinkTicks) continue;
        quietTicks = 0;
        const Choice swap = BestSwap(board);
        const Choice crystal = BestCrystal(board);
        Choice choice = swap;
        // A crystal beside the last tiles also stands in the way of every line through them.
        if (crystal.kind != Choice::None && (swap.kind == Choice::None || crystal.work >= swap.work)) choice = crystal;
        idleMoves = choice.work >= kCrateValue ? 0 : idleMoves + 1;
        if (windsLeft > 0 && (choice.kind == Choice::None || idleMoves >= kIdleMovesBeforeWind)) {
            choice = BestWind(board);
            --windsLeft;
            idleMoves = 0;
        }
        if (choice.kind == Choice::None) {
            result.stuck = true;
            break;
        }
        Make(board, choice, result);
    }
    result.workLeft = WorkLeft(board);
    return result;
}
