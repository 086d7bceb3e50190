// The movie's streamed ambiences (sounds/movie_env), each a seamless loop: the projector running,
// the harbour at the dock, and the open ocean.
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/nature.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

void projectorRunning(Forge& forge) {
    // 6 s hold 144 shutter passes exactly, so the clatter keeps its pace across the loop point.
    constexpr double kSeconds = 6.0;
    constexpr int kTicks = 144;
    AudioRng rng(seedFromName("projector_running"));
    const long n = framesFor(kSeconds);
    Stereo loop(static_cast<size_t>(n));
    for (int k = 0; k < kTicks; ++k) {
        Mono tick = click(2600.0, 0.0025, rng);
        mixInto(tick, click(800.0, 0.006, rng), framesFor(0.012), 0.6f);
        const long at = static_cast<long>(std::llround(static_cast<double>(k) * n / kTicks));
        loop.addWrapped(tick, at, rng.range(0.7f, 1.0f) * (k % 2 == 0 ? 1.0f : 0.8f), rng.range(-0.1f, 0.1f));
    }
    Mono hum(static_cast<size_t>(n));
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;  // 100 Hz fits the loop 600 times
        hum[i] = sineTurns(100.0 * t) + 0.4f * sineTurns(200.0 * t) + 0.2f * sineTurns(300.0 * t);
    }
    addBed(loop, hum, 0.06f);
    Mono flutter = loopedNoise(n, 1800.0, 1.0, rng);
    for (long i = 0; i < n; ++i) flutter[i] *= 0.6f + 0.4f * sineTurns(24.0 * static_cast<double>(i) / kSampleRate);
    addBed(loop, flutter, 0.05f);
    writeLoop(forge, "sounds/movie_env/projector_running.ogg", loop, -24.0f);
}

void dockAmbience(Forge& forge) {
    constexpr double kSeconds = 20.0;
    AudioRng rng(seedFromName("dock_ambience"));
    const long n = framesFor(kSeconds);
    Stereo loop(static_cast<size_t>(n));
    // Water lapping at the pilings: a band of noise in slow, irregular slaps.
    Mono water = loopedNoise(n, 420.0, 1.2, rng);
    const Mono slaps = loopedSwell(n, 9, 1.0f, 11);
    for (long i = 0; i < n; ++i) water[i] *= std::pow(slaps[i], 3.0f);
    addBed(loop, water, 0.5f);
    Mono harbour = loopedNoise(n, 160.0, 0.0, rng);
    addBed(loop, harbour, 0.35f);
    const double creaks[3] = {3.1, 9.7, 15.2};
    for (double at : creaks) {
        loop.addWrapped(creak(rng.range(0.5f, 0.9f), rng.range(450.0f, 700.0f), rng), framesFor(at), 0.25f,
                        rng.range(-0.6f, 0.6f));
    }
    for (double at : {5.5, 5.95, 13.0, 18.6}) {
        loop.addWrapped(gullCry(rng), framesFor(at), 0.12f, rng.range(-0.8f, 0.8f));
    }
    Tone buoy;
    buoy.hz = 620.0;
    buoy.velocity = 0.5f;
    loop.addWrapped(bell(buoy), framesFor(11.5), 0.08f, 0.5f);
    applyReverb(loop, {0.6f, 0.6f, 0.25f, 1.0f}, true);
    writeLoop(forge, "sounds/movie_env/dock_ambience.ogg", loop, -22.0f);
}

void ocean(Forge& forge) {
    AudioRng rng(seedFromName("ocean"));
    Stereo loop(static_cast<size_t>(framesFor(20.0)));
    oceanLoop(loop, rng, 0.8f);
    applyReverb(loop, {0.5f, 0.6f, 0.2f, 1.0f}, true);
    writeLoop(forge, "sounds/movie_env/ocean.ogg", loop, -20.0f);
}

}  // namespace

FORGE_STEP(audio_movie_env) {
    projectorRunning(forge);
    dockAmbience(forge);
    ocean(forge);
}
