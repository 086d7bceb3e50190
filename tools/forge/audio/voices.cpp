#include "tools/forge/audio/voices.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/rng.h"

namespace {

// Lower notes of a struck bar or pan ring longer; `reference` is where the ring is `base`.
double ringFor(double hz, double base, double reference, double lo, double hi) {
    return std::clamp(base * std::pow(reference / hz, 0.35), lo, hi);
}

// The short noise of a mallet or stick meeting the body.
void addStrike(Mono& out, double centreHz, double q, double decay, float gain, uint32_t seed) {
    AudioRng rng(seed);
    Mono click = noise(framesFor(decay * 6.0), rng);
    Svf filter(std::min(centreHz, 9000.0), q);
    for (float& s : click) s = filter.bandpass(s);
    applyDecay(click, 0.0005, decay);
    mixInto(out, click, 0, gain);
}

// Ends a held note with a short fade so it never stops with a click.
void release(Mono& sound, double heldSeconds, double releaseSeconds) {
    const long held = framesFor(heldSeconds);
    const long rel = std::max(1L, framesFor(releaseSeconds));
    sound.resize(static_cast<size_t>(held + rel), 0.0f);
    for (long i = 0; i < rel; ++i) {
        sound[held + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * static_cast<double>(i) / rel));
    }
}

// The string's shape the moment it is let go: noise coloured by how bright the pluck is, with the
// notch a pluck away from the bridge puts in it.
std::vector<float> pluckExcitation(int delay, const Tone& tone, double brightness, double pluckPosition) {
    AudioRng rng(tone.seed);
    std::vector<float> line(static_cast<size_t>(delay));
    OnePole colour;
    colour.setCutoff(600.0 + (brightness * 0.7 + 0.3 * tone.velocity * brightness) * 7000.0);
    for (float& s : line) s = colour.lowpass(rng.bipolar());
    const int hollow = static_cast<int>(pluckPosition * delay);
    if (hollow > 0) {
        const std::vector<float> source = line;
        for (int i = hollow; i < delay; ++i) line[i] = source[i] - source[i - hollow];
    }
    return line;
}

void scaleBy(Mono& sound, float gain) {
    for (float& s : sound) s *= gain;
}

}  // namespace

Mono marimba(const Tone& tone) {
    const double ring = ringFor(tone.hz, 0.55, 440.0, 0.18, 1.3);
    const float bright = 0.5f + 0.5f * tone.velocity;
    Mono out;
    addPartials(out, tone.hz,
                {{1.0, 1.0f, ring}, {3.93, 0.22f * bright, ring * 0.22}, {9.2, 0.05f * bright, ring * 0.07}},
                std::min(4.0, ring * 6.0), 0.0015);
    addStrike(out, tone.hz * 4.0, 1.2, 0.0025, 0.12f * bright, tone.seed);
    scaleBy(out, tone.velocity);
    return out;
}

Mono steelDrum(const Tone& tone) {
    const double ring = ringFor(tone.hz, 0.75, 440.0, 0.3, 1.6);
    Mono out;
    addPartials(out, tone.hz,
                {{1.0, 1.0f, ring},
                 {2.0, 0.5f, ring * 0.55, 0.7},
                 {2.0, -0.35f, 0.025},  // with the partial above: the pan's blooming octave
                 {3.0, 0.26f, ring * 0.4},
                 {4.0, 0.12f, ring * 0.25, 1.3},
                 {5.0, 0.05f, ring * 0.15}},
                std::min(4.0, ring * 6.0), 0.004);
    addStrike(out, 2800.0, 0.9, 0.002, 0.08f * tone.velocity, tone.seed);
    scaleBy(out, tone.velocity);
    return out;
}

Mono kalimba(const Tone& tone) {
    const double ring = ringFor(tone.hz, 1.1, 440.0, 0.5, 2.0);
    Mono out;
    addPartials(out, tone.hz, {{1.0, 1.0f, ring}, {5.95, 0.1f, 0.05}, {2.0, 0.04f, ring * 0.3}},
                std::min(4.0, ring * 6.0), 0.002);
    addStrike(out, 5000.0, 1.5, 0.0015, 0.08f, tone.seed);
    scaleBy(out, tone.velocity);
    return out;
}

Mono vibes(const Tone& tone) {
    const double ring = ringFor(tone.hz, 1.4, 440.0, 0.6, 2.5);
    Mono out;
    addPartials(out, tone.hz, {{1.0, 1.0f, ring}, {4.0, 0.2f, ring * 0.25}, {10.0, 0.03f, 0.08}},
                std::min(5.0, ring * 5.0), 0.002);
    // The slow tremolo of the rotating fans.
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] *= 0.85f + 0.15f * sineTurns(5.0 * static_cast<double>(i) / kSampleRate);
    }
    scaleBy(out, tone.velocity);
    return out;
}

Mono pluckedString(const Tone& tone, double brightness, double pluckPosition, double ringSeconds) {
    const double period = kSampleRate / tone.hz;
    int delay = static_cast<int>(std::floor(period - 0.5));
    double frac = period - 0.5 - delay;
    if (frac < 0.1) {
        --delay;
        frac += 1.0;
    }
    delay = std::max(delay, 2);
    const double apCoefficient = (1.0 - frac) / (1.0 + frac);
    const double loss = std::pow(0.001, 1.0 / (tone.hz * ringSeconds));

    std::vector<float> line = pluckExcitation(delay, tone, brightness, pluckPosition);

    const double held = std::min(tone.seconds, ringSeconds * 1.5);
    Mono out(static_cast<size_t>(framesFor(held + 0.06)));
    size_t pos = 0;
    float previous = 0.0f;
    double apIn = 0.0;
    double apOut = 0.0;
    for (float& sample : out) {
        const float s = line[pos];
        const double average = 0.5 * (s + previous);
        previous = s;
        const double ap = apCoefficient * average + apIn - apCoefficient * apOut;
        apIn = average;
        apOut = ap;
        line[pos] = static_cast<float>(ap * loss);
        if (++pos == line.size()) pos = 0;
        sample = s;
    }
    highpassInPlace(out, 40.0);
    release(out, held, 0.06);
    scaleBy(out, tone.velocity * 2.2f);
    return out;
}

Mono bell(const Tone& tone) {
    const double ring = ringFor(tone.hz, 1.6, 440.0, 0.6, 3.5);
    Mono out;
    addPartials(out, tone.hz,
                {{0.5, 0.3f, ring},
                 {1.0, 1.0f, ring * 0.8},
                 {1.0, 0.45f, ring * 0.7, 1.1},
                 {1.19, 0.4f, ring * 0.5},
                 {1.5, 0.25f, ring * 0.45},
                 {2.0, 0.5f, ring * 0.4, 0.6},
                 {2.52, 0.18f, ring * 0.25},
                 {3.0, 0.15f, ring * 0.2},
                 {4.16, 0.08f, ring * 0.12},
                 {5.4, 0.05f, ring * 0.08}},
                std::min(6.0, ring * 5.0), 0.001);
    addStrike(out, tone.hz * 6.0, 1.0, 0.001, 0.1f, tone.seed);
    scaleBy(out, tone.velocity * 0.6f);
    return out;
}

Mono glass(const Tone& tone) {
    const double ring = ringFor(tone.hz, 0.5, 1000.0, 0.15, 1.2);
    Mono out;
    addPartials(out, tone.hz,
                {{1.0, 1.0f, ring}, {2.76, 0.35f, ring * 0.4}, {5.40, 0.15f, ring * 0.18}, {8.93, 0.07f, ring * 0.1}},
                std::min(3.0, ring * 6.0), 0.0008);
    scaleBy(out, tone.velocity);
    return out;
}

Mono flute(const Tone& tone) {
    const double attack = 0.05;
    const long frames = framesFor(tone.seconds + 0.09);
    Mono out(static_cast<size_t>(frames));
    AudioRng rng(tone.seed);
    Svf breathFilter(std::min(tone.hz * 2.0, 8000.0), 1.5);
    double phase = 0.0;
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double vibratoDepth = 0.0028 * std::clamp((t - 0.15) / 0.25, 0.0, 1.0);
        const double hz = tone.hz * (1.0 + vibratoDepth * sineTurns(5.2 * t));
        phase += hz / kSampleRate;
        if (phase >= 1.0) phase -= 1.0;
        const float body = sineTurns(phase) + 0.18f * sineTurns(2.0 * phase) + 0.05f * sineTurns(3.0 * phase);
        const float chiff = static_cast<float>(0.08 + 0.25 * std::exp(-t / 0.03));
        const float breath = breathFilter.bandpass(rng.bipolar()) * chiff;
        const float env = static_cast<float>(std::min(1.0, t / attack));
        out[i] = (body * 0.8f + breath) * env;
    }
    release(out, tone.seconds, 0.09);
    scaleBy(out, tone.velocity);
    return out;
}

Mono bass(const Tone& tone) {
    Mono out;
    const double ring = 1.1;
    addPartials(out, tone.hz,
                {{1.0, 1.0f, ring}, {2.0, 0.32f, ring * 0.45}, {3.0, 0.12f, ring * 0.3}, {4.0, 0.05f, 0.12}},
                tone.seconds + 0.06, 0.006);
    release(out, tone.seconds, 0.06);
    scaleBy(out, tone.velocity);
    return out;
}

Mono pad(const Tone& tone) {
    const double releaseSeconds = 0.5;
    const double attack = std::min(0.4, tone.seconds * 0.35);
    const long held = framesFor(tone.seconds);
    const long frames = held + framesFor(releaseSeconds);
    Mono out(static_cast<size_t>(frames));
    AudioRng rng(tone.seed);
    double phases[3] = {rng.uniform(), rng.uniform(), rng.uniform()};
    const double detune[3] = {1.0, std::pow(2.0, 7.0 / 1200.0), std::pow(2.0, -6.0 / 1200.0)};
    Svf first(std::min(tone.hz * 3.5, 2200.0), 0.6);
    Svf second(std::min(tone.hz * 3.5, 2200.0), 0.6);
    for (long i = 0; i < frames; ++i) {
        float sum = 0.0f;
        for (int v = 0; v < 3; ++v) {
            const double inc = tone.hz * detune[v] / kSampleRate;
            sum += polyBlepSaw(phases[v], inc);
            phases[v] += inc;
            if (phases[v] >= 1.0) phases[v] -= 1.0;
        }
        const double t = static_cast<double>(i) / kSampleRate;
        // Raised-cosine attack and release (sineTurns(x + 0.25) is cos(2 pi x)).
        double env = t < attack ? 0.5 - 0.5 * sineTurns(0.5 * t / attack + 0.25) : 1.0;
        if (i >= held) env *= 0.5 + 0.5 * sineTurns(0.5 * static_cast<double>(i - held) / (frames - held) + 0.25);
        out[i] = second.lowpass(first.lowpass(sum * 0.33f)) * static_cast<float>(env);
    }
    scaleBy(out, tone.velocity);
    return out;
}

Mono kick(float velocity) {
    Mono out = glideSine(140.0, 50.0, 0.07, 0.4);
    applyDecay(out, 0.001, 0.12);
    addStrike(out, 2500.0, 0.7, 0.0015, 0.15f, 77);
    scaleBy(out, velocity);
    return out;
}

Mono handDrum(double hz, float velocity, double decay, uint32_t seed) {
    Mono out = glideSine(hz * 1.45, hz, 0.018, decay * 6.0);
    applyDecay(out, 0.001, decay);
    addPartials(out, hz, {{1.59, 0.25f, decay * 0.5}, {2.14, 0.1f, decay * 0.3}}, decay * 6.0, 0.001);
    addStrike(out, hz * 5.0, 1.2, 0.01, 0.3f * velocity, seed);
    scaleBy(out, velocity);
    return out;
}

Mono shaker(float velocity, uint32_t seed) {
    AudioRng rng(seed);
    Mono out = noise(framesFor(0.12), rng);
    Svf band(6500.0, 0.8);
    for (float& s : out) s = band.bandpass(s);
    applyDecay(out, 0.012, 0.03);
    scaleBy(out, velocity * 3.0f);
    return out;
}

Mono clave(float velocity) {
    Mono out;
    addPartials(out, 2500.0, {{1.0, 1.0f, 0.04}, {1.72, 0.2f, 0.02}}, 0.25, 0.0004);
    scaleBy(out, velocity);
    return out;
}

Mono woodblock(double hz, float velocity, uint32_t seed) {
    Mono out;
    addPartials(out, hz, {{1.0, 1.0f, 0.035}, {2.63, 0.3f, 0.015}}, 0.2, 0.0004);
    addStrike(out, hz * 1.5, 4.0, 0.006, 0.4f, seed);
    scaleBy(out, velocity);
    return out;
}

Mono brush(float velocity, uint32_t seed) {
    AudioRng rng(seed);
    Mono out = noise(framesFor(0.35), rng);
    Svf band(3200.0, 0.7);
    for (float& s : out) s = band.bandpass(s);
    applyDecay(out, 0.004, 0.07);
    addPartials(out, 185.0, {{1.0, 0.25f, 0.03}}, 0.2, 0.001);
    scaleBy(out, velocity * 2.0f);
    return out;
}

Mono hat(float velocity, uint32_t seed) {
    AudioRng rng(seed);
    Mono out = noise(framesFor(0.15), rng);
    Svf high(8000.0, 0.7);
    for (float& s : out) s = high.highpass(s);
    applyDecay(out, 0.0008, 0.025);
    scaleBy(out, velocity * 2.0f);
    return out;
}

Mono triangleHit(float velocity) {
    Mono out;
    addPartials(out, 2790.0, {{1.0, 1.0f, 0.9}, {2.08, 0.5f, 0.7}, {3.31, 0.35f, 0.5}, {4.62, 0.2f, 0.35}}, 2.5,
                0.0005);
    scaleBy(out, velocity * 0.5f);
    return out;
}

bool isPercussion(Voice voice) { return voice >= Voice::Kick; }

Mono renderVoice(Voice voice, const Tone& tone) {
    switch (voice) {
    case Voice::Marimba: return marimba(tone);
    case Voice::SteelDrum: return steelDrum(tone);
    case Voice::Kalimba: return kalimba(tone);
    case Voice::Vibes: return vibes(tone);
    case Voice::Pluck: return pluckedString(tone, 0.45, 0.18, 2.5);
    case Voice::Ukulele: return pluckedString(tone, 0.65, 0.22, 1.2);
    case Voice::Bell: return bell(tone);
    case Voice::Glass: return glass(tone);
    case Voice::Flute: return flute(tone);
    case Voice::Bass: return bass(tone);
    case Voice::Pad: return pad(tone);
    case Voice::Kick: return kick(tone.velocity);
    case Voice::CongaLow: return handDrum(190.0, tone.velocity, 0.16, tone.seed);
    case Voice::CongaHigh: return handDrum(275.0, tone.velocity, 0.12, tone.seed);
    case Voice::Bongo: return handDrum(430.0, tone.velocity, 0.07, tone.seed);
    case Voice::Shaker: return shaker(tone.velocity, tone.seed);
    case Voice::Clave: return clave(tone.velocity);
    case Voice::Woodblock: return woodblock(900.0, tone.velocity, tone.seed);
    case Voice::Brush: return brush(tone.velocity, tone.seed);
    case Voice::Hat: return hat(tone.velocity, tone.seed);
    case Voice::Triangle: return triangleHit(tone.velocity);
    }
    return {};
}
