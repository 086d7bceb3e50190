#pragma once
// Asks for a player's name: letters and digits, at most 11, accepted with Return or the OK button
// once at least one character was typed. Built on the caller's stack for one modal run; afterwards
// the caller reads the entered name (empty when the run was aborted). The frame, the heading
// picture and the OK button are the game's EnterNameParts, shared for the whole run.
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_text_entry.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

struct EnterNameParts {
    DialogBase frame;
    LDvSprite heading;                  // a copy of "GUI/enter_name_text.png"
    ButtonBase okButton;
};

class EnterNameDialog : public LDvDialog {
public:
    static constexpr int32_t kMaxNameLength = 11;

    explicit EnterNameDialog(GameView& game);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnChar(int character, bool shiftDown) override;
    void OnKeyDown(int engineKeyCode, bool shiftDown) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    LDvTextEntry entry;
    LDvString enteredName;

private:
    void Accept();

    GameView& game;
    EnterNameParts& parts;
};
