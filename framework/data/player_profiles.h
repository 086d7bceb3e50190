#pragma once
// Player profiles and the progress store. Up to five profiles live in the save folder as
// "player00.ini".."player04.ini" (each with a folder of the same name for larger saves). The
// selected profile is loaded into the frame context's progress store, which saves itself after
// every change and carries the "__SCRC__" checksum. `section` null means the global section.
//
// The selected slot is the game object's `selectedPlayer`; without a game object no player can be
// selected. The store is created on first use and lives in the frame context for the whole run.
#include "framework/core/ldv_string.h"

constexpr int kPlayerSlots = 5;

LDvString PlayerIniPath(int slot);
LDvString PlayerFolderPath(int slot);
// A slot is in use when its file holds a player: one with a name, or one that could not be read
// (never taken for a free slot). An empty or nameless file is no player.
bool PlayerExists(int slot);
int CountPlayers();
int FindFirstPlayer();                  // -1 when there is none
// Slots outside 0..4 are refused with a log line. A missing file is not created (the first change
// writes it whole); a file that cannot be read is never written, and the player is told once.
void SelectPlayer(int slot);
void CreatePlayer(int slot, const LDvString& name);  // the new file appears with its name in it
void DeletePlayer(int slot);            // the profile folder stays
LDvString GetPlayerNameOf(int slot);    // empty when the slot is unused (its file is not created)
LDvString GetCurrentPlayerName();       // "ERROR_NO_NAME" when missing or empty
bool IsPlayerSelected();

LDvString GetPlayerString(const LDvString& key, const LDvString& defaultValue);
void SetPlayerString(const LDvString& key, const LDvString& value);            // needs a selected player
void SetPlayerValue(const char* section, const LDvString& key, const LDvString& text);
int GetPlayerInt(const char* section, const LDvString& key, int defaultValue);
void SetPlayerInt(const char* section, const LDvString& key, int value);
bool GetPlayerBool(const char* section, const LDvString& key, bool defaultValue);  // default without a player
void SetPlayerBool(const char* section, const LDvString& key, bool value);       // needs a selected player

// Settings the title and options screens keep in settings.ini.
inline constexpr const char* kMusicVolumeKey = "MUSIC_VOLUME";
inline constexpr const char* kSfxVolumeKey = "SFX_VOLUME";
inline constexpr const char* kEnvVolumeKey = "ENV_VOLUME";
inline constexpr const char* kSelectedProfileKey = "SELECTED_PLAYER_PROFILE";

int GetVolumeSetting(const LDvString& key);              // 0..100; 100 when missing or empty
void SetVolumeSetting(const LDvString& key, int volume);  // saved at once
int GetSelectedProfileSetting();                         // 0 when missing or empty
void SetSelectedProfileSetting(int slot);                // saved at once
