#include <gtest/gtest.h>

#include <climits>

#include "framework/core/game_random.h"
#include "framework/core/int_cos.h"

struct CosCase {
    int degrees;
    int radius;
    int expected;
};

// Expected values from cos(degrees) x 1024 rounded up from .4444 (the table's correction), then
// x radius / 1024 truncated toward zero.
constexpr CosCase kCosines[] = {
    {0, 100, 100},      {90, 100, 0},        {180, 7, -7},        {270, 50, 0},
    {60, 1000, 500},    {-60, 1000, 500},    {420, 1000, 500},    {-300, 1000, 500},
    {720, 3, 3},        {359, 1024, 1024},   {45, 1024, 724},
    {24, 1024, 936},    {156, 1024, -936},   {66, 1024, 417},     // .47 and .498 round up
    {120, 3, -1},       {240, 3, -1},        // -1.5 truncates toward zero
    {0, 3000000, 3000000}, {180, -2, 2},
};

TEST(IntCos, ReadsTheRoundedTableScaledByTheRadius) {
    for (const CosCase& c : kCosines) {
        SCOPED_TRACE(testing::Message() << c.degrees << " degrees, radius " << c.radius);
        EXPECT_EQ(IntCos(c.degrees, c.radius), c.expected);
    }
}

TEST(GameRandom, FollowsTheClassicSequenceFromSeedOne) {
    SeedGameRand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(GameRand(), value);
}

TEST(RandomRange, ScalesTheGeneratorOntoInclusiveBounds) {
    SeedGameRand(1);                        // draws 41, 18467, 6334, 26500
    EXPECT_EQ(RandomRange(0, 9), 0);        // 41 / 32767 x 10 = 0.01
    EXPECT_EQ(RandomRange(7, 7), 7);        // equal bounds draw nothing
    EXPECT_EQ(RandomRange(1, 6), 4);        // 18467 / 32767 x 6 = 3.38
    EXPECT_EQ(RandomRange(10, -10), -6);    // swapped; 6334 / 32767 x 21 = 4.06
    EXPECT_EQ(RandomRange(INT_MIN, INT_MAX), static_cast<int>(INT_MIN + static_cast<long long>(26500.0 / 32767.0 * 4294967296.0)));

    SeedGameRand(4028364353u);              // the next draw is 32767, one past the range
    EXPECT_EQ(RandomRange(0, 4), 4);
}
