// Named effects for the adventure scenes' scripts (sounds/sfx_named, played as samples by file
// name): the noises of doors, chests, stone, water, fire, animals and magic a scene may need.
#include <cmath>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/nature.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

void write(Forge& forge, const char* name, Stereo mix, float peakDb, double maxSeconds) {
    writeEffect(forge, std::string("sounds/sfx_named/") + name + ".ogg", std::move(mix), peakDb, maxSeconds);
}

void splash(Forge& forge) {
    AudioRng rng(seedFromName("splash"));
    Stereo mix;
    put(mix, thud(110.0, 0.06), 0.0, 0.6f);
    put(mix, whoosh(0.7, 800.0, 3500.0, 1500.0, 0.7, 0.08, rng), 0.0, 1.0f, -0.1f);
    for (int k = 0; k < 10; ++k) {
        put(mix, drip(rng.range(700.0f, 1800.0f), rng), 0.1 + 0.06 * k + rng.uniform() * 0.1, 0.25f,
            rng.range(-0.6f, 0.6f));
    }
    addRoom(mix, 0.15f, 0.4f, 0.3);
    write(forge, "splash", mix, -3.0f, 1.2);
}

void dripSound(Forge& forge) {
    AudioRng rng(seedFromName("drip"));
    Stereo mix;
    put(mix, drip(1300.0, rng), 0.0, 1.0f);
    addRoom(mix, 0.4f, 0.8f, 0.8);
    write(forge, "drip", mix, -8.0f, 1.0);
}

void doorCreak(Forge& forge) {
    AudioRng rng(seedFromName("door_creak"));
    Stereo mix;
    put(mix, creak(1.3, 520.0, rng), 0.0, 1.0f);
    put(mix, thud(140.0, 0.05), 1.3, 0.5f);
    addRoom(mix, 0.2f, 0.5f, 0.4);
    write(forge, "door_creak", mix, -4.0f, 1.6);
}

// A chest: the latch, the lid's creak, the lid falling open against its hinges.
void chestOpen(Forge& forge) {
    AudioRng rng(seedFromName("chest_open"));
    Stereo mix;
    put(mix, click(1800.0, 0.006, rng), 0.0, 0.3f);
    put(mix, creak(0.7, 380.0, rng), 0.1, 0.8f);
    put(mix, thud(100.0, 0.06), 0.82, 0.8f);
    put(mix, crack(600.0, 0.02, 1, rng), 0.82, 0.3f);
    sparkle(mix, 0.8, 0.5, 5, 3000.0, 7000.0, 0.12f, rng);  // something glints inside
    addRoom(mix, 0.2f, 0.5f, 0.4);
    write(forge, "chest_open", mix, -4.0f, 1.5);
}

void rope(Forge& forge) {
    AudioRng rng(seedFromName("rope"));
    Stereo mix;
    put(mix, creak(0.8, 300.0, rng), 0.0, 0.8f);
    put(mix, whoosh(0.6, 1500.0, 3000.0, 2000.0, 1.0, 0.5, rng), 0.1, 0.3f);
    write(forge, "rope", mix, -6.0f, 1.0);
}

void clickSound(Forge& forge) {
    AudioRng rng(seedFromName("click"));
    Stereo mix;
    put(mix, click(1500.0, 0.005, rng), 0.0, 0.8f);
    put(mix, click(2600.0, 0.003, rng), 0.05, 0.5f);
    write(forge, "click", mix, -8.0f, 0.2);
}

// Stone grinding over stone.
void stoneSlide(Forge& forge) {
    AudioRng rng(seedFromName("stone_slide"));
    Stereo mix;
    Mono grind = whoosh(1.4, 300.0, 700.0, 250.0, 0.9, 0.3, rng);
    for (float& s : grind) s *= 0.5f + rng.uniform();
    put(mix, grind, 0.0, 1.0f);
    put(mix, rumble(120.0, 1.4, 0.2, 0.6, rng), 0.0, 0.8f);
    put(mix, thud(70.0, 0.1), 1.35, 0.8f);
    addRoom(mix, 0.2f, 0.6f, 0.5);
    write(forge, "stone_slide", mix, -3.0f, 1.5);
}

void thudSound(Forge& forge) {
    AudioRng rng(seedFromName("thud"));
    Stereo mix;
    put(mix, thud(80.0, 0.08), 0.0, 1.0f);
    put(mix, rumble(400.0, 0.3, 0.002, 0.05, rng), 0.0, 0.4f);
    write(forge, "thud", mix, -3.0f, 0.5);
}

void rumbleSound(Forge& forge) {
    AudioRng rng(seedFromName("rumble"));
    Stereo mix;
    put(mix, rumble(90.0, 1.5, 0.4, 0.6, rng), 0.0, 1.0f, -0.2f);
    put(mix, rumble(140.0, 1.5, 0.5, 0.5, rng), 0.05, 0.7f, 0.2f);
    write(forge, "rumble", mix, -3.0f, 1.5);
}

// A spade into sand and soil, twice.
void dig(Forge& forge) {
    AudioRng rng(seedFromName("dig"));
    Stereo mix;
    for (int k = 0; k < 2; ++k) {
        put(mix, whoosh(0.25, 1200.0, 2500.0, 800.0, 0.7, 0.15, rng), 0.45 * k, 0.8f);
        put(mix, thud(140.0, 0.03), 0.45 * k, 0.5f);
    }
    write(forge, "dig", mix, -5.0f, 0.9);
}

void rustle(Forge& forge) {
    AudioRng rng(seedFromName("rustle"));
    Stereo mix;
    Mono leaves = whoosh(0.9, 1500.0, 4000.0, 2500.0, 0.8, 0.4, rng);
    for (float& s : leaves) s *= rng.uniform() * rng.uniform() * 2.5f;
    putMoving(mix, leaves, 0.0, 1.0f, -0.4f, 0.3f);
    write(forge, "rustle", mix, -6.0f, 1.0);
}

void magic(Forge& forge) {
    AudioRng rng(seedFromName("magic"));
    Stereo mix;
    putMoving(mix, whoosh(1.0, 800.0, 5000.0, 7000.0, 2.0, 0.6, rng), 0.0, 0.5f, -0.5f, 0.5f);
    for (int k = 0; k < 6; ++k) put(mix, note(Voice::Glass, 84 + (k * 7) % 12 + 12 * (k / 3), 0.7f), 0.1 * k, 0.4f,
                                    -0.5f + 0.2f * k);
    sparkle(mix, 0.3, 0.8, 10, 3000.0, 8500.0, 0.15f, rng);
    addRoom(mix, 0.35f, 0.7f, 0.8);
    write(forge, "magic", mix, -4.0f, 1.5);
}

void gong(Forge& forge) {
    Stereo mix;
    Mono gong;
    addPartials(gong, 98.0, {{1.0, 1.0f, 2.5}, {1.52, 0.6f, 1.8}, {2.03, 0.5f, 1.5, 0.8}, {2.71, 0.35f, 1.0},
                              {3.4, 0.25f, 0.7}, {4.5, 0.15f, 0.4}, {5.9, 0.1f, 0.25}},
                4.0, 0.004);
    put(mix, gong, 0.0, 1.0f);
    addRoom(mix, 0.3f, 0.8f, 1.0);
    write(forge, "gong", mix, -2.0f, 4.0);
}

void chime(Forge& forge) {
    Stereo mix;
    put(mix, note(Voice::Glass, 93, 0.9f), 0.0, 0.8f, -0.1f);
    put(mix, note(Voice::Glass, 98, 0.7f), 0.04, 0.5f, 0.1f);
    write(forge, "chime", mix, -6.0f, 1.0);
}

// Wind chimes of shell and bamboo stirred by a breeze.
void windChime(Forge& forge) {
    AudioRng rng(seedFromName("wind_chime"));
    Stereo mix;
    constexpr int kTubes[5] = {81, 84, 86, 88, 91};
    for (int k = 0; k < 9; ++k) {
        put(mix, note(Voice::Glass, kTubes[rng.next() % 5] - 12, rng.range(0.4f, 0.9f)), 0.15 * k + rng.uniform() * 0.1,
            0.4f, rng.range(-0.7f, 0.7f));
    }
    addRoom(mix, 0.3f, 0.6f, 0.8);
    write(forge, "wind_chime", mix, -5.0f, 2.5);
}

void fire(Forge& forge) {
    AudioRng rng(seedFromName("fire"));
    Stereo mix;
    put(mix, whoosh(1.0, 200.0, 900.0, 300.0, 0.7, 0.2, rng), 0.0, 1.0f);
    put(mix, crackle(1.0, 25, rng), 0.05, 0.3f, 0.2f);
    write(forge, "fire", mix, -4.0f, 1.2);
}

void bird(Forge& forge) {
    AudioRng rng(seedFromName("bird"));
    Stereo mix;
    put(mix, birdCall(2600.0, 4, rng), 0.0, 0.7f, -0.3f);
    put(mix, birdCall(3100.0, 3, rng), 0.45, 0.5f, 0.3f);
    addRoom(mix, 0.25f, 0.5f, 0.5);
    write(forge, "bird", mix, -6.0f, 1.2);
}

// A parrot's squawk: a harsh, rasping call.
void parrot(Forge& forge) {
    AudioRng rng(seedFromName("parrot"));
    Stereo mix;
    for (int k = 0; k < 2; ++k) {
        Mono call = gullCry(rng);
        for (size_t i = 0; i < call.size(); ++i) call[i] *= 0.55f + 0.45f * sineTurns(70.0 * i / kSampleRate);
        Mono rasp = noise(static_cast<long>(call.size()), rng);
        Svf band(2200.0, 1.5);
        for (size_t i = 0; i < rasp.size(); ++i) call[i] += band.bandpass(rasp[i]) * std::fabs(call[i]) * 1.5f;
        put(mix, call, 0.35 * k, 0.8f);
    }
    addRoom(mix, 0.2f, 0.5f, 0.4);
    write(forge, "parrot", mix, -5.0f, 1.0);
}

}  // namespace

FORGE_STEP(audio_named) {
    beginSheet();
    splash(forge);
    dripSound(forge);
    doorCreak(forge);
    chestOpen(forge);
    rope(forge);
    clickSound(forge);
    stoneSlide(forge);
    thudSound(forge);
    rumbleSound(forge);
    dig(forge);
    rustle(forge);
    magic(forge);
    gong(forge);
    chime(forge);
    windChime(forge);
    fire(forge);
    bird(forge);
    parrot(forge);
    publishSheet(forge, "audio_named");
}
