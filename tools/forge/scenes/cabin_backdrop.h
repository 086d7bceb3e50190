#pragma once
// The still background of the wrecked supply cabin (1600 x 900, opaque): everything the player
// cannot take. The hidden objects and the wreckage over them are painted as sections
// (medical_supplies_scene.cpp).
#include "tools/forge/core/rgba_image.h"

RgbaImage paintCabinBackdrop();
