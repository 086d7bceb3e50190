#pragma once
// The player selection: the five profile slots as a list; a click on a named row selects and
// loads that profile at once, and the buttons delete the selected profile (after a yes/no
// question, never the only one), add a new one in the lowest free slot (names must differ), or
// close. Built on the caller's stack for one modal run; afterwards the caller reads SelectedSlot().
// The frame, caption, list, pictures and buttons are the game's SelectPlayerParts, kept for the run.
#include "framework/core/ldv_state.h"
#include "game/frontend/draw_player_names.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;

struct SelectPlayerParts {
    DialogBase frame;
    LDvSprite caption;                  // a copy of "GUI/choose_player_text.png"
    DrawPlayerNames names;
    LDvSprite backing;                  // a copy of "GUI/player_backing.png"
    LDvSprite selectionMark;            // a copy of "GUI/player_selected.png"
    LDvSprite deleteQuestion;           // a copy of "GUI/delete_player_text.png", shown by the yes/no question
    ButtonBase closeButton;
    ButtonBase deleteButton;
    ButtonBase newButton;
};

class SelectPlayerDialog : public LDvDialog {
public:
    explicit SelectPlayerDialog(GameView& game);

    int SelectedSlot() const { return parts.names.selected; }

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnClick(int x, int y) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

private:
    void TakePictures();
    void PlaceButtons(int frameX);
    void DeleteSelected();
    void AddPlayer();
    void ShowMessage(int textNumber, LDvFont* font);

    GameView& game;
    SelectPlayerParts& parts;
};
