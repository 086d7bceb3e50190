#pragma once
// The character dialog's two speakers, for the dialog mock-up preview.
#include "tools/forge/core/rgba_image.h"

RgbaImage captainPortrait();
RgbaImage professorPortrait();
