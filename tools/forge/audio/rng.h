#pragma once
// The forge's own small random generator for sound: a fixed-seed xorshift, so every note and every
// grain of noise comes out the same on every run. Independent of the game's generator on purpose:
// the data must not change when the game's random sequence is used elsewhere in the forge.
#include <cstdint>

class AudioRng {
public:
    explicit AudioRng(uint32_t seed) : state(seed != 0 ? seed : 0x9E3779B9u) {}

    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    float uniform() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }  // 0..1
    float bipolar() { return uniform() * 2.0f - 1.0f; }                                  // -1..1
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state;
};

// A seed from a name, so each sound gets its own stream of numbers.
constexpr uint32_t seedFromName(const char* name) {
    uint32_t hash = 2166136261u;
    for (; *name != '\0'; ++name) {
        hash ^= static_cast<unsigned char>(*name);
        hash *= 16777619u;
    }
    return hash;
}
