#pragma once
// Sounds of the island and its weather, and the helpers that make ambiences loop: noise and
// filters run round the loop (twice, keeping the second pass, so a filter's state at the end
// carries into the start), swells whose cycles fit the loop exactly, and events placed with
// wrapping. An ambience built from these joins itself without a seam.
#include <cstdint>
#include <string>

#include "tools/forge/audio/buffer.h"

class AudioRng;
class Forge;

// Noise of `frames` length, band-limited round the loop: a band-pass at `hz` (q), or a low-pass
// at `hz` when `q` is 0.
Mono loopedNoise(long frames, double hz, double q, AudioRng& rng);
// A slow swell 0..1 that repeats exactly `cycles` times over `frames`, its shape varied by `seed`.
Mono loopedSwell(long frames, int cycles, float depth, uint32_t seed);
// Both sides of a loop with a mono bed panned slightly apart for width.
void addBed(Stereo& loop, const Mono& bed, float gain);

// Single sounds, mono, starting at their onset.
Mono gullCry(AudioRng& rng);
Mono birdCall(double hz, int chirps, AudioRng& rng);
Mono creak(double seconds, double hz, AudioRng& rng);
Mono wave(double seconds, double brightness, AudioRng& rng);
Mono drip(double hz, AudioRng& rng);
Mono cricketChirp(double hz);
Mono frogCroak(double hz, AudioRng& rng);
Mono crackle(double seconds, int pops, AudioRng& rng);

// Breakers rolling in three to a loop over the low roar of the sea, added to `loop`.
void oceanLoop(Stereo& loop, AudioRng& rng, float waveGain);

// Finishes a loop to `rmsDb` and writes it at `path`.
void writeLoop(Forge& forge, const std::string& path, Stereo loop, float rmsDb);
