// The intro movie's sounds. One-shots live in sounds/movie (played as samples): the projector
// starting and stopping, the title card's song, the foghorn, a gust, the fog and thunder. The
// ambiences it streams live in sounds/movie_env: the running projector, the dock and the ocean.
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/nature.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/score.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

constexpr double kFramesPerSecond = 24.0;  // the projector's shutter rate at full speed

// One pass of the film past the gate: a tick of the claw and a softer knock of the shutter.
Mono shutterTick(AudioRng& rng) {
    Mono out = click(2600.0, 0.0025, rng);
    mixInto(out, click(800.0, 0.006, rng), framesFor(0.012), 0.6f);
    return out;
}

// The projector's clatter at a rate that follows `rateAt` (frames per second over 0..1 of the
// sound), over the hum of its motor.
Stereo projector(double seconds, double (*rateAt)(double), AudioRng& rng) {
    Stereo mix(static_cast<size_t>(framesFor(seconds)));
    double t = 0.0;
    while (t < seconds) {
        const double rate = rateAt(t / seconds);
        if (rate < 0.5) break;
        put(mix, shutterTick(rng), t, rng.range(0.7f, 1.0f), rng.range(-0.1f, 0.1f));
        t += 1.0 / rate;
    }
    const long n = framesFor(seconds);
    Mono hum(static_cast<size_t>(n));
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        const double share = rateAt(static_cast<double>(i) / n) / kFramesPerSecond;
        phase += (20.0 + 80.0 * share) / kSampleRate;
        hum[i] = (sineTurns(phase) + 0.4f * sineTurns(2.0 * phase) + 0.2f * sineTurns(3.0 * phase)) *
                 static_cast<float>(share * 0.35);
    }
    put(mix, hum, 0.0, 0.5f);
    return mix;
}

double spinUp(double x) { return kFramesPerSecond * std::min(1.0, 0.15 + 1.1 * x); }
double spinDown(double x) { return kFramesPerSecond * std::max(0.0, 1.0 - 1.15 * x); }

void projectorStartStop(Forge& forge) {
    {
        AudioRng rng(seedFromName("projector_start"));
        Stereo mix;
        put(mix, click(1200.0, 0.01, rng), 0.0, 0.9f);  // the switch
        mix.add(projector(2.0, spinUp, rng), framesFor(0.08), 1.0f);
        writeEffect(forge, "sounds/movie/projector_start.ogg", mix, -4.0f, 2.1);
    }
    {
        AudioRng rng(seedFromName("projector_stop"));
        Stereo mix = projector(2.0, spinDown, rng);
        put(mix, thud(90.0, 0.05), 1.85, 0.6f);  // the reel coming to rest
        writeEffect(forge, "sounds/movie/projector_stop.ogg", mix, -4.0f, 2.3);
    }
}

// A little hula tune as if from an old film's soundtrack: narrow band, hiss and crackle.
void titlecardSong(Forge& forge) {
    Song s;
    s.loop = false;
    s.name = "titlecard_song";
    s.seed = seedFromName("titlecard_song");
    s.bpm = 120.0;
    s.swing = 0.6;
    s.key = {7, Mode::Major};  // G major
    s.chords = "G | E7 | A7 D7 | G";
    s.reverb = {0.4f, 0.6f, 0.2f, 0.3f};
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum,
         .pattern = "5 - 3 5 1' - 7 6 | 5 - 3 - #2 - 3 - | 2 - #4 5 6 - 1' - | 1' - - - . . . .", .octave = 4,
         .gain = 0.6f, .send = 0.2f},
        {.kind = LayerKind::Strum, .voice = Voice::Ukulele, .pattern = "D - D U - U D U | D - D U - U D U |"
                                                                       "D - D U - U D U | D - . . . . . .",
         .octave = 4, .gain = 0.35f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - 5 - R - 5 - | R - 5 - R - 5 - |"
                                                                 "R - 5 - R - 5 - | R - - - . . . .",
         .octave = 2, .gain = 0.5f},
    };
    Stereo mix;
    std::string error;
    if (!renderSong(s, mix, error)) return forge.fail("titlecard_song: " + error);
    AudioRng rng(s.seed);
    Mono mono = mix.mixedDown();
    Svf low(280.0, 0.7);
    Svf high(3200.0, 0.7);
    for (float& v : mono) v = low.highpass(high.lowpass(v));
    mixInto(mono, crackle(static_cast<double>(mono.size()) / kSampleRate, 60, rng), 0, 0.05f);
    Mono hiss = noise(static_cast<long>(mono.size()), rng);
    highpassInPlace(hiss, 3000.0);
    mixInto(mono, hiss, 0, 0.01f);
    Stereo out;
    put(out, mono, 0.0, 1.0f);
    writeEffect(forge, "sounds/movie/titlecard_song.ogg", out, -3.0f, 9.0);
}

void foghorn(Forge& forge) {
    AudioRng rng(seedFromName("foghorn"));
    constexpr double kSeconds = 3.6;
    const long n = framesFor(kSeconds);
    Mono horn(static_cast<size_t>(n));
    double phases[2] = {0.0, 0.3};
    Svf body(320.0, 1.8);
    Svf dark(900.0, 0.7);
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // The diaphone's grunt: its pitch sags as the air runs out.
        const double sag = t > kSeconds - 0.7 ? 1.0 - 0.12 * (t - (kSeconds - 0.7)) / 0.7 : 1.0;
        float sum = 0.0f;
        const double base[2] = {87.0, 90.5};
        for (int v = 0; v < 2; ++v) {
            const double inc = base[v] * sag / kSampleRate;
            sum += polyBlepSaw(phases[v], inc);
            phases[v] += inc;
            if (phases[v] >= 1.0) phases[v] -= 1.0;
        }
        const double env = std::min(1.0, t / 0.35) * std::min(1.0, (kSeconds - t) / 0.6);
        horn[i] = (body.bandpass(sum) * 0.8f + dark.lowpass(sum) * 0.5f) * static_cast<float>(env);
    }
    Stereo mix;
    put(mix, horn, 0.0, 1.0f);
    mix.resize(mix.frames() + static_cast<size_t>(framesFor(2.0)));
    applyReverb(mix, {0.9f, 0.7f, 0.5f, 1.0f}, false);  // far across the water
    writeEffect(forge, "sounds/movie/foghorn.ogg", mix, -3.0f, 5.0);
}

void windGust(Forge& forge) {
    AudioRng rng(seedFromName("windgust"));
    Stereo mix;
    putMoving(mix, whoosh(2.8, 200.0, 1100.0, 300.0, 1.0, 0.4, rng), 0.0, 1.0f, -0.7f, 0.7f);
    putMoving(mix, whoosh(2.6, 500.0, 1800.0, 600.0, 8.0, 0.45, rng), 0.1, 0.4f, -0.5f, 0.6f);
    put(mix, rumble(150.0, 2.8, 0.8, 0.9, rng), 0.0, 0.5f);
    writeEffect(forge, "sounds/movie/windgust.ogg", mix, -3.0f, 3.0);
}

// Fog rolling in: low breath of air and a faint, uneasy drone.
void fog(Forge& forge) {
    AudioRng rng(seedFromName("fog"));
    Stereo mix;
    put(mix, whoosh(5.0, 150.0, 500.0, 200.0, 0.8, 0.5, rng), 0.0, 1.0f, -0.2f);
    put(mix, whoosh(5.0, 180.0, 450.0, 160.0, 0.8, 0.55, rng), 0.0, 1.0f, 0.2f);
    Mono drone;
    addPartials(drone, 110.0, {{1.0, 0.5f, 100.0}, {1.059, 0.35f, 100.0}, {2.0, 0.2f, 100.0}, {3.01, 0.1f, 100.0}},
                5.0, 1.8);
    applyFades(drone, 0.0, 2.0);
    put(mix, drone, 0.0, 0.25f);
    applyReverb(mix, {0.85f, 0.6f, 0.4f, 1.0f}, false);
    writeEffect(forge, "sounds/movie/fog.ogg", mix, -6.0f, 5.0);
}

// Thunder: the crack overhead, then the roll going away in bursts.
void thunder(Forge& forge) {
    AudioRng rng(seedFromName("thunder"));
    Stereo mix;
    Mono crackBurst = noise(framesFor(0.25), rng);
    highpassInPlace(crackBurst, 600.0);
    applyDecay(crackBurst, 0.004, 0.05);
    put(mix, crackBurst, 0.0, 0.8f);
    put(mix, rumble(900.0, 0.8, 0.005, 0.15, rng), 0.0, 0.7f);
    for (int k = 0; k < 6; ++k) {
        const double at = 0.1 + 0.55 * k + rng.uniform() * 0.3;
        put(mix, rumble(rng.range(70.0f, 160.0f), 2.5, 0.08, rng.range(0.4f, 0.9f), rng), at,
            static_cast<float>(1.0 - 0.13 * k), rng.range(-0.5f, 0.5f));
    }
    applyReverb(mix, {0.8f, 0.7f, 0.35f, 1.0f}, false);
    writeEffect(forge, "sounds/movie/thunder.ogg", mix, -4.0f, 5.0);
}

}  // namespace

FORGE_STEP(audio_movie) {
    beginSheet();
    projectorStartStop(forge);
    titlecardSong(forge);
    foghorn(forge);
    windGust(forge);
    fog(forge);
    thunder(forge);
    publishSheet(forge, "audio_movie");
}
