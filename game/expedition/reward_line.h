#pragma once
// One row of a reward list in the expedition dialogs: the slot, the reward's picture (when the
// key has one), its text and, when shown, a check mark for an owned reward or a cross for a
// missing one to the left of the slot. Its sprites share the game's GUI pictures; the font is
// borrowed.
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class GuiPictures;
struct LDvFont;

class RewardLine : public LDvOverlay {
public:
    // Takes the slot and mark pictures from the GUI set and the reward's picture (null: none).
    void SharePictures(const GuiPictures& gui, const LDvOverlay* rewardPicture);
    void Draw() override;

    LDvSprite icon;                    // not loaded when the reward has no picture
    LDvString text;
    bool owned = false;
    bool markShown = false;
    LDvFont* font = nullptr;           // not owned

    LDvSprite slot;
    LDvSprite checkMark;
    LDvSprite xMark;
};
