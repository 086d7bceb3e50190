#pragma once
// The resources panel: six digits under the "Resources" title. See CounterBoard for ownership.
#include "game/match3/counter_board.h"

class ScoreBoard : public CounterBoard {
public:
    static constexpr int kDigits = 6;

    ScoreBoard() { counter.digits = kDigits; }
};
