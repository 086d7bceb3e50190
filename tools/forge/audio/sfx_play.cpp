// Effects of the play screen around the board: the reveal, the wind bonus and its coins, combos,
// the timer, the level's start and win, and the hint and skip buttons of the scenes.
#include <cmath>

#include "game/assets/sound_paths.h"
#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/output.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/audio/sfx_kit.h"
#include "tools/forge/core/forge.h"

namespace {

void boardReveal(Forge& forge) {
    AudioRng rng(seedFromName("board_reveal"));
    Stereo mix;
    putMoving(mix, whoosh(1.0, 250.0, 2200.0, 600.0, 1.6, 0.45, rng), 0.0, 1.0f, -0.6f, 0.6f);
    constexpr int kRise[6] = {72, 76, 79, 84, 88, 91};  // C major rising into the light
    for (int k = 0; k < 6; ++k) {
        put(mix, note(Voice::Vibes, kRise[k], 0.7f), 0.25 + 0.07 * k, 0.3f, -0.5f + 0.2f * k);
        put(mix, note(Voice::Glass, kRise[k] + 12, 0.5f), 0.25 + 0.07 * k, 0.2f, -0.5f + 0.2f * k);
    }
    sparkle(mix, 0.6, 0.6, 8, 3000.0, 8000.0, 0.15f, rng);
    addRoom(mix, 0.3f, 0.6f, 0.8);
    writeEffect(forge, storedSoundPath(sounds::kBoardReveal), mix, -4.0f, 1.5);
}

// Pieces flung off the board: a quick falling swish.
void dismiss(Forge& forge) {
    AudioRng rng(seedFromName("dismiss"));
    Stereo mix;
    putMoving(mix, whoosh(0.28, 1800.0, 3500.0, 700.0, 1.8, 0.25, rng), 0.0, 1.0f, 0.3f, -0.3f);
    writeEffect(forge, storedSoundPath(sounds::kDismiss), mix, -10.0f, 0.3);
}

// The wind god's gust sweeps across the board with a whistling edge and a low push of air.
void windBonus(Forge& forge) {
    AudioRng rng(seedFromName("windbonus"));
    Stereo mix;
    putMoving(mix, whoosh(1.5, 300.0, 1400.0, 400.0, 1.2, 0.4, rng), 0.0, 1.0f, -0.8f, 0.8f);
    putMoving(mix, whoosh(1.4, 700.0, 2600.0, 900.0, 9.0, 0.45, rng), 0.05, 0.5f, -0.6f, 0.7f);
    put(mix, rumble(180.0, 1.5, 0.35, 0.5, rng), 0.0, 0.6f);
    writeEffect(forge, storedSoundPath(sounds::kWindBonus), mix, -3.0f, 1.5);
}

// A coin of the wind god: two bright metallic notes, the second a fourth higher.
void collectedDisc(Forge& forge) {
    AudioRng rng(seedFromName("collected_disc"));
    Stereo mix;
    const std::vector<Partial> metal = {{1.0, 1.0f, 0.35}, {2.0, 0.3f, 0.2}, {3.0, 0.15f, 0.1}, {4.18, 0.12f, 0.06}};
    Mono first;
    addPartials(first, midiToHz(95), metal, 0.12, 0.001);  // B6, damped by the second
    Mono second;
    addPartials(second, midiToHz(100), metal, 0.8, 0.001);  // E7
    applyFades(first, 0.0, 0.02);
    put(mix, first, 0.0, 0.7f, -0.1f);
    put(mix, second, 0.075, 0.7f, 0.1f);
    sparkle(mix, 0.1, 0.3, 4, 4000.0, 8000.0, 0.12f, rng);
    addRoom(mix, 0.2f, 0.4f, 0.4);
    writeEffect(forge, storedSoundPath(sounds::kCollectedDisc), mix, -5.0f, 0.8);
}

void arpeggio(Stereo& mix, Voice voice, const std::vector<int>& notes, double start, double gap, float gain) {
    for (size_t k = 0; k < notes.size(); ++k) {
        put(mix, note(voice, notes[k], 0.85f, 0.6, static_cast<uint32_t>(k + 1)), start + gap * k, gain,
            -0.3f + 0.6f * k / notes.size());
    }
}

void combos(Forge& forge) {
    {
        Stereo mix;
        arpeggio(mix, Voice::SteelDrum, {72, 76, 79, 84}, 0.0, 0.08, 0.6f);
        arpeggio(mix, Voice::Marimba, {60, 64, 67, 72}, 0.0, 0.08, 0.35f);
        put(mix, shaker(0.8f, 3), 0.0, 0.3f, 0.3f);
        put(mix, shaker(0.6f, 4), 0.16, 0.3f, 0.3f);
        addRoom(mix, 0.2f, 0.5f, 0.6);
        writeEffect(forge, storedSoundPath(sounds::kGoodCombo), mix, -3.0f, 1.1);
    }
    {
        AudioRng rng(seedFromName("greatcombo"));
        Stereo mix;
        arpeggio(mix, Voice::SteelDrum, {72, 76, 79, 84, 88, 91}, 0.0, 0.06, 0.55f);
        for (int n : {72, 76, 79, 84}) put(mix, note(Voice::SteelDrum, n, 0.9f), 0.42, 0.35f);
        for (int n : {48, 60}) put(mix, note(Voice::Marimba, n, 0.9f), 0.42, 0.4f);
        put(mix, triangleHit(0.8f), 0.42, 0.25f, 0.4f);
        sparkle(mix, 0.45, 0.6, 8, 3500.0, 8000.0, 0.15f, rng);
        addRoom(mix, 0.25f, 0.55f, 0.7);
        writeEffect(forge, storedSoundPath(sounds::kGreatCombo), mix, -2.0f, 1.5);
    }
}

// The timer's warning: the tick of a clock and a short round beep.
void timerWarning(Forge& forge) {
    AudioRng rng(seedFromName("timer_warning"));
    Stereo mix;
    put(mix, click(2600.0, 0.004, rng), 0.0, 0.5f);
    Mono beep;
    addPartials(beep, 1318.5, {{1.0, 1.0f, 10.0}, {3.0, 0.12f, 10.0}}, 0.16, 0.004);
    applyFades(beep, 0.004, 0.03);
    put(mix, beep, 0.01, 0.8f);
    writeEffect(forge, storedSoundPath(sounds::kTimerWarning), mix, -12.0f, 0.25);
}

// Points counting up: a quick run of ticks, rising a little as the sum grows.
void scoreCounting(Forge& forge) {
    AudioRng rng(seedFromName("score_counting"));
    Stereo mix;
    constexpr int kTicks = 24;
    constexpr double kGap = 0.055;
    for (int k = 0; k < kTicks; ++k) {
        const double hz = 1900.0 * std::pow(2.0, 4.0 * k / (12.0 * kTicks));
        const float fade = k > kTicks - 5 ? 0.5f + 0.1f * (kTicks - k) : 1.0f;
        put(mix, click(hz, 0.006, rng), kGap * k, 0.6f * fade, k % 2 == 0 ? -0.15f : 0.15f);
    }
    writeEffect(forge, storedSoundPath(sounds::kScoreCounting), mix, -8.0f, 1.4);
}

void levelStartAndWin(Forge& forge) {
    {
        // The board is ready: a marimba run up to a bright steel-drum chord.
        Stereo mix;
        arpeggio(mix, Voice::Marimba, {67, 72, 76, 79}, 0.0, 0.09, 0.5f);
        for (int n : {72, 76, 79}) put(mix, note(Voice::SteelDrum, n, 0.9f), 0.36, 0.4f);
        put(mix, kick(0.8f), 0.36, 0.5f);
        put(mix, shaker(0.8f, 9), 0.18, 0.3f, 0.3f);
        put(mix, shaker(0.9f, 10), 0.36, 0.3f, 0.3f);
        addRoom(mix, 0.2f, 0.5f, 0.6);
        writeEffect(forge, storedSoundPath(sounds::kLevelStart), mix, -3.0f, 1.4);
    }
    {
        AudioRng rng(seedFromName("level_win"));
        Stereo mix;
        arpeggio(mix, Voice::Bell, {84, 88, 91, 96}, 0.0, 0.1, 0.45f);
        for (int n : {72, 76, 79, 84}) put(mix, note(Voice::SteelDrum, n, 0.9f), 0.3, 0.3f);
        put(mix, triangleHit(0.9f), 0.3, 0.25f, 0.3f);
        sparkle(mix, 0.3, 0.8, 8, 3000.0, 8000.0, 0.12f, rng);
        addRoom(mix, 0.3f, 0.6f, 0.8);
        writeEffect(forge, storedSoundPath(sounds::kLevelWin), mix, -3.0f, 1.5);
    }
}

void hintAndSkip(Forge& forge) {
    {
        // A hint is ready: a soft twinkle, asking to be noticed without startling.
        AudioRng rng(seedFromName("hint_enabled"));
        Stereo mix;
        put(mix, note(Voice::Glass, 88, 0.7f), 0.0, 0.6f, -0.2f);
        put(mix, note(Voice::Glass, 95, 0.7f), 0.09, 0.5f, 0.2f);
        sparkle(mix, 0.1, 0.3, 4, 5000.0, 9000.0, 0.1f, rng);
        addRoom(mix, 0.35f, 0.6f, 0.6);
        writeEffect(forge, storedSoundPath(sounds::kHintEnabled), mix, -8.0f, 0.7);
    }
    {
        AudioRng rng(seedFromName("skip_enabled"));
        Stereo mix;
        putMoving(mix, whoosh(0.35, 2000.0, 6000.0, 7000.0, 4.0, 0.7, rng), 0.0, 0.4f, 0.4f, -0.4f);
        put(mix, note(Voice::Kalimba, 79, 0.8f), 0.05, 0.5f, -0.15f);
        put(mix, note(Voice::Kalimba, 86, 0.8f), 0.15, 0.5f, 0.15f);
        addRoom(mix, 0.3f, 0.5f, 0.5);
        writeEffect(forge, storedSoundPath(sounds::kSkipEnabled), mix, -8.0f, 0.65);
    }
}

}  // namespace

FORGE_STEP(audio_sfx_play) {
    beginSheet();
    boardReveal(forge);
    dismiss(forge);
    windBonus(forge);
    collectedDisc(forge);
    combos(forge);
    timerWarning(forge);
    scoreCounting(forge);
    levelStartAndWin(forge);
    hintAndSkip(forge);
    publishSheet(forge, "audio_sfx_play");
}
