#pragma once
// A running fingerprint of what a frame draws: every draw adds the values it is made of (which
// picture, where, how blended and tinted). Two frames with equal fingerprints show the same picture,
// so the one on screen can stay instead of being drawn again. A value type; KWindow keeps the one
// of the frame being drawn.
#include <bit>
#include <cstdint>

class FrameSignature {
public:
    void reset() { hash = kStart; }
    uint64_t value() const { return hash; }

    template <typename... Values>
    void add(Values... values) {
        (mix(values), ...);
    }

private:
    static constexpr uint64_t kStart = 0xcbf29ce484222325ull;
    static constexpr uint64_t kMultiplier = 0x100000001b3ull;

    void mixWord(uint64_t word) {
        hash ^= word;
        hash *= kMultiplier;
        hash ^= hash >> 29;  // spreads the high bits back down, which plain multiplying never does
    }
    void mix(float value) { mixWord(std::bit_cast<uint32_t>(value)); }
    void mix(bool value) { mixWord(value ? 1u : 0u); }
    void mix(int value) { mixWord(static_cast<uint32_t>(value)); }
    void mix(uint32_t value) { mixWord(value); }
    void mix(uint64_t value) { mixWord(value); }

    uint64_t hash = kStart;
};
