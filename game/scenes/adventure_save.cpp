// The adventure save: the two player values the title reads to put the player back into the scene
// they left, and the per-player save file, which is only ever emptied.
#include <cstdio>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/data/player_profiles.h"
#include "game/scenes/adventure_bar.h"
#include "game/scenes/scene.h"

namespace {

constexpr const char* kSaveFile = "advsave.ini";
constexpr const char* kSavedAtSceneKey = "SAVED_AT_ADVENTURE_SCENE";
constexpr const char* kSavedSceneNameKey = "SAVED_ADVENTURE_SCENE_NAME";

// Without a player, or in a folder that cannot be written, the scene goes on without the file:
// nothing is ever read from it.
void EmptySaveFile() {
    if (!IsPlayerSelected()) return;
    const LDvString folder = PlayerFolderPath(Frame().game->selectedPlayer);
    const LDvString path = JoinPaths(folder, kSaveFile);
    createFolderPath(makeFilePath(folder));
    std::FILE* file = std::fopen(makeFilePath(path).c_str(), "w");
    if (file == nullptr) {
        Log("Cannot write the adventure save " + path + "; the scene goes on without it");
        return;
    }
    std::fclose(file);
}

}  // namespace

void AdventureBar::SaveAdventure(Scene& scene) {
    EmptySaveFile();
    if (!IsPlayerSelected()) return;
    SetPlayerValue(nullptr, kSavedAtSceneKey, "1");
    SetPlayerValue(nullptr, kSavedSceneNameKey, scene.name);
}

void AdventureBar::RestoreAdventure() { EmptySaveFile(); }
