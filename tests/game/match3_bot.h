#pragma once
// A simple player for the match-3 board, used to check that every level of the default data can
// be won in time. Whenever the board is quiet it thinks for a moment, as a person would, then
// makes the most useful move it sees: a swap found by the board's own move search (valued by
// the blue tiles and crates its lines would reach), a crystal detonated by two clicks, or, with
// nothing else left, the wind bonus when it has one. It drives the board directly, without the
// play screen, so it needs no window.
#include <cstdint>

#include "framework/core/ldv_string.h"

class Board;

struct BotResult {
    bool won = false;
    bool stuck = false;                  // no move, no crystal and no wind left
    int32_t moves = 0;                   // swaps, detonations and winds
    int32_t detonations = 0;
    int32_t winds = 0;
    int32_t ticks = 0;                   // steps from the end of the reveal to the last blue tile
    int32_t workLeft = 0;                // blue tiles and crates left when the bot stopped
};

struct BotSettings {
    int32_t thinkTicks = 60;             // steps between a quiet board and the bot's move
    int32_t winds = 0;                   // wind bonuses it may use: when no move is left, or when
                                         // eight moves in a row reached no blue tile or crate
    int32_t tickLimit = 0;               // gives up after this many steps of play
};

// Reveals the board (already set up for its level), then plays it until every blue tile is gone,
// it is stuck, or the limit is reached.
BotResult PlayBoard(Board& board, const BotSettings& settings);

// Runs the board's steps until the reveal has ended; false when it never ends.
bool FinishReveal(Board& board);
// Steps until the board rests after a move: no swap, fall, vanish or wind left.
bool IsQuiet(const Board& board);

// The swap the bot would make now, if any (for tests that play through the mouse).
bool ChooseSwap(Board& board, LDvPoint& from, LDvPoint& to);
