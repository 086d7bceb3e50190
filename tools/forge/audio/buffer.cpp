#include "tools/forge/audio/buffer.h"

#include <algorithm>
#include <cmath>

long framesFor(double seconds) { return std::lround(seconds * kSampleRate); }

float dbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

float gainToDb(float gain) { return gain > 1e-9f ? 20.0f * std::log10(gain) : -180.0f; }

void panGains(float pan, float& leftGain, float& rightGain) {
    constexpr double kQuarterPi = 0.78539816339744831;
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kQuarterPi;
    leftGain = static_cast<float>(std::cos(angle) * std::sqrt(2.0));
    rightGain = static_cast<float>(std::sin(angle) * std::sqrt(2.0));
}

void Stereo::resize(size_t frames) {
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
}

void Stereo::add(const Mono& sound, long start, float gain, float pan) {
    float gl = 0.0f;
    float gr = 0.0f;
    panGains(pan, gl, gr);
    const long end = start + static_cast<long>(sound.size());
    if (end > static_cast<long>(frames())) resize(static_cast<size_t>(end));
    for (long i = std::max(0L, -start); i < static_cast<long>(sound.size()); ++i) {
        left[start + i] += sound[i] * gain * gl;
        right[start + i] += sound[i] * gain * gr;
    }
}

void Stereo::add(const Stereo& sound, long start, float gain) {
    const long end = start + static_cast<long>(sound.frames());
    if (end > static_cast<long>(frames())) resize(static_cast<size_t>(end));
    for (long i = std::max(0L, -start); i < static_cast<long>(sound.frames()); ++i) {
        left[start + i] += sound.left[i] * gain;
        right[start + i] += sound.right[i] * gain;
    }
}

void Stereo::addWrapped(const Mono& sound, long start, float gain, float pan) {
    const long length = static_cast<long>(frames());
    if (length == 0) return;
    float gl = 0.0f;
    float gr = 0.0f;
    panGains(pan, gl, gr);
    long pos = ((start % length) + length) % length;
    for (float sample : sound) {
        left[pos] += sample * gain * gl;
        right[pos] += sample * gain * gr;
        if (++pos == length) pos = 0;
    }
}

void Stereo::scale(float gain) {
    for (float& s : left) s *= gain;
    for (float& s : right) s *= gain;
}

float Stereo::peak() const {
    float top = 0.0f;
    for (float s : left) top = std::max(top, std::fabs(s));
    for (float s : right) top = std::max(top, std::fabs(s));
    return top;
}

double Stereo::rms() const {
    if (frames() == 0) return 0.0;
    double sum = 0.0;
    for (float s : left) sum += static_cast<double>(s) * s;
    for (float s : right) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / (2.0 * static_cast<double>(frames())));
}

std::vector<float> Stereo::interleaved() const {
    std::vector<float> out(frames() * 2);
    for (size_t i = 0; i < frames(); ++i) {
        out[i * 2] = left[i];
        out[i * 2 + 1] = right[i];
    }
    return out;
}

Mono Stereo::mixedDown() const {
    Mono out(frames());
    for (size_t i = 0; i < frames(); ++i) out[i] = 0.5f * (left[i] + right[i]);
    return out;
}

namespace {

// Half-cosine ramp from 0 to 1 over n frames.
float rampAt(long i, long n) {
    constexpr double kPi = 3.14159265358979323846;
    return static_cast<float>(0.5 - 0.5 * std::cos(kPi * (static_cast<double>(i) + 0.5) / static_cast<double>(n)));
}

void fadeChannel(std::vector<float>& s, long in, long out) {
    const long n = static_cast<long>(s.size());
    in = std::min(in, n);
    out = std::min(out, n);
    for (long i = 0; i < in; ++i) s[i] *= rampAt(i, in);
    for (long i = 0; i < out; ++i) s[n - 1 - i] *= rampAt(i, out);
}

}  // namespace

void applyFades(Mono& sound, double inSeconds, double outSeconds) {
    fadeChannel(sound, framesFor(inSeconds), framesFor(outSeconds));
}

void applyFades(Stereo& sound, double inSeconds, double outSeconds) {
    fadeChannel(sound.left, framesFor(inSeconds), framesFor(outSeconds));
    fadeChannel(sound.right, framesFor(inSeconds), framesFor(outSeconds));
}
