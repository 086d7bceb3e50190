#pragma once
// Lists of sounds addressed by file name (the movie's and the scenes' sounds), with fades that
// their owner steps once per tick. A list owns its sounds.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_sound.h"

class LDvNamedSounds {
public:
    int volume = 100;            // percent
    int fadeOutTotal = 0;        // steps
    int fadeOutRemaining = 0;
    int fadeInTotal = 0;
    int fadeInRemaining = 0;
    bool streamed = false;
    LDvList<std::unique_ptr<LDvSound>> sounds;
};

void LoadNamedSound(const LDvString& path, LDvNamedSounds& list, bool streamed);
void LoadSoundFolder(const LDvString& folder, LDvNamedSounds& list, bool streamed);
void PlayNamedSound(const LDvString& name, LDvNamedSounds& list);
void StopNamedSound(const LDvString& name, LDvNamedSounds& list);
void SetListVolume(LDvNamedSounds& list, int percent);
void StopList(LDvNamedSounds& list);
void FadeStep(LDvNamedSounds& list);
