#pragma once
// The game's random generator: the classic 0..32767 sequence, seed 1 at start. Every formula of the
// form rand() / 32767 in the game relies on that range.
#include <cstdint>

constexpr int kGameRandMax = 32767;

int GameRand();                        // 0..32767
void SeedGameRand(uint32_t seed);      // tests reseed; the game never does
int RandomRange(int a, int b);         // inclusive; bounds swapped when a > b
