#include "game/expedition/discovery.h"

#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/data_table.h"
#include "game/expedition/discovery_dlg.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/path_blocking_dlg.h"
#include "game/expedition/reward_list.h"

namespace {

constexpr const char* kDiscoveriesSection = "DISCOVERIES";
constexpr const char* kIconsSection = "ICONS";
constexpr const char* kMapSection = "MAP";
constexpr const char* kExpeditionCountKey = "EXPEDITION_COUNT";
constexpr const char* kNoDescription = "NONE";

DialogRunner& Runner() {
    static DialogRunner runner;
    return runner;
}

void Run(LDvDialog& dialog) {
    if (Runner()) Runner()(dialog);
    else RunModal(&dialog);
}

// Progress is written only for a selected player.
void Record(const char* section, const LDvString& key) {
    if (IsPlayerSelected()) SetPlayerBool(section, key, true);
}

void ShowBlocker(GameView& game, const LDvIniFile& table, const LDvString& blocker) {
    PathBlockingDlg dialog(game);
    dialog.text.text = table.GetString(blocker.c_str(), "BLOCKER", kNoDescription);
    for (const RewardEntry& reward : ParseRewardList(table.GetString(blocker.c_str(), "REWARDS", ""))) {
        dialog.AddRow(reward.key, reward.text, RewardOwned(reward.key), true);
    }
    Run(dialog);
}

void PassBlocker(GameView& game, const LDvIniFile& table, const LDvString& id) {
    Record(kDiscoveriesSection, id);
    InfoDlg dialog(game);
    dialog.text.text = table.GetString(id.c_str(), "DESCRIPTION", "");
    Run(dialog);
    if (IsPlayerSelected()) {
        SetPlayerInt(kMapSection, kExpeditionCountKey, GetPlayerInt(kMapSection, kExpeditionCountKey, 0) + 1);
    }
}

// The rows show the rewards as owned from now on, with their check marks.
void ShowDiscovery(GameView& game, const LDvIniFile& table, const LDvString& id) {
    DiscoveryDlg dialog(game);
    dialog.text.text = table.GetString(id.c_str(), "DESCRIPTION", kNoDescription);
    for (const RewardEntry& reward : ParseRewardList(table.GetString(id.c_str(), "REWARDS", ""))) {
        dialog.AddRow(reward.key, reward.text, true, true);
        Record(kRewardsSection, reward.key);
    }
    PlayGameSound(sounds::kNewDiscovery);
    Run(dialog);
    const LDvString icon = table.GetString(id.c_str(), "ICON", "");
    if (!icon.empty()) Record(kIconsSection, icon);
    Record(kDiscoveriesSection, id);
}

}  // namespace

void SetDialogRunnerForTesting(DialogRunner runner) { Runner() = std::move(runner); }

// Read only when present: a missing table must not be created in the (possibly read-only) data.
void LoadDiscoveryTable(LDvIniFile& table) { LoadDataTable(table, kDiscoveryTable, "Discoveries"); }

DiscoveryOutcome Discover(GameView& game, const LDvString& id) {
    LDvIniFile table;
    LoadDiscoveryTable(table);
    const LDvString blocker = table.GetString(id.c_str(), "BLOCKER", "");
    if (blocker.empty()) {
        ShowDiscovery(game, table, id);
        return DiscoveryOutcome::Discovered;
    }
    if (!RequirementsMet(table, blocker)) {
        ShowBlocker(game, table, blocker);
        return DiscoveryOutcome::Blocked;
    }
    PassBlocker(game, table, id);
    return DiscoveryOutcome::BlockerPassed;
}
