#pragma once
// Music written as text and played by the voices. A Song names its tempo, key and chords, and
// stacks layers, each a pattern string for one voice:
//   melody  scale degrees 1-7 of the key, '#'/'b' before for a sharp or flat, "'" after for an
//           octave up, ',' for an octave down
//   bass    R root, 3 third, 5 fifth, 7 seventh, 8 octave, b fifth below, ^ a semitone below the
//           next bar's root (a walking approach)
//   arp     0-6: the n-th tone of the voiced chord, counting on into the octaves above
//   strum   D a down-strum of the whole chord, U an up-strum of its top, x a muted chuck
//   drum    X loud, x normal, o soft
// Everywhere '-' holds the previous note and '.' rests; '|' between bars is only for the eye.
// Patterns shorter than the song repeat. A pad layer holds each chord as long as it lasts.
// The song is rendered as a loop: every note, echo and reverb tail that runs past the end sounds
// again at the start, so the file joins itself without a seam.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/forge/audio/buffer.h"
#include "tools/forge/audio/reverb.h"
#include "tools/forge/audio/voices.h"

enum class Mode { Major, Minor, Dorian, Mixolydian };

struct Key {
    int tonic = 0;  // pitch class, C = 0
    Mode mode = Mode::Major;
};

struct Chord {
    int root = 0;  // pitch class
    int bass = 0;  // pitch class of the lowest note (differs from the root after a slash)
    std::vector<int> intervals;
};

// "C", "F#m", "Bb7", "Dm7", "Gsus4", "Fmaj7", "C/E" ...; false for anything else.
bool parseChord(std::string_view name, Chord& chord);
// MIDI note of a melody token such as "5", "#4", "1'" in `key` with degree 1 in `octave`;
// false when the token is not a degree.
bool degreeToMidi(std::string_view token, const Key& key, int octave, int& midi);

enum class LayerKind { Melody, Bass, Arp, Strum, Pad, Drum };

struct Layer {
    LayerKind kind = LayerKind::Melody;
    Voice voice = Voice::Marimba;
    std::string pattern{};
    int octave = 4;          // octave of degree 1 (melody) or of the register the chord is voiced in
    float gain = 1.0f;
    float pan = 0.0f;        // -1 left .. 1 right
    float send = 0.2f;       // reverb send
    float echo = 0.0f;       // echo send
    std::string bars{};      // '1' plays in that bar, '0' rests; repeats; empty: every bar
    int steps = 8;           // pattern tokens per bar
    float legato = 0.92f;    // share of a note's written length that it is held
};

struct Song {
    std::string name;
    double bpm = 100.0;
    int beatsPerBar = 4;
    double swing = 0.5;      // share of a beat the first of two eighths takes; 0.5 is straight
    Key key;
    std::string chords;      // one chord per bar, or several sharing the bar: "C | Am | F G | C"
    std::vector<Layer> layers;
    ReverbSettings reverb;
    double echoBeats = 0.75;
    float echoFeedback = 0.35f;
    float targetRmsDb = -18.0f;
    uint32_t seed = 1;
    bool loop = true;        // false: a jingle that ends, its last notes ringing out after the bars
};

// Renders the song (as a loop unless told otherwise); false with a message when a chord or a
// pattern cannot be read.
bool renderSong(const Song& song, Stereo& out, std::string& error);
double songSeconds(const Song& song, int bars);
