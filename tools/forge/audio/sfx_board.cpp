// Effects of the match-3 board: pieces landing, matching and vanishing, locks breaking, crystals
// appearing and exploding.
#include <cmath>

#include "game/assets/sound_paths.h"
#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/output.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

// Pieces land many times a second: soft, short and a little different each time.
void landingClicks(Forge& forge) {
    constexpr double kBodyHz[3] = {720.0, 850.0, 980.0};
    for (int i = 0; i < 3; ++i) {
        AudioRng rng(seedFromName("landing_click") + static_cast<uint32_t>(i));
        Stereo mix;
        Mono knock;
        addPartials(knock, kBodyHz[i], {{1.0, 1.0f, 0.016}, {2.31, 0.35f, 0.008}}, 0.12, 0.0005);
        put(mix, knock, 0.0, 0.8f);
        put(mix, click(kBodyHz[i] * 2.4, 0.004, rng), 0.0, 0.4f);
        put(mix, thud(150.0 + 20.0 * i, 0.025), 0.0, 0.6f);
        writeEffect(forge, storedSoundPath(sounds::kLandingClicks[i]), mix, -9.0f, 0.15);
    }
}

// The chime of a match climbs one step of a major pentatonic scale with each cascade.
void matchChimes(Forge& forge) {
    constexpr int kRoots[4] = {79, 81, 84, 86};  // G5 A5 C6 D6
    for (int i = 0; i < 4; ++i) {
        AudioRng rng(seedFromName("pieces_match") + static_cast<uint32_t>(i));
        Stereo mix;
        const int root = kRoots[i];
        put(mix, note(Voice::Glass, root, 0.9f), 0.0, 0.8f, -0.15f);
        put(mix, note(Voice::SteelDrum, root - 12, 0.7f), 0.0, 0.35f);
        put(mix, note(Voice::Glass, root + 7, 0.7f), 0.06, 0.6f, 0.15f);
        put(mix, note(Voice::Glass, root + 12, 0.6f), 0.12, 0.45f, 0.25f);
        sparkle(mix, 0.05, 0.25, 3 + i, 3000.0, 7000.0, 0.12f, rng);
        addRoom(mix, 0.25f, 0.5f, 0.5);
        writeEffect(forge, storedSoundPath(sounds::kPiecesMatch[i]), mix, -6.0f, 0.8);
    }
}

void vanishing(Forge& forge) {
    {
        AudioRng rng(seedFromName("pieces_vanish"));
        Stereo mix;
        sparkle(mix, 0.0, 0.28, 8, 2500.0, 6500.0, 0.5f, rng);
        put(mix, whoosh(0.3, 2500.0, 6000.0, 9000.0, 1.2, 0.3, rng), 0.0, 0.6f);
        addRoom(mix, 0.2f, 0.4f, 0.4);
        writeEffect(forge, storedSoundPath(sounds::kPiecesVanish), mix, -10.0f, 0.5);
    }
    {
        // The colour under a piece washes away: a soft rising wash under a trembling glass chord.
        AudioRng rng(seedFromName("colors_vanish"));
        Stereo mix;
        putMoving(mix, whoosh(0.55, 900.0, 4500.0, 7000.0, 1.4, 0.45, rng), 0.0, 0.9f, -0.4f, 0.4f);
        constexpr int kChord[4] = {84, 88, 91, 95};  // C6 E6 G6 B6
        for (int k = 0; k < 4; ++k) {
            Mono tone = note(Voice::Glass, kChord[k], 0.6f);
            for (size_t j = 0; j < tone.size(); ++j) tone[j] *= 0.7f + 0.3f * sineTurns(11.0 * j / kSampleRate);
            put(mix, tone, 0.04 * k, 0.35f, -0.3f + 0.2f * k);
        }
        addRoom(mix, 0.3f, 0.5f, 0.6);
        writeEffect(forge, storedSoundPath(sounds::kColorsVanish), mix, -9.0f, 0.8);
    }
}

void locks(Forge& forge) {
    {
        // A wooden lock splits.
        AudioRng rng(seedFromName("break_single_lock"));
        Stereo mix;
        put(mix, crack(520.0, 0.06, 6, rng), 0.0, 0.9f, -0.1f);
        put(mix, thud(130.0, 0.05), 0.0, 0.6f);
        put(mix, crack(780.0, 0.03, 3, rng), 0.07, 0.4f, 0.2f);
        addRoom(mix, 0.12f, 0.3f, 0.3);
        writeEffect(forge, storedSoundPath(sounds::kBreakSingleLock), mix, -4.0f, 0.45);
    }
    {
        // A rope-bound lock loosens: a heavier crack, the rope snapping with a falling twang.
        AudioRng rng(seedFromName("break_double_lock"));
        Stereo mix;
        put(mix, crack(300.0, 0.1, 8, rng), 0.0, 1.0f, -0.1f);
        put(mix, thud(85.0, 0.09), 0.0, 0.9f);
        Mono twang = glideSine(420.0, 140.0, 0.18, 0.4);
        applyDecay(twang, 0.002, 0.12);
        put(mix, twang, 0.03, 0.35f, 0.25f);
        Tone rope;
        rope.hz = 165.0;
        rope.seconds = 0.4;
        rope.velocity = 0.8f;
        rope.seed = 5;
        put(mix, pluckedString(rope, 0.8, 0.1, 0.4), 0.03, 0.3f, 0.3f);
        put(mix, crack(460.0, 0.05, 4, rng), 0.12, 0.5f, -0.2f);
        addRoom(mix, 0.15f, 0.4f, 0.4);
        writeEffect(forge, storedSoundPath(sounds::kBreakDoubleLock), mix, -3.0f, 0.7);
    }
}

void explosion(Forge& forge, const char* path, double boomHz, double boomDecay, int pings, float peakDb) {
    AudioRng rng(seedFromName(soundName(path).c_str()));
    Stereo mix;
    Mono boom = glideSine(boomHz * 2.8, boomHz, boomDecay * 0.8, boomDecay * 6.0);
    applyDecay(boom, 0.002, boomDecay);
    put(mix, boom, 0.0, 1.0f);
    put(mix, rumble(boomHz * 8.0, boomDecay * 5.0, 0.003, boomDecay * 0.6, rng), 0.0, 0.8f);
    put(mix, crack(1800.0, 0.02, 4, rng), 0.0, 0.35f);
    sparkle(mix, 0.03, boomDecay * 2.0, pings, 1800.0, 7500.0, 0.4f, rng);
    constexpr int kShards[3] = {96, 100, 103};  // C7 E7 G7: the crystal ringing as it shatters
    for (int k = 0; k < 3; ++k) put(mix, note(Voice::Glass, kShards[k] - 12, 0.6f), 0.02 + 0.03 * k, 0.25f, -0.4f + 0.4f * k);
    addRoom(mix, 0.3f, 0.6f, 0.9);
    writeEffect(forge, storedSoundPath(path), mix, peakDb, boomDecay * 4.0);
}

// A crystal forms: quick rising glass notes over a rising shimmer of air.
void crystalAppears(Forge& forge, const char* path, const std::vector<int>& notes, double seconds, float peakDb) {
    AudioRng rng(seedFromName(soundName(path).c_str()));
    Stereo mix;
    putMoving(mix, whoosh(seconds, 1500.0, 7000.0, 9000.0, 3.0, 0.75, rng), 0.0, 0.5f, -0.3f, 0.3f);
    for (size_t k = 0; k < notes.size(); ++k) {
        put(mix, note(Voice::Glass, notes[k], 0.8f), 0.06 * k, 0.6f, -0.4f + 0.8f * k / notes.size());
        put(mix, note(Voice::Vibes, notes[k] - 12, 0.5f), 0.06 * k, 0.2f);
    }
    sparkle(mix, seconds * 0.4, seconds * 0.6, 5, 4000.0, 8000.0, 0.15f, rng);
    addRoom(mix, 0.35f, 0.6f, 0.7);
    writeEffect(forge, storedSoundPath(path), mix, peakDb, seconds + 0.5);
}

}  // namespace

FORGE_STEP(audio_sfx_board) {
    beginSheet();
    landingClicks(forge);
    matchChimes(forge);
    vanishing(forge);
    locks(forge);
    explosion(forge, sounds::kExplodeCrystal, 42.0, 0.38, 14, -2.0f);
    explosion(forge, sounds::kExplodeCrystalSmall, 70.0, 0.2, 6, -4.0f);
    crystalAppears(forge, sounds::kCrystalAppears, {84, 88, 91, 96, 100}, 0.6, -5.0f);
    crystalAppears(forge, sounds::kCrystalAppearsSmall, {91, 96, 100}, 0.35, -7.0f);
    publishSheet(forge, "audio_sfx_board");
}
