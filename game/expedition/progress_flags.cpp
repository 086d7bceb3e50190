#include "game/expedition/progress_flags.h"

#include "framework/data/player_profiles.h"
#include "game/expedition/tip_dialog.h"

int ProgressInt(const char* section, const LDvString& key, int defaultValue) {
    return IsPlayerSelected() ? GetPlayerInt(section, key, defaultValue) : defaultValue;
}

bool ProgressFlag(const char* section, const LDvString& key) { return ProgressInt(section, key, 0) != 0; }

void SetProgressInt(const char* section, const LDvString& key, int value) {
    if (!IsPlayerSelected()) return;
    // The default differs from the value, so a missing key is always written.
    const int unlike = value == 0 ? 1 : 0;
    if (GetPlayerInt(section, key, unlike) == value) return;
    SetPlayerInt(section, key, value);
}

void SetProgressFlag(const char* section, const LDvString& key) { SetProgressInt(section, key, 1); }

bool TipsOn() { return !TipsTurnedOff(); }
