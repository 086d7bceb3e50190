#pragma once
// The instruments: each renders one note into a fresh mono buffer starting at its onset. Pitched
// voices take a Tone; struck ones ring out on their own and ignore the length, held ones (pad,
// flute, bass) sound for the length and then release. Percussion is unpitched or fixed in pitch.
#include <cstdint>

#include "tools/forge/audio/buffer.h"

struct Tone {
    double hz = 440.0;
    double seconds = 0.5;  // held length; struck voices ring past it
    float velocity = 1.0f;
    uint32_t seed = 1;     // noise and small detunings
};

enum class Voice {
    Marimba,
    SteelDrum,
    Kalimba,
    Vibes,
    Pluck,      // nylon-string guitar
    Ukulele,
    Bell,
    Glass,      // small glassy chime
    Flute,      // breathy pan-flute lead
    Bass,
    Pad,
    Kick,
    CongaLow,
    CongaHigh,
    Bongo,
    Shaker,
    Clave,
    Woodblock,
    Brush,
    Hat,
    Triangle,
};

Mono renderVoice(Voice voice, const Tone& tone);
bool isPercussion(Voice voice);

Mono marimba(const Tone& tone);
Mono steelDrum(const Tone& tone);
Mono kalimba(const Tone& tone);
Mono vibes(const Tone& tone);
// Karplus-Strong string; `brightness` 0..1 colours the pluck, `pluckPosition` 0..0.5 hollows it.
Mono pluckedString(const Tone& tone, double brightness, double pluckPosition, double ringSeconds);
Mono bell(const Tone& tone);
Mono glass(const Tone& tone);
Mono flute(const Tone& tone);
Mono bass(const Tone& tone);
Mono pad(const Tone& tone);

Mono kick(float velocity);
Mono handDrum(double hz, float velocity, double decay, uint32_t seed);
Mono shaker(float velocity, uint32_t seed);
Mono clave(float velocity);
Mono woodblock(double hz, float velocity, uint32_t seed);
Mono brush(float velocity, uint32_t seed);
Mono hat(float velocity, uint32_t seed);
Mono triangleHit(float velocity);
