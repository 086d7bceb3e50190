// The counting number: awarded points wait for the star's flight, then count up; a new award while
// counting moves the target without restarting the count.
#include <gtest/gtest.h>

#include "game/match3/counter.h"

namespace {

TEST(Counter, HoldsForTheStarThenCountsToTheTarget) {
    Counter counter;
    counter.setValue(100);
    counter.addPoints(50);
    EXPECT_EQ(counter.target, 150);
    for (int i = 0; i < Counter::kAwardHoldTicks; ++i) counter.countStep();
    EXPECT_EQ(counter.shown, 100) << "nothing moves while the star flies";
    counter.countStep();
    EXPECT_EQ(counter.shown, 125) << "30 of 60 steps to go on the first step: just past half way";
    counter.addPoints(50);
    EXPECT_EQ(counter.countTicks, 29) << "a running count is not restarted";
    for (int i = 0; i < Counter::kAwardHoldTicks; ++i) counter.countStep();
    EXPECT_EQ(counter.shown, 125);
    for (int i = 0; i < 28; ++i) counter.countStep();
    EXPECT_LT(counter.shown, 200);
    counter.countStep();
    EXPECT_EQ(counter.shown, 200);
    EXPECT_EQ(counter.startValue, 200);
    EXPECT_EQ(counter.countTicks, 0);
    counter.countStep();
    EXPECT_EQ(counter.shown, 200);
}

TEST(Counter, CountsBackDown) {
    Counter counter;
    counter.setValue(400);
    counter.target = 100;
    counter.countTicks = 60;
    counter.countStep();
    EXPECT_EQ(counter.shown, 395);
    for (int i = 0; i < 59; ++i) counter.countStep();
    EXPECT_EQ(counter.shown, 100);
}

}  // namespace
