#pragma once
// Folders the game reads and writes, and small file helpers. Paths use "/" throughout; relative
// paths given to the file helpers are taken from the game's base folder.
#include "framework/core/ldv_string.h"

LDvString GetAppDataFolder();          // the user's data folder, no trailing "/"
LDvString GetCompanyFolder();          // GetAppDataFolder() + "/Drovana Games/"
LDvString GetGameFolder();             // GetCompanyFolder() + game name + "/"
LDvString GetSaveFolder();             // GetGameFolder() + "Ver<major>.<minor>/"
LDvString GetDataRoot();               // ends in "/"
LDvString JoinPaths(const LDvString& a, const LDvString& b);
bool FileExists(const LDvString& path);
bool CreateFileIfMissing(const LDvString& path);  // true when the file exists afterwards
void DeleteFile(const LDvString& path);

// Tools and tests put the save folders below another folder instead of the user's data folder.
// An empty text restores the default.
void SetAppDataFolderOverride(const LDvString& folder);
