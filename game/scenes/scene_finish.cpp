// How a scene ends: the discovery it grants, the wind bonus of the god of air, and the way back
// to the map.
#include "framework/core/black_out.h"
#include "framework/core/game_log.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/ldv_font.h"
#include "game/app/game_view.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/discovery.h"
#include "game/scenes/scene.h"

namespace {

struct SceneReward {
    const char* scene;
    const char* discovery;   // the map's discovery id, so the map does not offer the scene again
    bool windBonus;          // the boards get the god of air's whirlwinds
};
constexpr SceneReward kRewards[] = {
    {"god_of_air", "GOD_OF_AIR", true},
    {"medical_supplies_hog", "MEDICAL_SUPPLIES", false},
};

constexpr const char* kWindBonusKey = "WBS";
constexpr const char* kWindBonusCount = "3";
constexpr const char* kWindBonusActiveKey = "WBS_ACTIVE";

const SceneReward* RewardOf(const LDvString& scene) {
    for (const SceneReward& reward : kRewards) {
        if (scene == reward.scene) return &reward;
    }
    return nullptr;
}

void MakeWhite(LDvFont& font) { SetTextColor(&font, 1.0f, 1.0f, 1.0f); }

}  // namespace

// Both end conditions of a step, and the skip, may ask for the end: it happens once, with one
// discovery dialog. A scene that grants nothing still goes back to the map rather than staying
// on screen finished.
void Scene::FinishScene() {
    if (sceneFinished) return;
    sceneFinished = true;
    MakeWhite(game.Font(1));
    MakeWhite(game.Font(4));
    game.Cursor().SetCursorName("ARROW");
    if (const SceneReward* reward = RewardOf(name)) {
        PlayGameSound(sounds::kNewDiscovery);
        Discover(game, reward->discovery);
        if (reward->windBonus && IsPlayerSelected()) {
            SetPlayerValue(nullptr, kWindBonusKey, kWindBonusCount);
            SetPlayerValue(nullptr, kWindBonusActiveKey, "1");
        }
    } else {
        Log("Scene [" + name + "] grants no discovery; back to the map");
    }
    game.ScreenFade().FadeToState(false, &MapState());
}
