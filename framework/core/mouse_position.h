#pragma once
// Where the mouse is on the 1600 x 900 canvas, for states and widgets that poll it between
// input messages.
#include "framework/core/ldv_string.h"

LDvPoint GetMousePosition();
