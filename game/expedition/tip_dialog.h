#pragma once
// The tip: a one-time hint in a box whose arrow points at a spot on the screen, with an optional
// OK button and a check box that turns every tip off. The game owns the one instance for the
// whole run and reuses it for every tip; it is shown only through ShowTipOnce, either modally or
// floating over the current state as the secondary dialog. The pictures are copies of the game's
// GUI pictures, taken on the first entry; the fonts are the game's, borrowed.
#include <cstdint>

#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_button.h"
#include "game/expedition/font_tip_drawer.h"
#include "game/expedition/paced_typeout_display.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

class TipDialog : public LDvDialog {
public:
    static constexpr int32_t kPointOffset = 27;   // pixels between the tip point and the arrow's end

    explicit TipDialog(GameView& game);

    // What the next showing says and where it points; called by ShowTipOnce.
    void Prepare(const LDvString& tipText, LDvPoint point, bool showOk, bool placeBelow);

    void OnFirstEnter() override;
    void OnEnter() override;            // lays the box out once per showing
    // Moves the whole tip, its point included.
    void MoveBy(int dx, int dy);
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    LDvString text;
    int32_t tipX = 0;
    int32_t tipY = 0;
    bool below = false;                 // the box goes below the point even when there is room above
    int32_t offset = kPointOffset;
    bool okFlag = false;
    PacedTypeoutDisplay display;

    DialogBase frame;
    LDvSprite header;                   // "GUI/tip_dialog.png"
    LDvSprite arrow;                    // "GUI/tip_down_arrow.png", flipped when the box is below
    ButtonBase okButton;
    LDvButton checkBox;                 // toggles "SHOW_TIPS"; "GUI/checkbox.png", two frames
    FontTipDrawer checkBoxLabel;

private:
    void PlaceBox(int boxX, int boxY);
    void PlaceText(int boxX, int boxY);
    void Close();

    GameView& game;
};

// Shows the tip `key` (a key of the player's "TIPS" section) unless the player saw it already, and
// marks it seen. With tips turned off it is only marked seen. An open tip is closed either way.
// True when the tip was shown; a modal tip has been closed again by then.
bool ShowTipOnce(GameView& game, const LDvString& key, const LDvString& text, LDvPoint point, bool okButton,
                 bool below, bool modal);

// True when the selected player turned tips off ("SHOW_TIPS" present and 0).
bool TipsTurnedOff();
