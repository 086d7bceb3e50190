#pragma once
// Folders the game reads and writes, and small file helpers. Paths use "/" throughout.
#include <cstdio>

#include "framework/core/ldv_string.h"

LDvString GetAppDataFolder();
LDvString GetCompanyFolder();
LDvString GetGameFolder();
LDvString GetSaveFolder();
LDvString GetDataRoot();               // ends in "/"
LDvString JoinPaths(const LDvString& a, const LDvString& b);
bool FileExists(const LDvString& path);
bool CreateFileIfMissing(const LDvString& path);
void DeleteFile(const LDvString& path);
