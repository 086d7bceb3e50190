#pragma once
// The map's arrival at a location whose discovery leads to an adventure scene: a discovery with an
// "EXPLORE" text in the discovery table shows that text in an information dialog, then the game
// fades to the discovery's "SCENE" (which is recorded as discovered when the scene is finished).
#include "framework/core/ldv_string.h"

class GameView;

// True when the discovery leads to a scene and the fade to it has begun; false, with nothing
// shown, when its "EXPLORE" text is empty (the map then runs the discovery itself).
bool ExploreSceneOf(GameView& game, const LDvString& discoveryId);
