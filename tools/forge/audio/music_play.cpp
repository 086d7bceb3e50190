// The five play loops, one per level in turn. All keep a steady pulse for concentration; the
// energy climbs from play1 (sparse, marimba ostinato) to play5 (full percussion, driving bass).
#include "tools/forge/audio/music.h"

#include "tools/forge/audio/rng.h"
#include "tools/forge/core/forge.h"

namespace {

std::string restBars(int bars) {
    std::string text;
    for (int i = 0; i < bars; ++i) text += ". . . . . . . . | ";
    return text;
}

}  // namespace

Song play1Song() {
    Song s;
    s.name = "play1";
    s.bpm = 104.0;
    s.key = {9, Mode::Minor};  // A minor
    s.seed = seedFromName("play1");
    s.chords = "Am7 | Am7 | Fmaj7 | G | Am7 | Am7 | Fmaj7 | G |"
               "Dm7 | Em7 | Fmaj7 | G | Dm7 | Em7 | Fmaj7 | Esus4 E |"
               "Am7 | Am7 | Fmaj7 | G | Am7 | Em7 | Fmaj7 | G";
    s.reverb = {0.6f, 0.5f, 0.25f, 1.0f};
    const std::string steel =
        "5 - - - 3 - 1 - | 3 - 4 - 5 - 7 - | 6 - - - 5 - 3 - | 4 - - 2 7, - - - |"
        "5 - - - 1' - 7 - | 5 - 4 - 3 - 4 - | 6 - - 5 3 - 1 - | 2 - - - 7, - 2 - |" +
        restBars(8) +
        "5 - - - 3 - 1 - | 3 - 4 - 5 - 7 - | 6 - - - 5 - 3 - | 4 - - 2 7, - - - |"
        "1' - 7 - 5 - 3 - | 5 - 4 - 2 - 5 - | 6 - 5 - 3 - 5 - | 4 - - - 2 - 7, - ";
    const std::string guitar =
        restBars(8) +
        "4 - 6 - 1' - 6 - | 5 - 7 - 2' - 7 - | 6 - 1' - 3' - 1' - | 7 - 2' - 4' - 2' - |"
        "4' - 3' - 1' - 6 - | 5' - 4' - 2' - 7 - | 3' - 1' - 6 - 1' - | 1' - - - #7 - - - |" + restBars(8);
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = steel, .octave = 4, .gain = 0.5f,
         .pan = 0.1f, .send = 0.3f, .echo = 0.2f},
        {.kind = LayerKind::Melody, .voice = Voice::Pluck, .pattern = guitar, .octave = 4, .gain = 0.45f,
         .pan = -0.15f, .send = 0.3f, .echo = 0.15f},
        {.kind = LayerKind::Arp, .voice = Voice::Marimba, .pattern = "0 2 1 2 3 2 1 2", .octave = 3, .gain = 0.4f,
         .pan = -0.35f, .send = 0.2f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - . R . R 5 . | R - . R 7 . 5 .",
         .octave = 2, .gain = 0.42f, .send = 0.05f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.14f, .send = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . . . x . . .", .gain = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "x o o x o o x o x o o x o o x o",
         .gain = 0.22f, .pan = 0.3f, .send = 0.1f, .steps = 16},
        {.kind = LayerKind::Drum, .voice = Voice::CongaHigh, .pattern = ". . x . . x . x", .gain = 0.35f,
         .pan = 0.25f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaLow, .pattern = "x . . . . . x . | x . . . . . o o",
         .gain = 0.35f, .pan = 0.15f, .send = 0.15f},
    };
    return s;
}

Song play2Song() {
    Song s;
    s.name = "play2";
    s.bpm = 110.0;
    s.swing = 0.54;
    s.key = {2, Mode::Major};  // D major
    s.seed = seedFromName("play2");
    s.chords = "D | A | Bm | G | D | A | G | A |"
               "G | D | A | Bm | G | D | Em7 A7 | D |"
               "D | C | G | D | D | C | G | A7";
    s.reverb = {0.55f, 0.5f, 0.22f, 1.0f};
    const std::string marimbaTune =
        "3 - 3 5 - 3 2 1 | 2 - 2 3 2 - 7, - | 6, - 1 - 3 - 5 - | 4 - 3 - 2 - 1 - |"
        "3 - 3 5 - 3 2 1 | 2 - 2 3 5 - 7 - | 1' - - 6 4 - 6 - | 5 - - - . . . . |"
        "4 - 6 - 1' - 6 - | 5 - 3 - 1' - 5 - | 5 - 7 - 2' - 7 - | 6 - 1' - 3' - 1' - |"
        "4' - 3' - 1' - 6 - | 3' - 1' - 5 - 3 - | 2 - 4 - 5 - 7 - | 1' - - - . . . . |" + restBars(8);
    const std::string steelTune =
        restBars(16) +
        "1' - . 1' b7 - 5 - | 2' - . 2' 1' - b7 - | 6 - . 6 5 - 4 - | 3 - - - 1 - - - |"
        "1' - . 1' b7 - 5 - | 2' - . 2' 1' - b7 - | 6 - . 6 1' - 2' - | 7 - - - 5 - 4 - ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::Marimba, .pattern = marimbaTune, .octave = 4, .gain = 0.6f,
         .pan = 0.1f, .send = 0.25f, .echo = 0.15f},
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = steelTune, .octave = 4, .gain = 0.5f,
         .pan = -0.1f, .send = 0.3f, .echo = 0.2f},
        {.kind = LayerKind::Strum, .voice = Voice::Ukulele, .pattern = "D - D U - U D U", .octave = 4,
         .gain = 0.32f, .pan = -0.35f, .send = 0.15f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R . R 5 8 . 5 . | R . R 5 8 . ^ .",
         .octave = 2, .gain = 0.42f, .send = 0.05f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.12f, .send = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . . x X . . .", .gain = 0.42f},
        {.kind = LayerKind::Drum, .voice = Voice::Clave, .pattern = "x . . x . . x . | . . x . x . . .",
         .gain = 0.14f, .pan = 0.4f, .send = 0.2f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "o x o x o x o x", .gain = 0.25f,
         .pan = 0.3f, .send = 0.1f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaHigh, .pattern = ". . x . . x . x | . . x . . x x .",
         .gain = 0.35f, .pan = 0.2f, .send = 0.15f},
    };
    return s;
}

Song play3Song() {
    Song s;
    s.name = "play3";
    s.bpm = 116.0;
    s.key = {4, Mode::Dorian};  // E dorian
    s.seed = seedFromName("play3");
    s.chords = "Em7 | A | Em7 | A | G | D | A | A |"
               "G | A | Bm7 | Em7 | G | A | Bm7 | Bm7 A |"
               "Em7 | A | Em7 | A | G | D | A | A";
    s.reverb = {0.55f, 0.45f, 0.22f, 1.0f};
    const std::string steelTune =
        "1' - 7 5 - 3 - 5 | 6 - 5 4 - 5 - 6 | 1' - 7 5 - 3 - 5 | 6 - 1' 2' - 1' - 6 |"
        "3 - 5 - 7 - 5 - | 7 - 2' - 4' - 2' - | 6 - 5 - 4 - 2 - | 4 - - - . . 5 7 |" + restBars(8);
    const std::string marimbaTune =
        restBars(8) +
        "1' - 7 - 5 - 3 - | 6 - 5 - 4 - 6 - | 5 - 7 - 2' - 7 - | 1' - - - 5 - 3 - |"
        "3 - 5 - 7 - 2' - | 1' - 7 - 6 - 4 - | 2 - 4 - 5 - 7 - | 5 - - - 4 - 2 - ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = steelTune, .octave = 4, .gain = 0.55f,
         .pan = 0.1f, .send = 0.3f, .echo = 0.2f},
        {.kind = LayerKind::Melody, .voice = Voice::Marimba, .pattern = marimbaTune, .octave = 5, .gain = 0.5f,
         .pan = -0.1f, .send = 0.25f, .echo = 0.2f},
        {.kind = LayerKind::Arp, .voice = Voice::Pluck, .pattern = "0 1 2 1 3 1 2 1", .octave = 3, .gain = 0.3f,
         .pan = -0.35f, .send = 0.2f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - . R - . R 5 | R - . R - . 5 ^",
         .octave = 2, .gain = 0.42f, .send = 0.05f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.12f, .send = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . . x . . x .", .gain = 0.42f},
        {.kind = LayerKind::Drum, .voice = Voice::Bongo, .pattern = "x o x . x o x x | x o x . x o o x",
         .gain = 0.3f, .pan = 0.3f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaLow, .pattern = ". . . . x . . . | . . . . x . x .",
         .gain = 0.35f, .pan = -0.2f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "x o o x o o x o x o o x o o x o",
         .gain = 0.25f, .pan = -0.3f, .send = 0.1f, .steps = 16},
    };
    return s;
}

Song play4Song() {
    Song s;
    s.name = "play4";
    s.bpm = 122.0;
    s.key = {0, Mode::Major};  // C major
    s.seed = seedFromName("play4");
    s.chords = "C | F | G | C | Am | F | G | G |"
               "F | G | Em | Am | Dm | G | C | G7 |"
               "C | F | G | C | Am | F | G | G";
    s.reverb = {0.5f, 0.45f, 0.2f, 1.0f};
    const std::string steelTune =
        "5 - 5 6 5 - 3 - | 4 - 4 5 4 - 1' - | 7 - 7 1' 2' - 7 - | 1' - - - 5 - 3 - |"
        "3 - 3 4 3 - 1 - | 4 - 6 - 1' - 6 - | 5 - 7 - 2' - 4' - | 5' - - 4' 2' - 7 - |"
        "6 - - 1' 6 - 4 - | 7 - - 2' 7 - 5 - | 7 - - 5 3 - 5 - | 1' - - 6 3 - 6 - |"
        "2' - - 1' 6 - 4 - | 2' - 4' - 5' - 4' - | 3' - - 2' 1' - 5 - | 4' - 2' - 7 - 5 - ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = steelTune, .octave = 4, .gain = 0.55f,
         .pan = 0.05f, .send = 0.28f, .echo = 0.18f},
        {.kind = LayerKind::Arp, .voice = Voice::Marimba, .pattern = "0 1 2 1 0 1 2 1 3 2 1 2 0 1 2 1", .octave = 4,
         .gain = 0.28f, .pan = -0.4f, .send = 0.2f, .bars = "000000001111111111111111", .steps = 16},
        {.kind = LayerKind::Strum, .voice = Voice::Ukulele, .pattern = "x D x D x D x D", .octave = 4,
         .gain = 0.3f, .pan = 0.35f, .send = 0.15f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R . . R . . 5 . | R . . R . . 8 ^",
         .octave = 2, .gain = 0.45f, .send = 0.05f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.1f, .send = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . x . X . x .", .gain = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Brush, .pattern = ". . x . . . x .", .gain = 0.22f, .pan = 0.1f,
         .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "x o x o x o x o x o x o x o x o",
         .gain = 0.25f, .pan = 0.3f, .send = 0.1f, .steps = 16},
        {.kind = LayerKind::Drum, .voice = Voice::CongaHigh, .pattern = ". x . x . x x . | . x . x . x . x",
         .gain = 0.3f, .pan = -0.25f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::Woodblock, .pattern = restBars(7) + "x . x . x x x .",
         .gain = 0.2f, .pan = -0.4f, .send = 0.2f},
    };
    return s;
}

Song play5Song() {
    Song s;
    s.name = "play5";
    s.bpm = 128.0;
    s.key = {7, Mode::Minor};  // G minor
    s.seed = seedFromName("play5");
    s.chords = "Gm | Eb | Bb | F | Gm | Eb | F | F |"
               "Cm | Gm | Eb | F | Cm | Gm | D7sus4 | D7 |"
               "Gm | Eb | Bb | F | Gm | Eb | F | F";
    s.reverb = {0.5f, 0.45f, 0.2f, 1.0f};
    const std::string steelTune =
        "5 - 3 5 1' - 5 - | 6 - 5 3 1 - 3 - | 3 - 2 3 5 - 7 - | 7 - 6 5 4 - 2 - |"
        "5 - 3 5 1' - 2' - | 3' - 2' 1' 6 - 5 - | 7 - 6 - 4 - 2 - | 7, - - - . . . . |"
        "4 - 6 - 1' - 6 - | 5 - 3 - 1 - 3 - | 6 - 1' - 3' - 1' - | 7 - 2' - 4' - 2' - |"
        "4' - 3' - 1' - 6 - | 5 - 1' - 3' - 2' - | 1' - - - 2' - 4' - | #7 - - - 2' - 4 - ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = steelTune, .octave = 4, .gain = 0.55f,
         .pan = 0.05f, .send = 0.28f, .echo = 0.18f},
        {.kind = LayerKind::Arp, .voice = Voice::Marimba, .pattern = "0 1 2 3 2 1 2 1 0 1 2 3 4 3 2 1", .octave = 4,
         .gain = 0.3f, .pan = -0.4f, .send = 0.2f, .steps = 16},
        {.kind = LayerKind::Strum, .voice = Voice::Pluck, .pattern = ". D . D . D . D", .octave = 3, .gain = 0.25f,
         .pan = 0.35f, .send = 0.15f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R R 8 R 5 R 8 5 | R R 8 R 5 R 8 ^",
         .octave = 2, .gain = 0.42f, .send = 0.05f, .legato = 0.7f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.12f, .send = 0.4f},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . x . X . x .", .gain = 0.45f},
        {.kind = LayerKind::Drum, .voice = Voice::Brush, .pattern = ". . x . . . x .", .gain = 0.25f, .pan = 0.1f,
         .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "X o x o X o x o X o x o X o x x",
         .gain = 0.26f, .pan = 0.3f, .send = 0.1f, .steps = 16},
        {.kind = LayerKind::Drum, .voice = Voice::CongaHigh, .pattern = ". . x . . x . x | . . x . . x x x",
         .gain = 0.32f, .pan = -0.2f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaLow, .pattern = "x . . . x . . . | x . . x . . x .",
         .gain = 0.32f, .pan = -0.1f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::Bongo, .pattern = restBars(3) + "x x o x x o x x",
         .gain = 0.28f, .pan = 0.4f, .send = 0.15f},
    };
    return s;
}

FORGE_STEP(audio_music_play1) { forgeSong(forge, play1Song()); }
FORGE_STEP(audio_music_play2) { forgeSong(forge, play2Song()); }
FORGE_STEP(audio_music_play3) { forgeSong(forge, play3Song()); }
FORGE_STEP(audio_music_play4) { forgeSong(forge, play4Song()); }
FORGE_STEP(audio_music_play5) { forgeSong(forge, play5Song()); }
