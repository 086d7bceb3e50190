#include "game/assets/game_sounds.h"

#include <unordered_map>

#include "framework/ui/ldv_sound.h"

namespace {

std::unordered_map<LDvString, LDvSound*>& table() {
    static std::unordered_map<LDvString, LDvSound*> sounds;
    return sounds;
}

}  // namespace

void RegisterGameSound(const LDvString& path, LDvSound* sound) {
    // A path loaded twice (the test bell goes into three groups) keeps its first sound.
    table().emplace(path, sound);
}

LDvSound* GameSound(const LDvString& path) {
    const auto it = table().find(path);
    return it == table().end() ? nullptr : it->second;
}

void PlayGameSound(const LDvString& path) {
    if (LDvSound* sound = GameSound(path)) PlaySample(sound);
}

void StopGameSound(const LDvString& path) {
    if (LDvSound* sound = GameSound(path)) sound->stopSample();
}

void ClearGameSounds() { table().clear(); }
