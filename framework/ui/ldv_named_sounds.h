#pragma once
// Lists of sounds addressed by file name (the movie's and the scenes' sounds), with fades that
// their owner steps once per tick. A list owns its sounds for its whole life.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_sound.h"

class LDvNamedSounds {
public:
    int volume = 100;            // percent given to sounds as they load; fades leave it alone
    int fadeOutTotal = 0;        // steps
    int fadeOutRemaining = 0;
    int fadeInTotal = 0;         // steps; a fade-in waits until the fade-out has run out
    int fadeInRemaining = 0;
    bool streamed = false;       // streams (ambiences, played looping) rather than samples
    LDvList<std::unique_ptr<LDvSound>> sounds;
};

// Loads one file under the name of its file without folder and extension ("boom.ogg" -> "boom").
// Without a device the sound is kept, disabled; a file that fails to load stays silent in the list.
void LoadNamedSound(const LDvString& path, LDvNamedSounds& list, bool streamed);
// Every file of the folder below the data root.
void LoadSoundFolder(const LDvString& folder, LDvNamedSounds& list, bool streamed);
// Names compare exactly, case included.
void PlayNamedSound(const LDvString& name, LDvNamedSounds& list);
void StopNamedSound(const LDvString& name, LDvNamedSounds& list);
// Every sound plays at percent (below 0 as 0, above 99 as 99); held sounds of an inactive window
// are left as they are.
void SetListVolume(LDvNamedSounds& list, int percent);
void StopList(LDvNamedSounds& list);
// One step of the running fade-out, or else of the fade-in.
void FadeStep(LDvNamedSounds& list);
