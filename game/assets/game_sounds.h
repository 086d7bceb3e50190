#pragma once
// The effect and music sounds loaded at start-up, found by the path they were loaded with
// ("sounds\sfx\level_start.ogg"). The game object's sound groups own them; this table only
// borrows, so it is cleared before the groups are destroyed.
#include "framework/core/ldv_string.h"

class LDvSound;

void RegisterGameSound(const LDvString& path, LDvSound* sound);
LDvSound* GameSound(const LDvString& path);      // null when nothing was loaded under that path
void PlayGameSound(const LDvString& path);       // plays the sample; nothing when not loaded
void StopGameSound(const LDvString& path);
void ClearGameSounds();
