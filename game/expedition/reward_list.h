#pragma once
// Rewards: named items a discovery grants (medical supplies, building materials, ...) that unlock
// camp buildings and tasks. The player owns a reward when the progress section "REWARDS" holds its
// key with a non-zero value. Reward lists are written "KEY,Text;KEY,Text".
#include <vector>

#include "framework/core/ldv_string.h"

class GuiPictures;
class LDvIniFile;
class LDvOverlay;

inline constexpr const char* kRewardsSection = "REWARDS";

struct RewardEntry {
    LDvString key;
    LDvString text;    // what the dialogs show beside the picture
};

// Entries are split at ";", each entry at its first ","; blanks around the key are dropped and
// entries without a key are skipped.
std::vector<RewardEntry> ParseRewardList(const LDvString& list);

// The reward's picture from the game's GUI set, or null for a key that has none.
const LDvOverlay* RewardPicture(const GuiPictures& gui, const LDvString& key);

// Owned rewards exist only for a selected player.
bool RewardOwned(const LDvString& key);

// True when a player is selected and owns every reward of the blocker section's "REWARDS" list
// (so an empty list is always met).
bool RequirementsMet(const LDvIniFile& table, const LDvString& blocker);
