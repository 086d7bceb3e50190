#include "tools/forge/audio/sfx_kit.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/output.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/core/rgba_image.h"

void put(Stereo& mix, const Mono& sound, double seconds, float gain, float pan) {
    mix.add(sound, framesFor(seconds), gain, pan);
}

Mono note(Voice voice, double midi, float velocity, double seconds, uint32_t seed) {
    Tone tone;
    tone.hz = midiToHz(midi);
    tone.seconds = seconds;
    tone.velocity = velocity;
    tone.seed = seed;
    return renderVoice(voice, tone);
}

Mono whoosh(double seconds, double fromHz, double midHz, double toHz, double q, double peakAt, AudioRng& rng) {
    const long n = framesFor(seconds);
    Mono out = noise(n, rng);
    Svf filter;
    const long peak = std::max(1L, static_cast<long>(peakAt * static_cast<double>(n)));
    for (long i = 0; i < n; ++i) {
        const bool rising = i < peak;
        const double t = rising ? static_cast<double>(i) / peak : static_cast<double>(i - peak) / std::max(1L, n - peak);
        if (i % 32 == 0) {
            const double hz = rising ? fromHz * std::pow(midHz / fromHz, t) : midHz * std::pow(toHz / midHz, t);
            filter.set(hz, q);
        }
        // A swell shaped like a breath: smooth rise, longer smooth fall.
        const double env = rising ? std::sin(0.5 * kPi * t) : std::pow(std::cos(0.5 * kPi * t), 1.5);
        out[i] = filter.bandpass(out[i]) * static_cast<float>(env * env);
    }
    return out;
}

void sparkle(Stereo& mix, double start, double seconds, int count, double loHz, double hiHz, float gain,
             AudioRng& rng) {
    for (int i = 0; i < count; ++i) {
        const double share = (static_cast<double>(i) + rng.uniform() * 0.8) / count;
        Tone tone;
        tone.hz = loHz * std::pow(hiHz / loHz, rng.uniform());
        tone.seconds = 0.3;
        tone.velocity = static_cast<float>(1.0 - 0.6 * share) * rng.range(0.6f, 1.0f);
        tone.seed = rng.next();
        put(mix, glass(tone), start + share * seconds, gain, rng.bipolar() * 0.7f);
    }
}

Mono thud(double hz, double decay) {
    Mono out = glideSine(hz * 2.2, hz, decay * 0.4, decay * 6.0);
    applyDecay(out, 0.001, decay);
    return out;
}

Mono crack(double bodyHz, double decay, int splinters, AudioRng& rng) {
    Mono burst = noise(framesFor(decay * 8.0), rng);
    Mono out(burst.size(), 0.0f);
    const double modes[3] = {1.0, 2.37, 4.61};
    const float gains[3] = {1.0f, 0.7f, 0.45f};
    for (int m = 0; m < 3; ++m) {
        Mono ring = burst;
        Svf filter(bodyHz * modes[m], 7.0);
        for (float& s : ring) s = filter.bandpass(s);
        applyDecay(ring, 0.0004, decay / (1.0 + m * 0.5));
        mixInto(out, ring, 0, gains[m] * 2.5f);
    }
    Mono snap = noise(framesFor(0.02), rng);
    highpassInPlace(snap, 1500.0);
    applyDecay(snap, 0.0002, 0.004);
    mixInto(out, snap, 0, 0.8f);
    for (int i = 0; i < splinters; ++i) {
        Mono tick = click(bodyHz * rng.range(1.5f, 4.0f), 0.004, rng);
        mixInto(out, tick, framesFor(0.01 + rng.uniform() * decay * 2.0), rng.range(0.2f, 0.5f));
    }
    return out;
}

Mono click(double hz, double decay, AudioRng& rng) {
    Mono out = noise(framesFor(decay * 8.0), rng);
    Svf filter(hz, 5.0);
    for (float& s : out) s = filter.bandpass(s);
    applyDecay(out, 0.0003, decay);
    addPartials(out, hz, {{1.0, 0.5f, decay * 1.5}}, decay * 8.0, 0.0003);
    return out;
}

Mono rumble(double hz, double seconds, double attack, double decay, AudioRng& rng) {
    Mono out = noise(framesFor(seconds), rng);
    Svf first(hz, 0.7);
    Svf second(hz, 0.7);
    for (float& s : out) s = second.lowpass(first.lowpass(s)) * 3.0f;
    applyDecay(out, attack, decay);
    return out;
}

void putMoving(Stereo& mix, const Mono& sound, double seconds, float gain, float fromPan, float toPan) {
    const long start = framesFor(seconds);
    const long n = static_cast<long>(sound.size());
    if (start + n > static_cast<long>(mix.frames())) mix.resize(static_cast<size_t>(start + n));
    for (long i = 0; i < n; ++i) {
        float gl = 0.0f;
        float gr = 0.0f;
        panGains(fromPan + (toPan - fromPan) * static_cast<float>(i) / static_cast<float>(std::max(1L, n)), gl, gr);
        mix.left[start + i] += sound[i] * gain * gl;
        mix.right[start + i] += sound[i] * gain * gr;
    }
}

void addRoom(Stereo& mix, float wet, float room, double tail) {
    mix.resize(mix.frames() + static_cast<size_t>(framesFor(tail)));
    applyReverb(mix, {room, 0.5f, wet, 1.0f}, false);
}

namespace {

thread_local std::unique_ptr<Stereo> currentSheet;

}  // namespace

void writeEffect(Forge& forge, const std::string& path, Stereo sound, float peakDb, double maxSeconds) {
    finishOneShot(sound, peakDb, maxSeconds);
    writeSound(forge, path, sound, SoundShape::OneShot, 0.4f);
    if (currentSheet != nullptr) {
        currentSheet->add(sound, static_cast<long>(currentSheet->frames()), 1.0f);
        currentSheet->resize(currentSheet->frames() + static_cast<size_t>(framesFor(0.3)));
    }
}

void beginSheet() { currentSheet = std::make_unique<Stereo>(); }

void publishSheet(Forge& forge, const std::string& name) {
    if (currentSheet == nullptr) return;
    const std::unique_ptr<Stereo> sheet = std::move(currentSheet);
    const int width = static_cast<int>(std::clamp<size_t>(sheet->frames() / 882, 400, 2000));
    forge.addContactSheet(name, spectrogram(*sheet, width, 300));
}
