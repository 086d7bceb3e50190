#pragma once
// The dialog that tells the player what blocks the way: a title picture, the text and one row per
// reward the way demands, each marked owned or missing; either of its two buttons closes it. The
// discovery dialog derives from it with its own title. Constructed on the caller's stack, filled,
// run modally and destroyed; it borrows the game object (GUI pictures, font, dimmer) and owns its
// overlays and rows.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "game/expedition/centred_text_block.h"
#include "game/expedition/reward_line.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

class PathBlockingDlg : public LDvDialog {
public:
    explicit PathBlockingDlg(GameView& game);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void ToggleOverlays() override;
    void OnButton(LDvOverlay* button) override;

    // The row's picture is the reward picture of `key` (none for a key without one).
    RewardLine& AddRow(const LDvString& key, const LDvString& text, bool owned, bool markShown);
    const LDvList<std::unique_ptr<RewardLine>>& Rows() const { return rows; }

    DialogBase frame;
    LDvSprite title;
    CentredTextBlock text;             // its text is the dialog's text
    ButtonBase okButton;               // language text 6
    ButtonBase continueButton;         // language text 10

protected:
    virtual const LDvOverlay& TitlePicture() const;

    GameView& game;

private:
    void Layout();

    LDvList<std::unique_ptr<RewardLine>> rows;
};
