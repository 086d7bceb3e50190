#pragma once
// Sound while the forge builds it: mono note buffers and a planar stereo mix at 44.1 kHz.
// Plain values; everything the forge synthesises is a few minutes long at most.
#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

using Mono = std::vector<float>;

long framesFor(double seconds);
float dbToGain(float db);
float gainToDb(float gain);

struct Stereo {
    std::vector<float> left;
    std::vector<float> right;

    Stereo() = default;
    explicit Stereo(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    size_t frames() const { return left.size(); }
    void resize(size_t frames);
    // Mixes a mono sound in at `start` with an equal-power pan (-1 left .. 1 right, 0 centre at
    // full gain). The part before frame 0 is dropped; the buffer grows to take the rest.
    void add(const Mono& sound, long start, float gain, float pan = 0.0f);
    void add(const Stereo& sound, long start, float gain);
    // As add, but the buffer is a loop: whatever runs past the end comes in again at the start,
    // so a note ringing over the loop point is heard at the beginning of the next pass.
    void addWrapped(const Mono& sound, long start, float gain, float pan = 0.0f);
    void scale(float gain);
    float peak() const;
    double rms() const;
    bool isMono() const { return left == right; }
    std::vector<float> interleaved() const;
    Mono mixedDown() const;
};

// Equal-power pan gains, normalised so the centre is 1 on both sides.
void panGains(float pan, float& leftGain, float& rightGain);
// Applies a half-cosine fade-in over `inSeconds` and fade-out over `outSeconds`.
void applyFades(Mono& sound, double inSeconds, double outSeconds);
void applyFades(Stereo& sound, double inSeconds, double outSeconds);
