#include "tools/forge/audio/dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/forge/audio/rng.h"

namespace {

constexpr int kSineTableSize = 4096;

const std::array<float, kSineTableSize + 1>& sineTable() {
    static const std::array<float, kSineTableSize + 1> table = [] {
        std::array<float, kSineTableSize + 1> t{};
        for (int i = 0; i <= kSineTableSize; ++i) t[i] = static_cast<float>(std::sin(kTwoPi * i / kSineTableSize));
        return t;
    }();
    return table;
}

}  // namespace

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float sineTurns(double phase) {
    const auto& table = sineTable();
    double position = (phase - std::floor(phase)) * kSineTableSize;
    const int index = static_cast<int>(position);
    const float frac = static_cast<float>(position - index);
    return table[index] + (table[index + 1] - table[index]) * frac;
}

float polyBlepSaw(double phase, double increment) {
    double value = 2.0 * phase - 1.0;
    if (phase < increment) {
        const double t = phase / increment;
        value -= t + t - t * t - 1.0;
    } else if (phase > 1.0 - increment) {
        const double t = (phase - 1.0) / increment;
        value -= t * t + t + t + 1.0;
    }
    return static_cast<float>(value);
}

void Svf::set(double hz, double q) {
    hz = std::clamp(hz, 10.0, kSampleRate * 0.45);
    const double g = std::tan(kPi * hz / kSampleRate);
    k = 1.0 / std::max(q, 0.05);
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
}

void Svf::process(float x) {
    const double v3 = x - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    lowOut = static_cast<float>(v2);
    bandOut = static_cast<float>(v1);
    highOut = static_cast<float>(x - k * v1 - v2);
}

void OnePole::setCutoff(double hz) {
    coefficient = 1.0 - std::exp(-kTwoPi * std::clamp(hz, 1.0, kSampleRate * 0.49) / kSampleRate);
}

void addPartials(Mono& out, double hz, const std::vector<Partial>& partials, double seconds, double attack) {
    const long frames = framesFor(seconds);
    if (static_cast<long>(out.size()) < frames) out.resize(static_cast<size_t>(frames), 0.0f);
    const long attackFrames = std::max(1L, framesFor(attack));
    for (const Partial& p : partials) {
        const double f = hz * p.ratio + p.hzOffset;
        if (f <= 0.0 || f > 18000.0) continue;
        // A rotating phasor: one complex multiply per sample instead of a sine call.
        const double w = kTwoPi * f / kSampleRate;
        const double cr = std::cos(w);
        const double sr = std::sin(w);
        double c = 1.0;
        double s = 0.0;
        double env = p.amp;
        const double fall = std::exp(-1.0 / (std::max(p.decay, 1e-4) * kSampleRate));
        for (long i = 0; i < frames; ++i) {
            const double ramp = i < attackFrames ? static_cast<double>(i) / attackFrames : 1.0;
            out[i] += static_cast<float>(env * ramp * s);
            const double nc = c * cr - s * sr;
            s = s * cr + c * sr;
            c = nc;
            env *= fall;
            if (i > attackFrames && std::fabs(env) < 2e-5) break;  // below -94 dB
        }
    }
}

Mono noise(long frames, AudioRng& rng) {
    Mono out(static_cast<size_t>(std::max(0L, frames)));
    for (float& s : out) s = rng.bipolar();
    return out;
}

void applyDecay(Mono& sound, double attack, double decay) {
    const long attackFrames = std::max(1L, framesFor(attack));
    const double fall = std::exp(-1.0 / (std::max(decay, 1e-4) * kSampleRate));
    double env = 1.0;
    for (long i = 0; i < static_cast<long>(sound.size()); ++i) {
        if (i < attackFrames) {
            sound[i] *= static_cast<float>(static_cast<double>(i) / attackFrames);
        } else {
            env *= fall;
            sound[i] *= static_cast<float>(env);
        }
    }
}

Mono glideSine(double fromHz, double toHz, double glide, double seconds) {
    Mono out(static_cast<size_t>(framesFor(seconds)));
    const long glideFrames = std::max(1L, framesFor(glide));
    const double ratio = std::log(toHz / fromHz);
    double phase = 0.0;
    for (long i = 0; i < static_cast<long>(out.size()); ++i) {
        const double t = std::min(1.0, static_cast<double>(i) / glideFrames);
        const double hz = fromHz * std::exp(ratio * t);
        out[i] = sineTurns(phase);
        phase += hz / kSampleRate;
        if (phase >= 1.0) phase -= 1.0;
    }
    return out;
}

Mono sweptNoise(double fromHz, double toHz, double q, double seconds, AudioRng& rng) {
    Mono out = noise(framesFor(seconds), rng);
    Svf filter;
    const double ratio = std::log(toHz / fromHz);
    const long n = static_cast<long>(out.size());
    for (long i = 0; i < n; ++i) {
        if (i % 32 == 0) filter.set(fromHz * std::exp(ratio * static_cast<double>(i) / std::max(1L, n)), q);
        out[i] = filter.bandpass(out[i]);
    }
    return out;
}

void highpassInPlace(Mono& sound, double hz) {
    OnePole filter;
    filter.setCutoff(hz);
    for (float& s : sound) s = filter.highpass(s);
}

void lowpassInPlace(Mono& sound, double hz) {
    OnePole filter;
    filter.setCutoff(hz);
    for (float& s : sound) s = filter.lowpass(s);
}

void mixInto(Mono& out, const Mono& sound, long start, float gain) {
    const long end = start + static_cast<long>(sound.size());
    if (end > static_cast<long>(out.size())) out.resize(static_cast<size_t>(end), 0.0f);
    for (long i = std::max(0L, -start); i < static_cast<long>(sound.size()); ++i) out[start + i] += sound[i] * gain;
}

float peakOf(const Mono& sound) {
    float top = 0.0f;
    for (float s : sound) top = std::max(top, std::fabs(s));
    return top;
}
