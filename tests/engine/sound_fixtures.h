#pragma once
// Ogg Vorbis fixtures for the sound tests, encoded with the forge's encoder.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/forge/core/encoders.h"

namespace sound_fixtures {

// A tone, interleaved; the right channel a fifth above the left so swapped channels show.
inline std::vector<float> tone(int frames, int channels, int rate, float amplitude = 0.5f) {
    constexpr float kPi = 3.14159265f;
    std::vector<float> samples;
    samples.reserve(static_cast<size_t>(frames * channels));
    for (int i = 0; i < frames; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(rate);
        samples.push_back(amplitude * std::sin(2 * kPi * 440.0f * t));
        if (channels == 2) samples.push_back(amplitude * std::sin(2 * kPi * 660.0f * t));
    }
    return samples;
}

inline std::vector<uint8_t> toneOgg(int frames, int channels, int rate, const std::string& seed = "tone") {
    std::vector<uint8_t> bytes;
    encodeOggVorbis(tone(frames, channels, rate), channels, rate, 0.4f, seed, bytes);
    return bytes;
}

inline std::string asText(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace sound_fixtures
