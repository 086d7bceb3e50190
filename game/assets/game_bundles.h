#pragma once
// The game's two picture bundles. They add nothing to the bundle; their types say which is which.
// The game object owns both for the whole run.
#include "framework/ui/ldv_texture_atlas.h"

// The level-end panels and the parrot of the win and lose animations, found by short name.
class WinLoseBundle : public LDvTextureAtlas {};

// The intro movie's pictures.
class IntroMovieBundle : public LDvTextureAtlas {};
