#include "framework/ui/ldv_sound.h"

#include "framework/core/game_log.h"

namespace {

bool readyToPlay(LDvSound* sound) {
    if (sound == nullptr) return false;
    if (!sound->enabled) {
        Log("sound not enabled");
        return false;
    }
    return true;
}

}  // namespace

void PlaySample(LDvSound* sound) {
    if (readyToPlay(sound)) sound->playSample();
}

void Play(LDvSound* sound, bool loop) {
    if (readyToPlay(sound)) sound->playStream(loop);
}
