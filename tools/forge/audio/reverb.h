#pragma once
// Room and echo for the forge's sounds. A comb-and-allpass reverb (eight damped combs and four
// allpasses per side, the right side's delays slightly longer for width) and a feedback echo.
// With `loop` set, both run over the buffer twice and keep the second pass, so the tail of the
// loop's end rings on into its start and the loop point cannot be heard.
#include "tools/forge/audio/buffer.h"

struct ReverbSettings {
    float room = 0.6f;     // 0..1, longer tail with more
    float damping = 0.5f;  // 0..1, darker tail with more
    float wet = 0.25f;     // level of the tail added to the dry sound
    float width = 1.0f;    // 0 mono tail .. 1 full stereo
};

// Adds the reverb of `send` to `mix` (both the same length). `send` is usually a copy of the dry
// sound with each voice at its own send level.
void addReverb(Stereo& mix, const Stereo& send, const ReverbSettings& settings, bool loop);
void applyReverb(Stereo& sound, const ReverbSettings& settings, bool loop);

// A feedback echo of `delay` seconds; ping-pong crosses the repeats between the sides.
void applyEcho(Stereo& sound, double delay, float feedback, float wet, bool pingPong, bool loop);
