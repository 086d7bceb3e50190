#pragma once
// A sound of the game: an engine sound that knows whether a device existed when it was made, and
// a name (named lists address their sounds by file name). Groups and named lists own their sounds.
#include "engine/k_sound.h"
#include "framework/core/ldv_string.h"

class LDvSound : public KSound {
public:
    bool enabled = true;     // false when no sound device could be opened at creation
    LDvString name;          // for named lists: file name without folder and extension
};

// Play a sample / a stream; a disabled sound logs "sound not enabled" instead. Null does nothing.
void PlaySample(LDvSound* sound);
void Play(LDvSound* sound, bool loop);
