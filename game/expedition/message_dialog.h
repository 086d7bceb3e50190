#pragma once
// A one-button message typed out in a small box over the dimmed screen. Built on the caller's
// stack for one modal run: set the message and the font, then RunModal. The frame and the button
// are the game's MessageDialogParts, shared by every message for the whole run; the font is
// borrowed.
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "game/expedition/paced_typeout_display.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;
struct LDvFont;

struct MessageDialogParts {
    DialogBase frame;
    ButtonBase button;                  // "OK"
};

class MessageDialog : public LDvDialog {
public:
    explicit MessageDialog(GameView& game);

    void SetMessage(const LDvString& text);
    void SetFont(LDvFont* font);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    PacedTypeoutDisplay display;
    LDvString message;

private:
    GameView& game;
    MessageDialogParts& parts;
};
