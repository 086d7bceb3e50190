#pragma once
// The title's 19 pictures, loaded on every entry and released on leaving (slot 2 stays empty).
// The title owns them for the whole run; its decorations and buttons borrow them while it is
// current.
#include <array>

#include "framework/ui/ldv_overlay.h"

class TitlePictures {
public:
    enum Slot {
        kBack = 0,
        kUiBar = 1,
        kExitUp = 3, kExitDown,
        kStoryUp, kStoryDown,
        kChallengeUp, kChallengeDown,
        kZenUp, kZenDown,
        kOptionsUp, kOptionsDown,
        kNotYouUp, kNotYouDown,
        kFish,
        kWaveTop,
        kExitQuestion,
        kRays,
        kSlotCount,
    };

    // A missing file takes the missing-media path.
    void Load();
    void Release();

    LDvSprite& operator[](Slot slot) { return sprites[slot]; }

    std::array<LDvSprite, kSlotCount> sprites;
};
