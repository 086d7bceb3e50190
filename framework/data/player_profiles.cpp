#include "framework/data/player_profiles.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr const char* kPlayerNameKey = "PlayerName";
constexpr const char* kNoName = "ERROR_NO_NAME";
constexpr const char* kUnreadableProfileText =
    "Your saved progress could not be read. You can play on, but nothing will be saved to it "
    "until the game is started again with the file readable:\n";
constexpr int kDefaultVolume = 100;
constexpr int kMaxVolume = 100;

bool ValidSlot(int slot) { return slot >= 0 && slot < kPlayerSlots; }

LDvString SlotName(int slot) {
    char name[32];
    std::snprintf(name, sizeof name, "player%02d", slot);
    return name;
}

// Setters without a selected player still write somewhere: an empty store with no file, which the
// next selection replaces.
LDvIniFile& Store() {
    std::unique_ptr<LDvIniFile>& store = Frame().progress;
    if (store == nullptr) store = std::make_unique<LDvIniFile>();
    return *store;
}

// The player is told once per run and file; the log says it at every reading.
void TellUnreadableProfile(const LDvString& path) {
    static std::set<LDvString> told;
    if (told.insert(path).second) ShowMessage(kUnreadableProfileText + path);
}

}  // namespace

LDvString PlayerIniPath(int slot) { return GetSaveFolder() + SlotName(slot) + ".ini"; }

LDvString PlayerFolderPath(int slot) { return GetSaveFolder() + SlotName(slot); }

// A file without a name (left empty by an interrupted creation) holds no player; one that could
// not be read may well hold one, and is never taken for a free slot.
bool PlayerExists(int slot) {
    if (!folderExists(GetSaveFolder()) || !FileExists(PlayerIniPath(slot))) return false;
    LDvIniFile profile;
    profile.LoadExisting(PlayerIniPath(slot), true);  // the name is a global value
    return profile.ReadFailed() || !profile.GetString(nullptr, kPlayerNameKey, "").empty();
}

int CountPlayers() {
    int count = 0;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (PlayerExists(slot)) ++count;
    }
    return count;
}

int FindFirstPlayer() {
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (PlayerExists(slot)) return slot;
    }
    return -1;
}

bool IsPlayerSelected() {
    const LDvGame* game = Frame().game;
    return game != nullptr && game->selectedPlayer >= 0;
}

void SelectPlayer(int slot) {
    LDvGame* game = Frame().game;
    if (!ValidSlot(slot) || game == nullptr) {
        Log("Can't select player " + std::to_string(slot));
        return;
    }
    game->selectedPlayer = slot;
    // Read straight into the store (as a copy of the file would be, without the copy). A file
    // that cannot be read leaves a store that refuses to write: the game goes on, the file stays.
    LDvIniFile& store = Store();
    store.LoadExisting(PlayerIniPath(slot));
    if (store.ReadFailed()) TellUnreadableProfile(store.Path());
    store.SetAutoSave(true);
    store.SetChecksum(true);
    createFolder(PlayerFolderPath(slot));
}

void CreatePlayer(int slot, const LDvString& name) {
    if (PlayerExists(slot)) return;
    SelectPlayer(slot);
    if (IsPlayerSelected()) SetPlayerString(kPlayerNameKey, name);
}

void DeletePlayer(int slot) {
    if (folderExists(GetSaveFolder()) && FileExists(PlayerIniPath(slot))) DeleteFile(PlayerIniPath(slot));
}

LDvString GetPlayerNameOf(int slot) {
    LDvIniFile profile;
    profile.LoadExisting(PlayerIniPath(slot), true);
    return profile.GetString(nullptr, kPlayerNameKey, "");
}

LDvString GetCurrentPlayerName() { return Store().GetString(nullptr, kPlayerNameKey, kNoName); }

LDvString GetPlayerString(const LDvString& key, const LDvString& defaultValue) {
    return Store().GetString(nullptr, key, defaultValue);
}

void SetPlayerString(const LDvString& key, const LDvString& value) {
    if (IsPlayerSelected()) Store().SetString(nullptr, key, value);
}

void SetPlayerValue(const char* section, const LDvString& key, const LDvString& text) {
    Store().SetString(section, key, text);
}

int GetPlayerInt(const char* section, const LDvString& key, int defaultValue) {
    return Store().GetInt(section, key, defaultValue);
}

void SetPlayerInt(const char* section, const LDvString& key, int value) {
    Store().SetString(section, key, std::to_string(value));
}

bool GetPlayerBool(const char* section, const LDvString& key, bool defaultValue) {
    if (!IsPlayerSelected()) return defaultValue;
    const LDvIniFile& store = Store();
    if (store.GetString(section, key, "").empty()) return defaultValue;
    return store.GetInt(section, key, 0) != 0;
}

void SetPlayerBool(const char* section, const LDvString& key, bool value) {
    if (IsPlayerSelected()) Store().SetString(section, key, value ? "1" : "0");
}

int GetVolumeSetting(const LDvString& key) {
    const LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr) return kDefaultVolume;
    // A hand-edited file must not drive the mixer past full volume or below silence.
    return std::clamp(settings->GetInt(nullptr, key, kDefaultVolume), 0, kMaxVolume);
}

void SetVolumeSetting(const LDvString& key, int volume) {
    LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr) {
        Log("Settings not loaded: " + key + " not stored");
        return;
    }
    settings->SetInt(key, std::clamp(volume, 0, kMaxVolume));
    settings->Save();
}

int GetSelectedProfileSetting() {
    const LDvIniFile* settings = Frame().settings.get();
    return settings == nullptr ? 0 : settings->GetInt(nullptr, kSelectedProfileKey, 0);
}

void SetSelectedProfileSetting(int slot) {
    LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr) {
        Log(LDvString("Settings not loaded: ") + kSelectedProfileKey + " not stored");
        return;
    }
    settings->SetInt(kSelectedProfileKey, slot);
    settings->Save();
}
