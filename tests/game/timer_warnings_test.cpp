// The hourglass's warning beeps over a whole level, as the play screen asks for them step by step.
#include "game/match3/timer_warnings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kStepsPerSecond = 60;

// The seconds left (as the display shows them) at every beep of a level of `seconds`.
std::vector<int> BeepsOverALevel(int seconds, bool casual) {
    TimerWarnings warnings;
    const int total = seconds * kStepsPerSecond;
    std::vector<int> beeps;
    for (int timeLeft = total - 1; timeLeft >= 0; --timeLeft) {
        for (int n = warnings.beepsFor(timeLeft, total, casual); n > 0; --n) beeps.push_back(timeLeft / kStepsPerSecond);
    }
    return beeps;
}

}  // namespace

TEST(TimerWarnings, ExpertCountsDownTheLastSecondsAndCasualWarnsOnlyAtTheFifth) {
    // 60 s: 40 % at 24 s, below 30 % at 17 s, 20 % at 12 s, 10 % at 6 s and 5 % at 3 s (the last
    // three twice), and two beeps each time the display drops to 4, 3, 2, 1 and 0.
    const std::vector<int> expert = {24, 17, 12, 12, 6, 6, 4, 4, 3, 3, 3, 3, 2, 2, 1, 1, 0, 0};
    EXPECT_EQ(BeepsOverALevel(60, false), expert);
    EXPECT_EQ(BeepsOverALevel(60, true), (std::vector<int>{12, 12}));
}
