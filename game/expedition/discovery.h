#pragma once
// What the player finds at a map location. "discoveries.ini" in the data folder, read at each
// use, holds two kinds of section: discoveries (named by the locations' discovery ids) and the
// blockers they may name, which demand rewards before the way is open. Discover shows the right
// dialog, modally, and records what was found in the selected player's progress.
#include <functional>

#include "framework/core/ldv_string.h"

class LDvDialog;
class LDvIniFile;
class GameView;

inline constexpr const char* kDiscoveryTable = "discoveries.ini";

enum class DiscoveryOutcome {
    Blocked,          // the blocker's rewards are missing; nothing was written
    BlockerPassed,    // the way is open: the discovery is recorded and the expedition count raised
    Discovered,       // the discovery and its rewards (and map icon) are recorded
};

// Reads the table from the data folder into `table`; a missing file leaves it empty (logged).
void LoadDiscoveryTable(LDvIniFile& table);

DiscoveryOutcome Discover(GameView& game, const LDvString& id);

// Runs one of the expedition's dialogs (the map's and a scene's "EXPLORE" text too) modally, or
// through the test's runner.
void RunExpeditionDialog(LDvDialog& dialog);

// How Discover runs its dialogs: modally, unless a test looks at them instead. Empty restores it.
using DialogRunner = std::function<void(LDvDialog& dialog)>;
void SetDialogRunnerForTesting(DialogRunner runner);
