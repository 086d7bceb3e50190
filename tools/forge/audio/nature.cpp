#include "tools/forge/audio/nature.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/output.h"
#include "tools/forge/audio/rng.h"

Mono loopedNoise(long frames, double hz, double q, AudioRng& rng) {
    const Mono source = noise(frames, rng);
    Mono out(source.size());
    Svf first(hz, q > 0.0 ? q : 0.7);
    Svf second(hz, q > 0.0 ? q : 0.7);
    // The filters forget within milliseconds: warming them on the loop's last second is enough.
    const size_t warmUp = source.size() > static_cast<size_t>(kSampleRate) ? source.size() - kSampleRate : 0;
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = pass == 0 ? warmUp : 0; i < source.size(); ++i) {
            out[i] = q > 0.0 ? second.bandpass(first.bandpass(source[i])) * static_cast<float>(q)
                             : second.lowpass(first.lowpass(source[i]));
        }
    }
    return out;
}

Mono loopedSwell(long frames, int cycles, float depth, uint32_t seed) {
    AudioRng rng(seed);
    Mono out(static_cast<size_t>(frames));
    const double phases[3] = {rng.uniform(), rng.uniform(), rng.uniform()};
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(frames);
        // Three harmonics of the base cycle: irregular within the loop, exact across it.
        const double v = 0.6 * sineTurns(cycles * t + phases[0]) + 0.3 * sineTurns(2.0 * cycles * t + phases[1]) +
                         0.15 * sineTurns(3.0 * cycles * t + phases[2]);
        out[i] = static_cast<float>(1.0 - depth * 0.5 * (1.0 - v / 1.05));
    }
    return out;
}

void addBed(Stereo& loop, const Mono& bed, float gain) {
    const size_t n = std::min(loop.frames(), bed.size());
    const size_t offset = n / 3;  // the right side hears the same bed a third of the loop later
    for (size_t i = 0; i < n; ++i) {
        loop.left[i] += bed[i] * gain;
        loop.right[i] += bed[(i + offset) % n] * gain;
    }
}

Mono gullCry(AudioRng& rng) {
    const double seconds = rng.range(0.35f, 0.5f);
    const long n = framesFor(seconds);
    Mono out(static_cast<size_t>(n));
    const double top = rng.range(1400.0f, 1700.0f);
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        const double hz = t < 0.25 ? 900.0 + (top - 900.0) * t / 0.25 : top - (top - 750.0) * (t - 0.25) / 0.75;
        phase += hz * (1.0 + 0.02 * sineTurns(28.0 * i / kSampleRate)) / kSampleRate;
        const float voice = sineTurns(phase) + 0.5f * sineTurns(2.0 * phase) + 0.3f * sineTurns(3.0 * phase) +
                            0.15f * sineTurns(4.0 * phase);
        const double env = std::min(1.0, t / 0.08) * std::pow(1.0 - t, 0.7);
        out[i] = voice * static_cast<float>(env) * 0.5f;
    }
    return out;
}

Mono birdCall(double hz, int chirps, AudioRng& rng) {
    Mono out;
    double at = 0.0;
    for (int c = 0; c < chirps; ++c) {
        const double length = rng.range(0.04f, 0.08f);
        Mono chirp = glideSine(hz * rng.range(0.85f, 1.0f), hz * rng.range(1.3f, 1.7f), length, length);
        applyFades(chirp, length * 0.3, length * 0.5);
        mixInto(out, chirp, framesFor(at), rng.range(0.6f, 1.0f));
        at += length + rng.range(0.03f, 0.08f);
    }
    return out;
}

Mono creak(double seconds, double hz, AudioRng& rng) {
    const long n = framesFor(seconds);
    Mono pulses(static_cast<size_t>(n), 0.0f);
    double next = 0.0;
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        if (static_cast<double>(i) >= next) {
            // Stick and slip: the wood catches and lets go, faster in the middle of the movement.
            pulses[i] = rng.range(0.6f, 1.0f);
            const double rate = 28.0 + 60.0 * std::sin(kPi * t) + rng.range(-6.0f, 6.0f);
            next = static_cast<double>(i) + kSampleRate / rate;
        }
    }
    Mono out(static_cast<size_t>(n), 0.0f);
    const double modes[3] = {1.0, 2.3, 3.9};
    for (int m = 0; m < 3; ++m) {
        Svf body(hz * modes[m], 12.0);
        for (long i = 0; i < n; ++i) out[i] += body.bandpass(pulses[i]) * (1.0f / (1.0f + m));
    }
    applyFades(out, seconds * 0.15, seconds * 0.25);
    return out;
}

Mono wave(double seconds, double brightness, AudioRng& rng) {
    const long n = framesFor(seconds);
    Mono out = noise(n, rng);
    Svf first;
    Svf second;
    constexpr double kCrest = 0.38;  // share of the wave spent rising to the break
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        const double swell = t < kCrest ? std::pow(t / kCrest, 2.2) : std::exp(-(t - kCrest) * 4.5);
        if (i % 64 == 0) {
            const double hz = 250.0 + brightness * 3200.0 * swell;
            first.set(hz, 0.6);
            second.set(hz, 0.6);
        }
        out[i] = second.lowpass(first.lowpass(out[i])) * static_cast<float>(swell) * 2.0f;
    }
    applyFades(out, 0.05, seconds * 0.2);
    return out;
}

Mono drip(double hz, AudioRng& rng) {
    // A drop's bubble rises in pitch as it closes.
    Mono out = glideSine(hz * rng.range(0.6f, 0.8f), hz * rng.range(1.4f, 1.8f), 0.03, 0.12);
    applyDecay(out, 0.001, 0.035);
    return out;
}

Mono cricketChirp(double hz) {
    Mono out;
    for (int pulse = 0; pulse < 4; ++pulse) {
        Mono p;
        addPartials(p, hz, {{1.0, 1.0f, 0.006}, {2.0, 0.2f, 0.004}}, 0.03, 0.002);
        mixInto(out, p, framesFor(0.033 * pulse), 1.0f);
    }
    return out;
}

Mono frogCroak(double hz, AudioRng& rng) {
    const double seconds = rng.range(0.18f, 0.28f);
    const long n = framesFor(seconds);
    Mono out(static_cast<size_t>(n));
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(n);
        phase += hz / kSampleRate;
        if (phase >= 1.0) phase -= 1.0;
        // A buzzy pulse train, gated at the croak's own rattle rate.
        const float buzz = static_cast<float>(phase < 0.15 ? 1.0 : -0.18);
        const float rattle = 0.5f + 0.5f * sineTurns(38.0 * i / kSampleRate);
        out[i] = buzz * rattle * static_cast<float>(std::sin(kPi * t));
    }
    lowpassInPlace(out, 1200.0);
    highpassInPlace(out, 120.0);
    return out;
}

Mono crackle(double seconds, int pops, AudioRng& rng) {
    Mono out(static_cast<size_t>(framesFor(seconds)), 0.0f);
    for (int p = 0; p < pops; ++p) {
        Mono pop = noise(framesFor(0.01), rng);
        Svf tone(rng.range(1500.0f, 6000.0f), 2.0);
        for (float& s : pop) s = tone.bandpass(s);
        applyDecay(pop, 0.0002, rng.range(0.0008f, 0.003f));
        mixInto(out, pop, static_cast<long>(rng.uniform() * static_cast<float>(out.size() - pop.size())),
                rng.range(0.2f, 1.0f) * rng.range(0.2f, 1.0f) * 3.0f);
    }
    return out;
}

// Breakers rolling in three to a loop over the low roar of the open sea.
void oceanLoop(Stereo& loop, AudioRng& rng, float waveGain) {
    const long n = static_cast<long>(loop.frames());
    addBed(loop, loopedNoise(n, 220.0, 0.0, rng), 0.5f);
    const double seconds = static_cast<double>(n) / kSampleRate;
    for (int k = 0; k < 3; ++k) {
        const double at = seconds * k / 3.0 + rng.range(-0.4f, 0.4f);
        loop.addWrapped(wave(rng.range(5.5f, 6.5f), rng.range(0.6f, 0.9f), rng), framesFor(at), waveGain,
                        rng.range(-0.4f, 0.4f));
    }
}

void writeLoop(Forge& forge, const std::string& path, Stereo loop, float rmsDb) {
    finishLoop(loop, rmsDb);
    writeSound(forge, path, loop, SoundShape::Loop, 0.3f);
}
