#pragma once
// The island map's sea: the open water of an old sea chart, as the map screen shows it behind the land.
#include "tools/forge/core/rgba_image.h"

RgbaImage mapSea();  // 1600 x 900, opaque
