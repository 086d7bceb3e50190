#pragma once
// Building blocks of the sound effects, on top of the voices: whooshes, sparkles, cracks, thuds
// and clicks, placed in a stereo effect by time in seconds. Every effect is finished and written
// through `writeEffect`, which sets its level and fails the forge on a faulty sound.
#include <string>

#include "tools/forge/audio/buffer.h"
#include "tools/forge/audio/voices.h"

class AudioRng;
class Forge;

// Mixes `sound` into `mix` starting `seconds` in.
void put(Stereo& mix, const Mono& sound, double seconds, float gain, float pan = 0.0f);
// A voice's note at a MIDI pitch.
Mono note(Voice voice, double midi, float velocity = 0.9f, double seconds = 0.6, uint32_t seed = 1);

// Noise through a band-pass whose centre glides from `fromHz` through `midHz` to `toHz`, under a
// swell that peaks at `peakAt` (0..1 of the length): wind, whooshes and sweeps.
Mono whoosh(double seconds, double fromHz, double midHz, double toHz, double q, double peakAt, AudioRng& rng);
// `count` short glassy pings at random pitches between loHz and hiHz over `seconds`, fading.
void sparkle(Stereo& mix, double start, double seconds, int count, double loHz, double hiHz, float gain,
             AudioRng& rng);
// A struck hollow body: a quick pitch drop to `hz` that dies in `decay` seconds.
Mono thud(double hz, double decay);
// A splintering crack: a noise burst ringing at `bodyHz` and its inharmonic neighbours, followed by
// `splinters` small ticks.
Mono crack(double bodyHz, double decay, int splinters, AudioRng& rng);
// A short wooden or plastic click tuned to `hz`.
Mono click(double hz, double decay, AudioRng& rng);
// Low rumble: noise below `hz` under a swell of `attack` and `decay` seconds.
Mono rumble(double hz, double seconds, double attack, double decay, AudioRng& rng);
// Pans a mono sound across the stereo field from `fromPan` to `toPan` as it plays.
void putMoving(Stereo& mix, const Mono& sound, double seconds, float gain, float fromPan, float toPan);

// Adds a room to the effect, lengthening it by `tail` seconds for the reverb to ring out.
void addRoom(Stereo& mix, float wet, float room = 0.5f, double tail = 0.8);

// Finishes (`finishOneShot` at `peakDb`, at most `maxSeconds` long) and writes it at `path`.
// Between `beginSheet` and `publishSheet` (on the same thread, i.e. inside one step) every written
// effect is also strung onto one spectrogram contact sheet for people to look over.
void writeEffect(Forge& forge, const std::string& path, Stereo sound, float peakDb, double maxSeconds);
void beginSheet();
void publishSheet(Forge& forge, const std::string& name);
