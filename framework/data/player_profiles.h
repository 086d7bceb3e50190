#pragma once
// Player profiles and the progress store. Up to five profiles live in the save folder as
// "player00.ini".."player04.ini" (each with a folder of the same name for larger saves). The
// selected profile is loaded into the frame context's progress store, which saves itself after
// every change and carries the "__SCRC__" checksum. `section` null means the global section.
#include "framework/core/ldv_string.h"

constexpr int kPlayerSlots = 5;

LDvString PlayerIniPath(int slot);
LDvString PlayerFolderPath(int slot);
bool PlayerExists(int slot);
int CountPlayers();
int FindFirstPlayer();                  // -1 when there is none
void SelectPlayer(int slot);
void CreatePlayer(int slot, const LDvString& name);
void DeletePlayer(int slot);
LDvString GetPlayerNameOf(int slot);
LDvString GetCurrentPlayerName();       // "ERROR_NO_NAME" when missing or empty
bool IsPlayerSelected();

LDvString GetPlayerString(const LDvString& key, const LDvString& defaultValue);
void SetPlayerString(const LDvString& key, const LDvString& value);            // needs a selected player
void SetPlayerValue(const char* section, const LDvString& key, const LDvString& text);
int GetPlayerInt(const char* section, const LDvString& key, int defaultValue);
void SetPlayerInt(const char* section, const LDvString& key, int value);
bool GetPlayerBool(const char* section, const LDvString& key, bool defaultValue);  // default without a player
void SetPlayerBool(const char* section, const LDvString& key, bool value);       // needs a selected player
