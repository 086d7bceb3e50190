#pragma once
// The level panel: the level number under the "Level" title, one digit below level 10, else two.
// See CounterBoard for ownership.
#include "game/match3/counter_board.h"

class LevelBoard : public CounterBoard {
public:
    static constexpr int kFirstTwoDigitLevel = 10;

    LevelBoard() { counter.digits = 1; }

    // Shows the level at once, without counting.
    void setLevel(int level) {
        counter.digits = level < kFirstTwoDigitLevel ? 1 : 2;
        counter.setValue(level);
    }
};
