#pragma once
// The GUI pictures every screen shares: frames of the dialogs and buttons, the boards, the player
// list, the reward icons and the small marks. The game object owns the one set for the whole run;
// screens borrow the sprites (or share their pictures with SharePicture) and must not keep them
// past OnExit, which releases the pictures.
#include <functional>

#include "framework/ui/ldv_overlay.h"

class GuiPictures {
public:
    GuiPictures() = default;
    GuiPictures(const GuiPictures&) = delete;
    GuiPictures& operator=(const GuiPictures&) = delete;

    // Loads every picture in a fixed order, calling afterEach after each; a missing one takes the
    // missing-media path.
    void Load(const std::function<void()>& afterEach = {});
    static constexpr int kCount = 43;    // pictures Load loads
    void Unload();

    LDvSprite black;
    LDvSprite buttonLeft, buttonMiddle, buttonRight;
    LDvSprite dialogTopLeft, dialogTop, dialogTopRight, dialogRight;
    LDvSprite dialogBottomRight, dialogBottom, dialogBottomLeft, dialogLeft;
    LDvSprite checkbox;                  // 2 frames: clear, ticked
    LDvSprite sliderKnob, sliderBar;
    LDvSprite numbers;                   // 11 frames: the digits and a separator
    LDvSprite levelBoard, scoreBoard;
    LDvSprite buildDlg;
    LDvSprite enterNameText, deletePlayerText, choosePlayerText;
    LDvSprite playerBacking, playerSelected;
    LDvSprite tipDownArrow;
    LDvSprite jungleText;
    LDvSprite rewardBucket, rewardMedicalSymbol, rewardHut, rewardTortugaBeach, rewardGodOfAir, rewardSupply;
    LDvSprite questionMark;
    LDvSprite newDiscoveryText, rewardText, rewardListSlot;
    LDvSprite xMark, checkMark;
    LDvSprite iconDlgPriceSlot;
    LDvSprite tipDialog;
    LDvSprite btnMenu, skipBtn, backOptions;
};
