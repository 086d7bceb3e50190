#pragma once
// The last steps of every forge sound: finishing (offset removed, ends faded, level set) and
// writing, which checks the sound first and fails the forge on a sound that would click, clip or
// carry an offset. With QV_FORGE_AUDIO_REPORT set in the environment every written sound prints
// a line with its length, peak and loudness.
#include <string>

#include "tools/forge/audio/buffer.h"

class Forge;
struct RgbaImage;

enum class SoundShape {
    OneShot,  // starts and ends in silence
    Loop,     // its end joins its start
};

// One-shots: removes any offset, trims the silent tail (and whatever rings past `maxSeconds`),
// fades both ends and scales the peak to `peakDb` (dBFS).
void finishOneShot(Stereo& sound, float peakDb, double maxSeconds);
// Loops: removes the offset exactly (a loop's mean) and scales to `rmsDb`, keeping the peak at or
// below -1.5 dBFS. Nothing is faded: the loop point must stay seamless.
void finishLoop(Stereo& sound, float rmsDb);

// Checks and encodes; a mono file when both sides are equal.
void writeSound(Forge& forge, const std::string& relPath, const Stereo& sound, SoundShape shape,
                float quality = 0.4f);

// Where the forge stores a sound the game names by its table path ("sounds\\sfx\\take.ogg" is
// written to "sounds/sfx/take.ogg"), and the bare name ("take") that seeds its randomness.
std::string storedSoundPath(const char* tablePath);
std::string soundName(const char* tablePath);

// A picture of the sound for people: a waveform strip over a spectrogram with a logarithmic
// frequency axis (50 Hz at the bottom, 10 kHz at the top).
RgbaImage spectrogram(const Stereo& sound, int width, int height);
