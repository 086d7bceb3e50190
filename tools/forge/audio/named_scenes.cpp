// The named sounds the two adventure scenes need beyond the common set: the God of Air's breath
// out of his cave (sounds/sfx_named/wind_gust.ogg) and the wrecked cabin's ambience, surf against
// the broken hull and its timbers creaking (sounds/env_named/wreck.ogg).
#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/nature.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

constexpr double kLoopSeconds = 16.0;

// A deep breath of air out of the mountain: a hollow roar that swells and sighs away, with a
// whistle along its edge, as if blown across the mouth of a cave.
void windGust(Forge& forge) {
    AudioRng rng(seedFromName("wind_gust"));
    Stereo mix;
    putMoving(mix, whoosh(2.2, 160.0, 700.0, 220.0, 0.9, 0.35, rng), 0.0, 1.0f, -0.4f, 0.6f);
    putMoving(mix, whoosh(2.0, 600.0, 1500.0, 500.0, 10.0, 0.4, rng), 0.1, 0.35f, -0.2f, 0.8f);
    put(mix, rumble(110.0, 2.2, 0.5, 1.2, rng), 0.0, 0.7f);
    addRoom(mix, 0.35f, 0.85f, 0.9);
    writeEffect(forge, "sounds/sfx_named/wind_gust.ogg", mix, -3.0f, 3.0);
}

// Inside the wreck: the sea sloshing in through the hole, timbers groaning as the hull shifts,
// drips from the deck above and a gull outside.
void wreck(Forge& forge) {
    AudioRng rng(seedFromName("wreck"));
    Stereo loop(static_cast<size_t>(framesFor(kLoopSeconds)));
    const long frames = framesFor(kLoopSeconds);
    oceanLoop(loop, rng, 0.35f);
    Mono slosh = loopedNoise(frames, 350.0, 0.0, rng);
    const Mono swell = loopedSwell(frames, 4, 0.9f, 61);
    for (size_t i = 0; i < slosh.size(); ++i) slosh[i] *= swell[i];
    addBed(loop, slosh, 0.18f);
    for (double at : {1.5, 6.8, 11.9}) {
        loop.addWrapped(creak(rng.range(0.8f, 1.4f), rng.range(160.0f, 260.0f), rng), framesFor(at), 0.35f,
                        rng.range(-0.6f, 0.6f));
    }
    for (int k = 0; k < 9; ++k) {
        loop.addWrapped(drip(rng.range(1100.0f, 1900.0f), rng), framesFor(kLoopSeconds * k / 9.0 + rng.uniform()), 0.2f,
                        rng.range(-0.5f, 0.5f));
    }
    loop.addWrapped(gullCry(rng), framesFor(9.4), 0.06f, 0.7f);
    applyReverb(loop, {0.6f, 0.45f, 0.35f, 1.0f}, true);
    writeLoop(forge, "sounds/env_named/wreck.ogg", loop, -24.0f);
}

}  // namespace

FORGE_STEP(audio_named_scenes) {
    windGust(forge);
    wreck(forge);
}
