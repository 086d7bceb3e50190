#pragma once
// The confirmation with an icon used to buy a building and to start an expedition: a title, a
// description beside the icon, the price in its slot, a confirm button with the caller's label
// and a cancel button. The caller constructs it on its stack, fills the fields, runs it modally
// and reads `cancelled`. It borrows the game object (GUI pictures, fonts, dimmer) and the caller's
// icon picture, and owns its overlays.
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "game/expedition/centred_text_block.h"
#include "game/expedition/fitted_label.h"
#include "game/expedition/icon_drawer.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;
struct LDvFont;

class IconDlg : public LDvDialog {
public:
    explicit IconDlg(GameView& game);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void ToggleOverlays() override;
    void OnButton(LDvOverlay* button) override;

    LDvString titleText;
    LDvString descriptionText;
    LDvString bodyText;                      // shown in the price slot
    LDvString confirmLabel;
    bool confirmDisabled = false;            // only the cancel button can be used
    bool priceHidden = false;                // the description takes the price slot's room
    const LDvOverlay* iconPicture = nullptr; // the caller's; none draws no icon
    int32_t iconOffsetX = 0, iconOffsetY = 0;
    LDvFont* bodyFont = nullptr;             // description and price; the game's first "Artifika_14Pt"
    float bodyR = 1.0f, bodyG = 1.0f, bodyB = 1.0f;
    LDvFont* titleFont = nullptr;            // the game's "Artifika_24Pt"
    float titleR = 1.0f, titleG = 1.0f, titleB = 1.0f;

    bool cancelled = true;                   // cleared only by the confirm button

    DialogBase frame;
    IconDrawer iconDrawer;
    FittedLabel title;
    CentredTextBlock description;
    LDvSprite priceSlot;
    FittedLabel body;
    ButtonBase confirmButton;
    ButtonBase cancelButton;                 // language text 9

private:
    void Layout();
    void PlaceButtons();

    GameView& game;
};
