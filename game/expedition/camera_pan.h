#pragma once
// The island map's camera move: the view glides from where it is to a target view over two
// seconds, easing out. A record the map screen keeps and steps.
#include <cstdint>

#include "framework/core/ldv_string.h"

struct CameraPan {
    static constexpr int32_t kPanTicks = 120;

    void Start(LDvPoint from, LDvPoint to) {
        start = from;
        target = to;
        counter = kPanTicks;
    }
    bool Running() const { return counter > 0; }
    // One step: the view to show now.
    LDvPoint Step();

    LDvPoint start;
    LDvPoint target;
    int32_t counter = 0;                  // steps left
};
