#pragma once
// The selected player's progress as the expedition screens use it. The store's setters do not ask
// whether a player is selected, so these do: without one every read gives its default and nothing
// is written. A write that would not change the stored value is skipped, since every write saves
// the whole profile.
#include "framework/core/ldv_string.h"

// `section` null is the top level of the progress file.
int ProgressInt(const char* section, const LDvString& key, int defaultValue);
bool ProgressFlag(const char* section, const LDvString& key);                  // a non-zero integer
void SetProgressInt(const char* section, const LDvString& key, int value);
void SetProgressFlag(const char* section, const LDvString& key);               // written as "1"

// Tips are on unless the selected player turned them off ("SHOW_TIPS" present and 0).
bool TipsOn();
