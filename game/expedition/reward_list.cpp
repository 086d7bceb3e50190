#include "game/expedition/reward_list.h"

#include <algorithm>

#include "framework/data/ini_text.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "game/assets/gui_pictures.h"

namespace {

struct RewardPictureEntry {
    const char* key;
    LDvSprite GuiPictures::*picture;
};

constexpr RewardPictureEntry kRewardPictures[] = {
    {"MED_SUPPLIES", &GuiPictures::rewardMedicalSymbol},
    {"CLINIC", &GuiPictures::rewardMedicalSymbol},
    {"CLINIC_BUILT", &GuiPictures::rewardMedicalSymbol},
    {"TORTUGA", &GuiPictures::rewardTortugaBeach},
    {"WATER", &GuiPictures::rewardBucket},
    {"HUTS_FINISHED", &GuiPictures::rewardHut},
    {"WINDBONUS", &GuiPictures::rewardGodOfAir},
    {"BSUPPLY", &GuiPictures::rewardSupply},
};

}  // namespace

std::vector<RewardEntry> ParseRewardList(const LDvString& list) {
    std::vector<RewardEntry> entries;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(';', start), list.size());
        const LDvString entry = list.substr(start, end - start);
        const size_t comma = entry.find(',');
        RewardEntry reward;
        reward.key = TrimIniBlanks(entry.substr(0, comma));
        if (comma != LDvString::npos) reward.text = entry.substr(comma + 1);
        if (!reward.key.empty()) entries.push_back(reward);
        start = end + 1;
    }
    return entries;
}

const LDvOverlay* RewardPicture(const GuiPictures& gui, const LDvString& key) {
    for (const RewardPictureEntry& entry : kRewardPictures) {
        if (key == entry.key) return &(gui.*entry.picture);
    }
    return nullptr;
}

bool RewardOwned(const LDvString& key) { return IsPlayerSelected() && GetPlayerInt(kRewardsSection, key, 0) != 0; }

bool RequirementsMet(const LDvIniFile& table, const LDvString& blocker) {
    if (!IsPlayerSelected()) return false;
    for (const RewardEntry& reward : ParseRewardList(table.GetString(blocker.c_str(), "REWARDS", ""))) {
        if (!RewardOwned(reward.key)) return false;
    }
    return true;
}
