#pragma once
// A state that shows nothing and ignores every message: where the game starts until its first
// screen exists.
#include "framework/core/ldv_state.h"

class BlankState : public LDvState {};
