// Named ambiences for the scenes (sounds/env_named, streamed by file name): seamless loops of the
// island's places, jungle, beach, cave, temple, river, rain, camp fire and night.
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/nature.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/voices.h"
#include "tools/forge/core/forge.h"

namespace {

constexpr double kLoopSeconds = 16.0;

Stereo emptyLoop() { return Stereo(static_cast<size_t>(framesFor(kLoopSeconds))); }
long loopFrames() { return framesFor(kLoopSeconds); }

void scatter(Stereo& loop, const Mono& sound, double at, float gain, float pan) {
    loop.addWrapped(sound, framesFor(at), gain, pan);
}

void jungle(Forge& forge) {
    AudioRng rng(seedFromName("jungle"));
    Stereo loop = emptyLoop();
    Mono leaves = loopedNoise(loopFrames(), 2500.0, 0.8, rng);
    const Mono breeze = loopedSwell(loopFrames(), 3, 0.8f, 21);
    for (size_t i = 0; i < leaves.size(); ++i) leaves[i] *= breeze[i];
    addBed(loop, leaves, 0.12f);
    Mono insects = loopedNoise(loopFrames(), 5200.0, 6.0, rng);
    const Mono pulse = loopedSwell(loopFrames(), 40, 0.7f, 22);
    for (size_t i = 0; i < insects.size(); ++i) insects[i] *= pulse[i];
    addBed(loop, insects, 0.05f);
    for (int k = 0; k < 9; ++k) {
        scatter(loop, birdCall(rng.range(1800.0f, 3400.0f), 2 + static_cast<int>(rng.next() % 4), rng),
                kLoopSeconds * k / 9.0 + rng.uniform(), 0.2f, rng.range(-0.8f, 0.8f));
    }
    for (int k = 0; k < 3; ++k) scatter(loop, frogCroak(rng.range(140.0f, 220.0f), rng), 2.0 + 5.0 * k, 0.15f, rng.range(-0.6f, 0.6f));
    applyReverb(loop, {0.7f, 0.5f, 0.3f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/jungle.ogg", loop, -24.0f);
}

void beach(Forge& forge) {
    AudioRng rng(seedFromName("beach"));
    Stereo loop = emptyLoop();
    oceanLoop(loop, rng, 0.5f);
    for (double at : {3.0, 3.5, 11.0}) scatter(loop, gullCry(rng), at, 0.1f, rng.range(-0.8f, 0.8f));
    applyReverb(loop, {0.5f, 0.6f, 0.15f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/beach.ogg", loop, -23.0f);
}

void cave(Forge& forge) {
    AudioRng rng(seedFromName("cave"));
    Stereo loop = emptyLoop();
    Mono draught = loopedNoise(loopFrames(), 180.0, 3.0, rng);
    const Mono swell = loopedSwell(loopFrames(), 2, 0.6f, 31);
    for (size_t i = 0; i < draught.size(); ++i) draught[i] *= swell[i];
    addBed(loop, draught, 0.25f);
    for (int k = 0; k < 11; ++k) {
        scatter(loop, drip(rng.range(900.0f, 2000.0f), rng), kLoopSeconds * k / 11.0 + rng.uniform() * 0.8, 0.35f,
                rng.range(-0.7f, 0.7f));
    }
    applyReverb(loop, {0.95f, 0.3f, 0.6f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/cave.ogg", loop, -26.0f);
}

void temple(Forge& forge) {
    AudioRng rng(seedFromName("temple"));
    Stereo loop = emptyLoop();
    // Wind singing through the stones: narrow bands that swell one after another.
    const double pipes[3] = {310.0, 465.0, 620.0};
    for (int p = 0; p < 3; ++p) {
        Mono tone = loopedNoise(loopFrames(), pipes[p], 14.0, rng);
        const Mono swell = loopedSwell(loopFrames(), 1 + p, 1.0f, 41 + static_cast<uint32_t>(p));
        for (size_t i = 0; i < tone.size(); ++i) tone[i] *= swell[i] * swell[i];
        addBed(loop, tone, 0.1f);
    }
    addBed(loop, loopedNoise(loopFrames(), 300.0, 0.0, rng), 0.3f);
    Tone chime;
    chime.hz = midiToHz(81);
    chime.velocity = 0.5f;
    scatter(loop, bell(chime), 6.0, 0.08f, -0.4f);
    applyReverb(loop, {0.9f, 0.4f, 0.45f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/temple.ogg", loop, -25.0f);
}

void river(Forge& forge) {
    AudioRng rng(seedFromName("river"));
    Stereo loop = emptyLoop();
    addBed(loop, loopedNoise(loopFrames(), 900.0, 0.8, rng), 0.5f);
    addBed(loop, loopedNoise(loopFrames(), 250.0, 0.0, rng), 0.4f);
    for (int k = 0; k < 120; ++k) {
        scatter(loop, drip(rng.range(500.0f, 1500.0f), rng), rng.uniform() * kLoopSeconds, rng.range(0.05f, 0.15f),
                rng.range(-0.8f, 0.8f));
    }
    writeLoop(forge, "sounds/env_named/river.ogg", loop, -22.0f);
}

void rain(Forge& forge) {
    AudioRng rng(seedFromName("rain"));
    Stereo loop = emptyLoop();
    addBed(loop, loopedNoise(loopFrames(), 4500.0, 0.6, rng), 0.3f);
    addBed(loop, loopedNoise(loopFrames(), 600.0, 0.0, rng), 0.3f);
    Mono drops = crackle(kLoopSeconds, 900, rng);
    addBed(loop, drops, 0.08f);
    writeLoop(forge, "sounds/env_named/rain.ogg", loop, -22.0f);
}

void campfire(Forge& forge) {
    AudioRng rng(seedFromName("campfire"));
    Stereo loop = emptyLoop();
    Mono roar = loopedNoise(loopFrames(), 300.0, 0.0, rng);
    const Mono flicker = loopedSwell(loopFrames(), 7, 0.6f, 51);
    for (size_t i = 0; i < roar.size(); ++i) roar[i] *= flicker[i];
    addBed(loop, roar, 0.4f);
    Mono pops = crackle(kLoopSeconds, 140, rng);
    addBed(loop, pops, 0.1f);
    for (int k = 0; k < 8; ++k) scatter(loop, cricketChirp(4300.0), 1.0 + 2.0 * k, 0.05f, 0.6f);
    writeLoop(forge, "sounds/env_named/campfire.ogg", loop, -23.0f);
}

void night(Forge& forge) {
    AudioRng rng(seedFromName("night"));
    Stereo loop = emptyLoop();
    addBed(loop, loopedNoise(loopFrames(), 400.0, 0.0, rng), 0.15f);
    for (int k = 0; k < 48; ++k) {
        scatter(loop, cricketChirp(k % 3 == 0 ? 4700.0 : 4200.0), kLoopSeconds * k / 48.0 + rng.uniform() * 0.1,
                rng.range(0.1f, 0.2f), k % 3 == 0 ? 0.5f : -0.4f);
    }
    for (int k = 0; k < 6; ++k) {
        scatter(loop, frogCroak(rng.range(120.0f, 180.0f), rng), rng.uniform() * kLoopSeconds, 0.2f, rng.range(-0.7f, 0.7f));
    }
    applyReverb(loop, {0.7f, 0.5f, 0.3f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/night.ogg", loop, -25.0f);
}

}  // namespace

FORGE_STEP(audio_named_env) {
    jungle(forge);
    beach(forge);
    cave(forge);
    temple(forge);
    river(forge);
    rain(forge);
    campfire(forge);
    night(forge);
}
