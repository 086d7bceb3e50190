#include "framework/ui/ldv_named_sounds.h"

#include <algorithm>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"

namespace {

constexpr int kLoadVolume = 100;
constexpr int kLoadVoices = 1;
constexpr size_t kExtensionLength = 4;  // ".ogg"
constexpr int kFullPercent = 100;

// "sounds/movie/boom.ogg" answers to "boom".
LDvString NameOfFile(const LDvString& path) {
    const size_t slash = path.find_last_of("/\\");
    const LDvString file = slash == LDvString::npos ? path : path.substr(slash + 1);
    return file.substr(0, file.size() - std::min(file.size(), kExtensionLength));
}

LDvSound* FindNamed(const LDvString& name, LDvNamedSounds& list) {
    for (const std::unique_ptr<LDvSound>& sound : list.sounds) {
        if (sound->name == name) return sound.get();
    }
    return nullptr;
}

void ApplyVolume(LDvSound& sound, int percent) {
    // While the window is inactive every voice is held; its level stays as it was until the next change.
    if (sound.isLoaded() && KSound::soundsSuspended()) return;
    sound.setVolume(percent);  // the volume table plays below 0 as 0 and above 99 as 99
}

// percent of `part` in `total`, truncated; a fade of no length counts as finished.
int PercentOf(int part, int total) {
    if (total <= 0) return 0;
    return static_cast<int>(static_cast<long long>(part) * kFullPercent / total);
}

}  // namespace

void LoadNamedSound(const LDvString& path, LDvNamedSounds& list, bool streamed) {
    auto sound = std::make_unique<LDvSound>();
    sound->name = NameOfFile(path);
    sound->enabled = KSound::deviceAvailable();
    const bool loaded = streamed ? sound->loadStream(path.c_str())
                                 : sound->loadSample(path.c_str(), kLoadVolume, false, kLoadVoices);
    if (!loaded) Log("Failed to load sound :" + path);
    sound->setVolume(list.volume);
    list.streamed = streamed;
    list.sounds.Add(std::move(sound));
}

void LoadSoundFolder(const LDvString& folder, LDvNamedSounds& list, bool streamed) {
    const LDvString folderPath = GetDataRoot() + folder;
    for (const std::string& file : listFolder(folderPath)) {
        LoadNamedSound(JoinPaths(folderPath, file), list, streamed);
    }
}

void PlayNamedSound(const LDvString& name, LDvNamedSounds& list) {
    LDvSound* sound = FindNamed(name, list);
    if (sound == nullptr) {
        Log("sound : '" + name + "' not found.");
        return;
    }
    Log("playing sound : '" + name + "'");
    // The streamed lists hold ambiences made as seamless loops; they play until stopped.
    if (list.streamed) Play(sound, true);
    else PlaySample(sound);
}

void StopNamedSound(const LDvString& name, LDvNamedSounds& list) {
    LDvSound* sound = FindNamed(name, list);
    if (sound == nullptr) {
        Log("sound : '" + name + "' not found.");
        return;
    }
    Log("stopping sound : '" + name + "'");
    if (list.streamed) sound->stopStream();
    else sound->stopSample();
}

void SetListVolume(LDvNamedSounds& list, int percent) {
    for (const std::unique_ptr<LDvSound>& sound : list.sounds) ApplyVolume(*sound, percent);
}

void StopList(LDvNamedSounds& list) {
    for (const std::unique_ptr<LDvSound>& sound : list.sounds) {
        if (list.streamed) sound->stopStream();
        else sound->stopSample();
    }
}

void FadeStep(LDvNamedSounds& list) {
    if (list.fadeOutRemaining > 0) {
        --list.fadeOutRemaining;
        SetListVolume(list, PercentOf(list.fadeOutRemaining, list.fadeOutTotal));
    } else if (list.fadeInRemaining > 0) {
        --list.fadeInRemaining;
        const int total = list.fadeInTotal;
        SetListVolume(list, total <= 0 ? kFullPercent : PercentOf(total - list.fadeInRemaining, total));
    }
}
