#pragma once
// The 17 pictures of the adventure bar, loaded on every scene entry and released on every exit,
// so they take no memory while the player is elsewhere. The scene owns them for the whole run;
// what borrows them (buttons, the text box's backing, the inventory and hint overlays) must not
// draw them after Release.
#include <array>
#include <cstddef>

#include "framework/ui/ldv_overlay.h"

class SceneBarPictures {
public:
    // In the order they load.
    enum Picture : size_t {
        kBar,
        kHogCover,
        kMenuButton,
        kHintButton,
        kSkipButton,
        kGreyHint,
        kGreySkip,
        kPrintBackDouble,
        kPrintBackSingle,
        kGodOfAirIcon,
        kHintGlow,
        kSkipGlow,
        kStrikeout,
        kClinicIcon,
        kCombineGlow,
        kHintStars,
        kWindAward,
        kCount,
    };

    void Load();
    void Release();
    bool Loaded() const { return loaded; }

    LDvSprite& operator[](Picture picture) { return sprites[picture]; }
    // The file a picture loads from, relative to the image folder.
    static const char* PathOf(Picture picture);

private:
    std::array<LDvSprite, kCount> sprites;
    bool loaded = false;
};
