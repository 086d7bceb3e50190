#pragma once
// The still background of the God of Air's shrine (1600 x 900, opaque): everything the player
// cannot take or change. The sections are painted over it (god_of_air_scene.cpp).
#include "tools/forge/core/rgba_image.h"

RgbaImage paintShrineBackdrop();
