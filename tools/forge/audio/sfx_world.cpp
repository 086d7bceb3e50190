// Effects of the menus, camp, map, field guide and inventory, and the two end-of-level jingles.
#include <cmath>

#include "game/assets/sound_paths.h"
#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/output.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/score.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

// Hovering is frequent: a tiny, high bamboo tick.
void mouseover(Forge& forge) {
    AudioRng rng(seedFromName("mouseover"));
    Stereo mix;
    put(mix, click(2400.0, 0.005, rng), 0.0, 0.6f);
    writeEffect(forge, storedSoundPath(sounds::kMouseOver), mix, -16.0f, 0.06);
}

void buttonClick(Forge& forge) {
    AudioRng rng(seedFromName("button_click"));
    Stereo mix;
    Mono knock;
    addPartials(knock, 1150.0, {{1.0, 1.0f, 0.02}, {2.7, 0.3f, 0.008}}, 0.1, 0.0005);
    put(mix, knock, 0.0, 0.7f);
    put(mix, click(3200.0, 0.003, rng), 0.0, 0.4f);
    put(mix, thud(220.0, 0.02), 0.0, 0.4f);
    writeEffect(forge, storedSoundPath(sounds::kButtonClick), mix, -7.0f, 0.1);
}

// Hammer blows on timber and nails, then a saw.
void construction(Forge& forge) {
    AudioRng rng(seedFromName("construction"));
    Stereo mix;
    constexpr double kBlows[4] = {0.0, 0.27, 0.54, 0.86};
    for (int k = 0; k < 4; ++k) {
        const float pan = k % 2 == 0 ? -0.2f : 0.15f;
        put(mix, thud(120.0 + 10.0 * k, 0.05), kBlows[k], 0.8f, pan);
        put(mix, crack(900.0 + 60.0 * k, 0.025, 1, rng), kBlows[k], 0.5f, pan);
        Mono nail;
        addPartials(nail, 2350.0 + 90.0 * k, {{1.0, 1.0f, 0.12}, {2.6, 0.4f, 0.05}}, 0.5, 0.0005);
        put(mix, nail, kBlows[k], 0.12f, pan);
    }
    // Four strokes of a saw: noise shaped by the strokes' push and pull.
    Mono saw = whoosh(0.5, 1800.0, 3200.0, 2200.0, 1.2, 0.5, rng);
    for (size_t i = 0; i < saw.size(); ++i) saw[i] *= 0.55f + 0.45f * sineTurns(8.0 * i / kSampleRate);
    put(mix, saw, 1.0, 0.7f, 0.3f);
    addRoom(mix, 0.15f, 0.4f, 0.3);
    writeEffect(forge, storedSoundPath(sounds::kConstruction), mix, -3.0f, 1.5);
}

void buildingDone(Forge& forge) {
    AudioRng rng(seedFromName("building_done"));
    Stereo mix;
    constexpr int kCall[3] = {67, 72, 76};  // G4 C5 E5 in a quick triplet
    for (int k = 0; k < 3; ++k) put(mix, note(Voice::SteelDrum, kCall[k], 0.85f), 0.1 * k, 0.55f, -0.2f + 0.2f * k);
    for (int n : {72, 76, 79, 84}) put(mix, note(Voice::SteelDrum, n, 0.95f), 0.32, 0.35f);
    for (int n : {60, 67}) put(mix, note(Voice::Marimba, n, 0.9f), 0.32, 0.4f);
    put(mix, note(Voice::Bell, 84, 0.7f), 0.32, 0.25f, 0.2f);
    put(mix, note(Voice::Bass, 48, 0.9f, 0.8), 0.32, 0.5f);
    put(mix, triangleHit(0.7f), 0.32, 0.2f, 0.4f);
    sparkle(mix, 0.35, 0.7, 6, 3000.0, 8000.0, 0.12f, rng);
    addRoom(mix, 0.25f, 0.6f, 0.7);
    writeEffect(forge, storedSoundPath(sounds::kBuildingDone), mix, -2.0f, 1.5);
}

// Land rising from the sea: a deep swell, water running off, and a rising harp.
void landmassAppears(Forge& forge) {
    AudioRng rng(seedFromName("landmass_appears"));
    Stereo mix;
    put(mix, rumble(110.0, 1.5, 0.5, 0.5, rng), 0.0, 1.0f);
    putMoving(mix, whoosh(1.2, 500.0, 2200.0, 900.0, 0.9, 0.35, rng), 0.1, 0.6f, -0.5f, 0.5f);
    constexpr int kHarp[8] = {60, 62, 64, 67, 69, 72, 74, 76};
    for (int k = 0; k < 8; ++k) {
        put(mix, note(Voice::Pluck, kHarp[k], 0.7f, 1.0, static_cast<uint32_t>(k + 3)), 0.2 + 0.05 * k, 0.3f,
            -0.5f + 0.13f * k);
    }
    addRoom(mix, 0.3f, 0.7f, 0.7);
    writeEffect(forge, storedSoundPath(sounds::kLandmassAppears), mix, -3.0f, 1.5);
}

// Map markers pop like a cork: up on the way in, down on the way out.
void placemarkerPops(Forge& forge) {
    for (bool in : {true, false}) {
        AudioRng rng(seedFromName(in ? "placemarker_popin" : "placemarker_popout"));
        Stereo mix;
        Mono pop = in ? glideSine(300.0, 1250.0, 0.05, 0.14) : glideSine(1200.0, 320.0, 0.07, 0.16);
        applyDecay(pop, 0.002, in ? 0.05 : 0.06);
        put(mix, pop, 0.0, 0.8f);
        put(mix, click(in ? 1800.0 : 900.0, 0.003, rng), 0.0, 0.3f);
        writeEffect(forge, in ? storedSoundPath(sounds::kPlacemarkerPopin) : storedSoundPath(sounds::kPlacemarkerPopout), mix, -8.0f,
                    0.18);
    }
}

void iconAppears(Forge& forge) {
    AudioRng rng(seedFromName("icon_appears"));
    Stereo mix;
    for (int k = 0; k < 7; ++k) {
        put(mix, note(Voice::Glass, 84 + 2 * k + (k > 3 ? 1 : 0), 0.7f), 0.07 * k, 0.4f, -0.4f + 0.13f * k);
    }
    put(mix, whoosh(0.6, 3000.0, 8000.0, 9000.0, 2.5, 0.8, rng), 0.0, 0.3f);
    addRoom(mix, 0.3f, 0.6f, 0.5);
    writeEffect(forge, storedSoundPath(sounds::kIconAppears), mix, -6.0f, 0.9);
}

// A discovery: a bright call answered by a chord with a bell on top and a swell beneath.
void newDiscovery(Forge& forge) {
    AudioRng rng(seedFromName("new_discovery"));
    Stereo mix;
    constexpr int kCall[4] = {67, 72, 76, 79};
    for (int k = 0; k < 4; ++k) put(mix, note(Voice::SteelDrum, kCall[k], 0.85f), 0.08 * k, 0.5f, -0.3f + 0.2f * k);
    for (int n : {72, 76, 79, 83, 86}) put(mix, note(Voice::Vibes, n, 0.8f), 0.36, 0.22f);
    put(mix, note(Voice::Bell, 91, 0.7f), 0.36, 0.3f, 0.25f);
    put(mix, note(Voice::Pad, 60, 0.6f, 1.0), 0.1, 0.35f);
    put(mix, note(Voice::Pad, 67, 0.6f, 1.0), 0.1, 0.3f, 0.3f);
    sparkle(mix, 0.4, 0.8, 10, 3500.0, 8500.0, 0.12f, rng);
    addRoom(mix, 0.3f, 0.65f, 0.8);
    writeEffect(forge, storedSoundPath(sounds::kNewDiscovery), mix, -2.0f, 1.5);
}

void take(Forge& forge) {
    AudioRng rng(seedFromName("take"));
    Stereo mix;
    Mono bloop = glideSine(380.0, 950.0, 0.07, 0.2);
    applyDecay(bloop, 0.003, 0.07);
    put(mix, bloop, 0.0, 0.7f);
    put(mix, whoosh(0.2, 1500.0, 4000.0, 5000.0, 1.5, 0.5, rng), 0.0, 0.3f);
    sparkle(mix, 0.06, 0.15, 2, 4000.0, 7000.0, 0.2f, rng);
    addRoom(mix, 0.15f, 0.4f, 0.3);
    writeEffect(forge, storedSoundPath(sounds::kTake), mix, -6.0f, 0.4);
}

// Two things become one: a sweep drawing them together and a chord that settles.
void combine(Forge& forge) {
    AudioRng rng(seedFromName("combine"));
    Stereo mix;
    putMoving(mix, whoosh(0.4, 500.0, 4000.0, 4500.0, 2.0, 0.85, rng), 0.0, 0.6f, -0.6f, 0.0f);
    for (int n : {79, 84, 88}) put(mix, note(Voice::Glass, n, 0.8f), 0.35, 0.35f);
    put(mix, note(Voice::Glass, 91, 0.7f), 0.47, 0.35f, 0.2f);
    put(mix, note(Voice::Bell, 72, 0.6f), 0.35, 0.25f);
    addRoom(mix, 0.3f, 0.6f, 0.6);
    writeEffect(forge, storedSoundPath(sounds::kCombine), mix, -4.0f, 0.95);
}

// These do not fit: two dull knocks, the second lower.
void cantCombine(Forge& forge) {
    Stereo mix;
    for (int k = 0; k < 2; ++k) {
        Mono knock;
        addPartials(knock, k == 0 ? 220.0 : 175.0, {{1.0, 1.0f, 0.08}, {2.0, 0.3f, 0.05}, {3.0, 0.25f, 0.03}}, 0.3,
                    0.002);
        lowpassInPlace(knock, 1200.0);
        put(mix, knock, 0.14 * k, 0.8f);
    }
    writeEffect(forge, storedSoundPath(sounds::kCantCombine), mix, -6.0f, 0.45);
}

void bookAndBell(Forge& forge) {
    for (bool guide : {false, true}) {
        // Paper: a rustle whose grain flutters, ending in a crisp flick.
        AudioRng rng(seedFromName(guide ? "open_guide" : "pageturn"));
        Stereo mix;
        const double start = guide ? 0.12 : 0.0;
        Mono rustle = whoosh(0.35, 1500.0, 4500.0, 3000.0, 0.8, 0.6, rng);
        for (float& s : rustle) s *= 0.4f + 0.6f * rng.uniform() * rng.uniform() * 2.0f;
        putMoving(mix, rustle, start, 0.8f, -0.3f, 0.3f);
        put(mix, click(5000.0, 0.004, rng), start + 0.3, 0.3f, 0.3f);
        if (guide) {
            // The cover of the field guide opening on the desk.
            put(mix, thud(95.0, 0.05), 0.0, 0.9f);
            put(mix, rumble(350.0, 0.2, 0.002, 0.04, rng), 0.0, 0.5f);
            put(mix, whoosh(0.3, 600.0, 2000.0, 1200.0, 0.8, 0.5, rng), 0.4, 0.3f, -0.2f);
        }
        writeEffect(forge, guide ? storedSoundPath(sounds::kOpenGuide) : storedSoundPath(sounds::kPageTurn), mix, guide ? -5.0f : -8.0f,
                    guide ? 0.8 : 0.5);
    }
    Stereo bellMix;
    put(bellMix, note(Voice::Bell, 81, 0.9f), 0.0, 1.0f);
    addRoom(bellMix, 0.2f, 0.6f, 0.6);
    writeEffect(forge, storedSoundPath(sounds::kTestBell), bellMix, -3.0f, 1.5);
}

Song endJingle(bool won) {
    Song s;
    s.loop = false;
    s.name = won ? "good_end" : "bad_end";
    s.seed = seedFromName(won ? "good_end" : "bad_end");
    s.key = {0, Mode::Major};
    s.reverb = {0.6f, 0.5f, 0.3f, 1.0f};
    if (won) {
        s.bpm = 132.0;
        s.chords = "C F | G7 C";
        s.layers = {
            {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = "5 3 5 1' - 6 1' 6 | 7 - 2' 7 1' - - -",
             .octave = 4, .gain = 0.6f, .send = 0.3f},
            {.kind = LayerKind::Arp, .voice = Voice::Marimba, .pattern = "0 1 2 1 0 1 2 1 | 0 1 2 1 0 1 2 3'",
             .octave = 4, .gain = 0.3f, .pan = -0.35f, .send = 0.2f},
            {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R . 5 . R . 5 . | R . 5 . R - - -",
             .octave = 2, .gain = 0.45f},
            {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "x o x o x o x o | x o x o X . . .",
             .gain = 0.25f, .pan = 0.3f},
            {.kind = LayerKind::Drum, .voice = Voice::Triangle, .pattern = ". . . . . . . . | . . . . X . . .",
             .gain = 0.3f, .pan = 0.4f, .send = 0.3f},
        };
    } else {
        // A gentle "never mind": the major chord softened to minor before coming home.
        s.bpm = 104.0;
        s.chords = "F Fm | C";
        s.layers = {
            {.kind = LayerKind::Melody, .voice = Voice::Vibes, .pattern = "6 - 5 - b6 - 5 - | 3 - - - . . . .",
             .octave = 4, .gain = 0.6f, .send = 0.35f},
            {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.3f, .send = 0.4f},
            {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - - - R - - - | R - - - . . . .",
             .octave = 2, .gain = 0.4f},
            {.kind = LayerKind::Arp, .voice = Voice::Kalimba, .pattern = "0 1 2 1 0 1 2 1 | 0 2 1' . . . . .",
             .octave = 4, .gain = 0.25f, .pan = 0.3f, .send = 0.3f},
        };
    }
    return s;
}

void jingles(Forge& forge) {
    for (bool won : {true, false}) {
        const Song song = endJingle(won);
        Stereo mix;
        std::string error;
        if (!renderSong(song, mix, error)) return forge.fail("jingle " + song.name + ": " + error);
        writeEffect(forge, "sounds/music/" + song.name + ".ogg", mix, -2.0f, 5.0);
    }
}

}  // namespace

FORGE_STEP(audio_sfx_world) {
    beginSheet();
    mouseover(forge);
    buttonClick(forge);
    construction(forge);
    buildingDone(forge);
    landmassAppears(forge);
    placemarkerPops(forge);
    iconAppears(forge);
    newDiscovery(forge);
    take(forge);
    combine(forge);
    cantCombine(forge);
    bookAndBell(forge);
    jingles(forge);
    publishSheet(forge, "audio_sfx_world");
}
