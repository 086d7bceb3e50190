#pragma once
// The small signal toolkit every forge sound is made of: pitch helpers, a state-variable filter, a
// one-pole filter, band-limited oscillators, decaying sine partials and noise. All of it works on
// plain Mono buffers at 44.1 kHz.
#include <cstdint>
#include <vector>

#include "tools/forge/audio/buffer.h"

class AudioRng;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

double midiToHz(double midi);

// Sine of a phase given in turns (0..1 is one cycle), from a table: fast enough for every voice.
float sineTurns(double phase);

// A saw wave with its step smoothed (polyBLEP), so high notes do not alias into hiss.
float polyBlepSaw(double phase, double increment);

// Topology-preserving state-variable filter: stable while its cutoff moves.
class Svf {
public:
    Svf() = default;
    Svf(double hz, double q) { set(hz, q); }
    void set(double hz, double q);
    void process(float x);
    float low() const { return lowOut; }
    float band() const { return bandOut; }
    float high() const { return highOut; }
    float lowpass(float x) { process(x); return lowOut; }
    float bandpass(float x) { process(x); return bandOut; }
    float highpass(float x) { process(x); return highOut; }

private:
    double a1 = 0.0, a2 = 0.0, a3 = 0.0, k = 1.0;
    double ic1 = 0.0, ic2 = 0.0;
    float lowOut = 0.0f, bandOut = 0.0f, highOut = 0.0f;
};

class OnePole {
public:
    void setCutoff(double hz);
    float lowpass(float x) {
        state += coefficient * (x - state);
        return static_cast<float>(state);
    }
    float highpass(float x) { return x - lowpass(x); }

private:
    double coefficient = 1.0;
    double state = 0.0;
};

// One sine partial of a struck or plucked body: frequency ratio to the note, amplitude and the
// time in seconds in which it falls to 1/e. `hzOffset` detunes by a fixed number of Hz, which
// makes partials beat the way bells and steel drums do.
struct Partial {
    double ratio;
    float amp;
    double decay;
    double hzOffset = 0.0;
};

// Adds decaying partials of `hz` to `out` (growing it to `seconds`), each starting from zero with
// a linear attack of `attack` seconds. Partials above the audible band are skipped.
void addPartials(Mono& out, double hz, const std::vector<Partial>& partials, double seconds, double attack);

// White noise in -1..1.
Mono noise(long frames, AudioRng& rng);
// Multiplies by exp(-t / decay) with a linear attack.
void applyDecay(Mono& sound, double attack, double decay);
// A tone whose pitch glides exponentially from `fromHz` to `toHz` over `glide` seconds.
Mono glideSine(double fromHz, double toHz, double glide, double seconds);
// Noise through a band-pass whose centre moves from `fromHz` to `toHz` (exponentially).
Mono sweptNoise(double fromHz, double toHz, double q, double seconds, AudioRng& rng);
// Removes the lowest frequencies (and so any offset) with a gentle high-pass.
void highpassInPlace(Mono& sound, double hz);
void lowpassInPlace(Mono& sound, double hz);
void mixInto(Mono& out, const Mono& sound, long start, float gain);
float peakOf(const Mono& sound);
