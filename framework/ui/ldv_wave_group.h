#pragma once
// Sound groups that share one volume: effects and ambience (LDvSoundGroup) and music
// (LDvMusicGroup). A group owns its sounds; the pointers AddSound returns stay valid as long as
// the group lives.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_sound.h"

class LDvWaveGroup {
public:
    virtual bool IsMusic() const = 0;
    virtual ~LDvWaveGroup() = default;

    LDvString name;
    LDvList<std::unique_ptr<LDvSound>> sounds;
    LDvList<std::unique_ptr<LDvSound>> disabledSounds;  // made without a device; kept alive, never played
    int volume = 100;            // percent
    int settingVolume = 100;     // percent, as stored in the settings
};

class LDvSoundGroup : public LDvWaveGroup {
public:
    bool IsMusic() const override { return false; }
};

class LDvMusicGroup : public LDvWaveGroup {
public:
    bool IsMusic() const override { return true; }
};

// Creates a sound; without a device it comes back disabled, unloaded and not in the group's sounds
// (it is kept in disabledSounds, so the returned pointer lives as long as the group either way).
LDvSound* AddSound(LDvWaveGroup& group, const LDvString& path, bool streamed);
void ApplyGroupVolume(LDvWaveGroup& group);
