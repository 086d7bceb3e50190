#include "game/scenes/script_api_target.h"

#include "game/scenes/scene.h"

namespace {

Scene* targetScene = nullptr;
GameView* targetGame = nullptr;

}  // namespace

void SetScriptApiTarget(Scene* scene, GameView* game) {
    targetScene = scene;
    targetGame = game;
}

Scene* ScriptScene() { return targetScene; }

GameView* ScriptGame() { return targetGame; }

Section* ScriptSection(const LDvString& id, bool includeInactive) {
    return targetScene != nullptr ? targetScene->FindSceneSection(id, includeInactive) : nullptr;
}

Section* ScriptPictureSection(const LDvString& id) {
    Section* section = ScriptSection(id);
    return section != nullptr && section->picture != nullptr ? section : nullptr;
}
