#include "framework/ui/ldv_wave_group.h"

#include "framework/core/game_log.h"

namespace {

constexpr int kLoadVolume = 100;
constexpr int kLoadVoices = 1;

bool LoadInto(LDvSound& sound, const LDvString& path, bool streamed) {
    if (streamed) return sound.loadStream(path.c_str());
    return sound.loadSample(path.c_str(), kLoadVolume, false, kLoadVoices);
}

}  // namespace

LDvSound* AddSound(LDvWaveGroup& group, const LDvString& path, bool streamed) {
    auto sound = std::make_unique<LDvSound>();
    if (!KSound::deviceAvailable()) {
        sound->enabled = false;
        return group.disabledSounds.Add(std::move(sound)).get();
    }
    // A file that fails to load keeps its place in the group as a silent sound; the log says which.
    if (!LoadInto(*sound, path, streamed)) Log("Failed to load sound :" + path);
    sound->setVolume(group.volume);
    return group.sounds.Add(std::move(sound)).get();
}

void ApplyGroupVolume(LDvWaveGroup& group) {
    if (!KSound::deviceAvailable()) return;
    for (const std::unique_ptr<LDvSound>& sound : group.sounds) sound->setVolume(group.volume);
}
