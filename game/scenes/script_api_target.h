#pragma once
// What the scene functions act on: the scene that is current and the game around it. Scripts run
// only inside the scene's own calls, so one target for the whole run is enough; the game sets it
// once the scene exists. Without a target every scene function does nothing and returns 0.
class GameView;
class Scene;
class Section;

#include "framework/core/ldv_string.h"

void SetScriptApiTarget(Scene* scene, GameView* game);
Scene* ScriptScene();
GameView* ScriptGame();

// The active section `id` (or any, with includeInactive); null, with the scene's warning, when
// there is none or when no scene is targeted.
Section* ScriptSection(const LDvString& id, bool includeInactive = false);
// The same, but null (after the same warning) also for a section without a picture.
Section* ScriptPictureSection(const LDvString& id);
