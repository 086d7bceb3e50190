#pragma once
// The wooden signs that hang from the top of the camp, map and play screens, for other steps'
// previews of whole screens.
#include "tools/forge/core/rgba_image.h"

RgbaImage levelBoardPicture();
RgbaImage scoreBoardPicture();
RgbaImage menuButtonPicture();
