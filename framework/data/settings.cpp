#include "framework/data/settings.h"

#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/data/ldv_ini_file.h"

bool GetSettingBool(bool defaultValue, const LDvString& key) {
    const LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr) return defaultValue;
    const LDvString value = settings->GetString(nullptr, key, "");
    if (value.empty()) return defaultValue;
    return value == "true" || value == "1";
}

void SetSettingBool(const LDvString& key, bool value) {
    LDvIniFile* settings = Frame().settings.get();
    if (settings == nullptr) {
        Log("Settings not loaded: " + key + " not stored");
        return;
    }
    settings->SetString(nullptr, key, value ? "true" : "false");
    settings->Save();
}
