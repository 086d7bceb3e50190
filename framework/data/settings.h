#pragma once
// Yes/no settings in settings.ini (the frame context's settings file, which saves itself).
#include "framework/core/ldv_string.h"

// The default when the key is missing or empty; true only for exactly "true" or "1".
bool GetSettingBool(bool defaultValue, const LDvString& key);
// Stores "true" or "false" and saves.
void SetSettingBool(const LDvString& key, bool value);
