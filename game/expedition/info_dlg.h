#pragma once
// A short piece of information in a small frame with one button that closes it; it does not dim
// the screen. Constructed on the caller's stack, filled, run modally and destroyed; it borrows the
// game object's font and owns its overlays.
#include "framework/core/ldv_state.h"
#include "game/expedition/centred_text_block.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

class InfoDlg : public LDvDialog {
public:
    explicit InfoDlg(GameView& game);

    void OnEnter() override;
    void ToggleOverlays() override;
    void OnButton(LDvOverlay* button) override;

    DialogBase frame;
    CentredTextBlock text;             // its text is the information
    ButtonBase continueButton;         // language text 10
};
