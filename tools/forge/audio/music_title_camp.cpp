// The title and camp loops: the title invites (a steel-drum tune over a gentle island strum),
// the camp rests (a swung kalimba and nylon-guitar tune, slower and sparser).
#include "tools/forge/audio/music.h"

#include "tools/forge/audio/output.h"
#include "tools/forge/audio/rng.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/core/rgba_image.h"

void forgeSong(Forge& forge, const Song& song) {
    Stereo mix;
    std::string error;
    if (!renderSong(song, mix, error)) return forge.fail("music " + song.name + ": " + error);
    forge.addContactSheet("audio_music_" + song.name, spectrogram(mix, 1000, 360));
    writeSound(forge, "sounds/music/" + song.name + ".ogg", mix, SoundShape::Loop, 0.35f);
}

Song titleSong() {
    Song s;
    s.name = "title";
    s.bpm = 96.0;
    s.swing = 0.56;
    s.key = {5, Mode::Major};  // F major
    s.seed = seedFromName("title");
    s.chords = "F | Dm7 | Bb | C7 | F | Am | Bb C | F |"
               "F | Dm7 | Bb | C7 | F | Am | Bb C | F |"
               "Bb | C | Am | Dm | Gm7 | C | F/A Bb | C7";
    s.reverb = {0.7f, 0.45f, 0.3f, 1.0f};
    const std::string lead =
        "5 - 3 - 1 - 3 5 | 6 - 5 - 4 - 3 - | 4 - 4 5 6 - 4 - | 5 - - - . . 3 4 |"
        "5 - 3 - 1 - 3 5 | 7 - 5 - 3 - 5 - | 4 - 6 - 5 - 2 - | 1 - - - . . . . |"
        "5 - 3 - 1' - 7 6 | 6 - 5 - 4 3 2 - | 4 - 6 - 1' - 6 - | 5 - - - . 5 6 7 |"
        "1' - - 6 5 - 3 - | 3 - 5 - 7 - 5 - | 4 - 6 - 5 - 7 - | 1' - - - . . . . |"
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . ";
    const std::string flute =
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
        ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
        "4 - - 6 1' - 6 - | 5 - - 7 2' - 1' - | 3' - 2' 1' 7 - 3 - | 6 - - 5 4 - 6 - |"
        "4 - - 5 6 - 4 - | 5 - - - 7 - 5 - | 3 - 5 - 4 - 6 - | 5 - 4 - 3 - 2 - ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::SteelDrum, .pattern = lead, .octave = 4, .gain = 0.55f,
         .pan = 0.1f, .send = 0.3f, .echo = 0.25f},
        {.kind = LayerKind::Melody, .voice = Voice::Flute, .pattern = flute, .octave = 5, .gain = 0.42f,
         .pan = -0.1f, .send = 0.35f, .echo = 0.3f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - . R 5 - 8 - | R - . R 5 - ^ -",
         .octave = 2, .gain = 0.42f, .send = 0.05f},
        {.kind = LayerKind::Strum, .voice = Voice::Ukulele, .pattern = "D - D U - U D U", .octave = 4,
         .gain = 0.3f, .pan = -0.35f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.22f, .send = 0.4f},
        {.kind = LayerKind::Arp, .voice = Voice::Marimba, .pattern = "0 1 2 1' 2 1 0 1", .octave = 4,
         .gain = 0.3f, .pan = 0.4f, .send = 0.25f, .bars = "000000000000000011111111"},
        {.kind = LayerKind::Drum, .voice = Voice::Kick, .pattern = "X . . . x . . .", .gain = 0.45f, .send = 0.0f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "o o x o o o x o o o x o o o x o",
         .gain = 0.3f, .pan = 0.3f, .send = 0.1f, .steps = 16},
        {.kind = LayerKind::Drum, .voice = Voice::CongaHigh, .pattern = ". . . x . . x . | . . . x . x x .",
         .gain = 0.45f, .pan = -0.25f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaLow, .pattern = ". . . . . . . x | . . . . x . . .",
         .gain = 0.45f, .pan = -0.15f, .send = 0.15f},
    };
    return s;
}

Song campSong() {
    Song s;
    s.name = "camp";
    s.bpm = 78.0;
    s.swing = 0.62;
    s.key = {7, Mode::Major};  // G major
    s.seed = seedFromName("camp");
    s.chords = "Gmaj7 | Em7 | Am7 | D7 | Gmaj7 | Em7 | Cmaj7 | D7sus4 D7 |"
               "Cmaj7 | Bm7 | Am7 | D7 | Cmaj7 | Bm7 | Am7 D7 | G";
    s.reverb = {0.75f, 0.55f, 0.32f, 1.0f};
    s.echoBeats = 1.5;
    const std::string quiet = ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |"
                              ". . . . . . . . | . . . . . . . . | . . . . . . . . | . . . . . . . . |";
    const std::string kalimbaTune =
        "3 - 5 - 7 - 5 - | 6 - 5 - 3 - 1 - | 2 - 4 - 6 - 5 4 | 4 - 2 - 7, - 2 - |"
        "3 - 5 - 7 - 1' 7 | 6 - 5 - 3 - 5 - | 4 - 3 - 1 - 3 - | 5 - 4 - 4 - 3 2 |" + quiet;
    const std::string vibesTune =
        quiet + "5 - 3 - 1 - 3 - | 3 - 5 - 7 - 5 - | 2 - 4 - 6 - 1' - | 7 - 6 - 4 - 2 - |"
                "3' - - 1' 6 - 5 - | 5 - 3 - 2 - 3 - | 4 - 2 - 4 - 6 - | 1 - - - . . . . ";
    s.layers = {
        {.kind = LayerKind::Melody, .voice = Voice::Kalimba, .pattern = kalimbaTune, .octave = 4, .gain = 0.6f,
         .pan = 0.15f, .send = 0.3f, .echo = 0.2f},
        {.kind = LayerKind::Melody, .voice = Voice::Vibes, .pattern = vibesTune, .octave = 4, .gain = 0.5f,
         .pan = -0.15f, .send = 0.35f, .echo = 0.2f},
        {.kind = LayerKind::Arp, .voice = Voice::Pluck, .pattern = "0 1 2 3 2 1 2 1", .octave = 3, .gain = 0.32f,
         .pan = -0.3f, .send = 0.25f},
        {.kind = LayerKind::Bass, .voice = Voice::Bass, .pattern = "R - - - 5 - - . | R - - . 5 - ^ -",
         .octave = 2, .gain = 0.4f, .send = 0.05f},
        {.kind = LayerKind::Pad, .voice = Voice::Pad, .octave = 4, .gain = 0.16f, .send = 0.45f},
        {.kind = LayerKind::Drum, .voice = Voice::Brush, .pattern = ". . x . . . x o", .gain = 0.28f,
         .pan = 0.2f, .send = 0.2f},
        {.kind = LayerKind::Drum, .voice = Voice::Shaker, .pattern = "o x o x o x o x", .gain = 0.22f,
         .pan = 0.35f, .send = 0.15f},
        {.kind = LayerKind::Drum, .voice = Voice::CongaLow, .pattern = "x . . . . . . . | x . . . . . o .",
         .gain = 0.35f, .pan = -0.2f, .send = 0.2f},
    };
    return s;
}

FORGE_STEP(audio_music_title) { forgeSong(forge, titleSong()); }
FORGE_STEP(audio_music_camp) { forgeSong(forge, campSong()); }
