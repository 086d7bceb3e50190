#include "framework/core/game_random.h"

namespace {
uint32_t randomSeed = 1;
}

int GameRand() {
    randomSeed = randomSeed * 214013u + 2531011u;
    return static_cast<int>((randomSeed >> 16) & 0x7FFF);
}

void SeedGameRand(uint32_t seed) { randomSeed = seed; }

int RandomRange(int a, int b) {
    if (a == b) return a;
    const int low = a < b ? a : b;
    const int high = a < b ? b : a;
    // 64-bit span: the full int range must not overflow.
    const int64_t span = static_cast<int64_t>(high) - low + 1;
    const int64_t c = static_cast<int64_t>(GameRand() / static_cast<double>(kGameRandMax) * static_cast<double>(span));
    // GameRand() == 32767 lands one past the range; it folds back onto the top value.
    return c == span ? high : static_cast<int>(low + c);
}
