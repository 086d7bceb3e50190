// The scene functions for the scene's flow, the inventory and the hidden-object list.
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/scenes/scene.h"
#include "game/scenes/script_api_functions.h"
#include "game/scenes/script_api_target.h"

namespace script_api {

namespace {

AdventureParts* Parts() {
    Scene* scene = ScriptScene();
    return scene != nullptr ? scene->parts : nullptr;
}

}  // namespace

// The scene ends when its reward lands or its list is done; scripts call this only as a marker.
void SceneFinished() {}

void InvTake(LDvString id, int x, int y) {
    AdventureParts* parts = Parts();
    if (parts == nullptr) return;
    parts->TakeItem(id, x, y);
    PlayGameSound(sounds::kTake);
}

bool InvExists(LDvString id) {
    AdventureParts* parts = Parts();
    return parts != nullptr && parts->HasItem(id);
}

void InvRemove(LDvString id) {
    if (AdventureParts* parts = Parts()) parts->RemoveItem(id);
}

void InvReturn() {
    if (AdventureParts* parts = Parts()) parts->ReturnCarried();
}

void Wait() {
    if (Scene* scene = ScriptScene()) scene->SetWaiting(true);
}

void StopWaiting() {
    if (Scene* scene = ScriptScene()) scene->SetWaiting(false);
}

void AddHogItem(LDvString name, LDvString pluralName, int count) {
    if (AdventureParts* parts = Parts()) parts->AddHogItem(name, pluralName, count);
}

void FindHogItem(LDvString name, int x, int y) { InvTake(name, x, y); }

}  // namespace script_api
